#include "IKvProjectManager.h"

#include "KvDir.h"
#include "KvEffectPackLibrary.h"

#include "IKvAppInfo.h"
#include "KvAppSettings.h"
#include "IKvBaseLog.h"
#include "IKvProjectManagerEventObserver.h"
#include "KvAutoBackupWriter.h"
#include "KvAppInfoId.h"
#include "KvUndoRedoService.h"
#include "IKvProjectRecentManager.h"
#include "KvPaths.h"
#include "KvBoolGuards.h"
#include "KvProject.h"
#include "KvProjectFileLoader.h"
#include "KvThumbnailWriter.h"
#include "KvMediaEditor.h"
#include "KvMediaLibrary.h"
#include "KvProjectPlayer.h"
#include "KvTimeline.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <algorithm>

#include <memory>
#include <mutex>
#include <vector>

namespace {

class KvProjectManager final : public IKvProjectManager
{
public:
    KvProjectManager()
        : m_backupWriter(std::make_unique<KvAutoBackupWriter>())
    {
        // The manager may be made on a start-up worker; the backup timer
        // belongs to the GUI thread.
        if (QCoreApplication *app = QCoreApplication::instance())
            m_backupWriter->moveToThread(app->thread());
    }

    ~KvProjectManager() override
    {
        if (m_project && m_project->isModified())
            KV_LOG_INFO("releasing the project manager drops unsaved changes of \"%s\"", KV_CSTR(m_project->name()));
        // Not a close: the note keeps naming the backup of those changes.
        m_backupWriter.reset();
        m_services.reset();
        m_project.reset();
    }

    void initialize(ReadyCallback onReady) override
    {
        if (!m_initialized) {
            const QString dataDir = KvPaths::userDataDir();
            m_initOk = QDir().mkpath(dataDir);
            if (!m_initOk)
                KV_LOG_ERROR("cannot create the user data folder \"%s\"", KV_CSTR(dataDir));
            IKvProjectRecentManager::getInstance();
            m_initialized = true;
            KV_LOG_INFO("project manager initialised: %d", int(m_initOk));
        }
        if (!onReady)
            return;
        const bool ok = m_initOk;
        QCoreApplication *app = QCoreApplication::instance();
        if (!app) {
            KV_LOG_ERROR("no application object: calling the completion function directly");
            onReady(ok);
            return;
        }
        QMetaObject::invokeMethod(app, [onReady, ok]() { onReady(ok); }, Qt::QueuedConnection);
    }

    bool isInitialized() const override { return m_initialized; }

    void setStartEnabled(bool enabled) override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_startEnabled = enabled;
    }
    bool isStartEnabled() const override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        return m_startEnabled;
    }
    void load() override
    {
        // The recent list reads its file when it is made; reading it again
        // here would only repeat that work at every start.
        IKvProjectRecentManager::getInstance();
        KV_LOG_INFO("project manager loaded");
    }
    void setAutoBackupInterval(int seconds, int keepCount) override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_backup.intervalSeconds = seconds;
        m_backup.keepCount = keepCount;
        applyBackupConfig();
    }
    void setAutoBackupEnabled(bool enabled) override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_backup.enabled = enabled;
        applyBackupConfig();
    }
    void setBackupProjectFile(const QString &path) override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_backup.backupProjectFile = path;
        applyBackupConfig();
    }
    KvAutoBackupConfig autoBackupConfig() const override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        return m_backup;
    }
    bool isBusy() const override { return m_reading; }
    void prepareOpen() override
    {
        if (m_services)
            m_services->player->stop();
        if (QObject *player = editorPlayer()) {
            if (!QMetaObject::invokeMethod(player, "stop"))
                KV_LOG_ERROR("the editor player cannot be stopped before the open");
        }
    }
    int mediaLibraryItemId(int group, const QString &name) const override
    {
        // The built-in library items are addressed by their position in
        // their group; project media by their index.
        if (group == 4 && name == QLatin1String("effect_AIPortrait"))
            return 0;
        if (m_project) {
            const QStringList media = m_project->mediaPaths();
            for (int i = 0; i < media.size(); ++i) {
                if (QFileInfo(media.at(i)).completeBaseName() == name)
                    return i;
            }
        }
        return -1;
    }
    void initCategoryTree() override
    {
        // The built-in categories of the effect and template libraries.
        static const QStringList builtIn = {QStringLiteral("Titles"),   QStringLiteral("Transitions"),
                                            QStringLiteral("Filters"),  QStringLiteral("Overlays"),
                                            QStringLiteral("Elements"), QStringLiteral("Audio")};
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_categories = builtIn;
        KV_LOG_INFO("category tree: %d categories", int(m_categories.size()));
    }
    QStringList categories() const override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        return m_categories;
    }

    IKvProject *currentProject() const override { return m_project.get(); }

    IKvProject *createProject(const KvProjectData &data, const QString &filePath, bool modified) override
    {
        closeProject();
        KvProjectData projectData = data;
        QString path;
        if (!filePath.isEmpty()) {
            path = QFileInfo(filePath).absoluteFilePath();
            projectData.name = QFileInfo(path).completeBaseName();
        }
        m_project = std::make_unique<KvProject>(projectData, path);
        if (m_undo)
            m_undo->clear();
        followProject(m_project.get());
        if (m_editorPlayer)
            m_playerProject = m_project.get();
        m_project->setModified(modified);
        KvProject *project = m_project.get();
        m_project->setModifiedListener([this, project](bool changed) {
            notify([&](IKvProjectManagerEventObserver *o) { o->onProjectModifiedChanged(project, changed); });
        });
        KvAutoBackupWriter *backup = m_backupWriter.get();
        m_project->setChangeListener([backup] { backup->projectChanged(); });
        backup->setProject(project);
        if (!path.isEmpty()) {
            IKvProjectRecentManager::getInstance()->add(path, projectData.type);
            // Opened from a file: one that never had a thumbnail (or changed
            // elsewhere) gets it now, so the start page never reads the project.
            m_thumbnails.refreshBeside(path, projectData);
        }
        KV_LOG_INFO("project \"%s\" is current (%s)", KV_CSTR(projectData.name),
                    path.isEmpty() ? "untitled" : KV_CSTR(path));
        notify([&](IKvProjectManagerEventObserver *o) { o->onProjectOpened(project); });
        return project;
    }

    KvProjectFile::ReadResult readProject(const QString &path, KvProjectData *data, QString *error) override
    {
        KvBoolGuards guard(m_reading);
        return KvProjectFileLoader::read(path, data, error);
    }

    KvProjectFile::ReadResult openProject(const QString &path) override
    {
        KvProjectData data;
        const KvProjectFile::ReadResult result = readProject(path, &data, nullptr);
        if (result == KvProjectFile::ReadResult::Ok)
            createProject(data, path, false);
        return result;
    }

    bool saveProject(const QString &path) override
    {
        if (!m_project) {
            KV_LOG_ERROR("no project to save");
            return false;
        }
        const QString target = QFileInfo(path.isEmpty() ? m_project->filePath() : path).absoluteFilePath();
        if (path.isEmpty() && m_project->filePath().isEmpty()) {
            KV_LOG_ERROR("the project has no file yet; a path is needed");
            return false;
        }
        KvProjectData data = m_project->data();
        data.name = QFileInfo(target).completeBaseName();
        if (!KvProjectFile::write(target, data))
            return false;
        // The thumbnail is a convenience; a project without one still opens.
        m_thumbnails.writeBeside(target, data);
        m_project->setName(data.name);
        m_project->setFilePath(target);
        m_project->setModified(false);
        m_backupWriter->projectSaved();
        IKvProjectRecentManager::getInstance()->add(target, data.type);
        KV_LOG_INFO("project saved to \"%s\"", KV_CSTR(target));
        KvProject *project = m_project.get();
        notify([&](IKvProjectManagerEventObserver *o) { o->onProjectSaved(project, target); });
        return true;
    }

    void closeProject() override
    {
        if (!m_project)
            return;
        KV_LOG_INFO("close project \"%s\"", KV_CSTR(m_project->name()));
        KvProject *project = m_project.get();
        const QString path = project->filePath();
        project->setModifiedListener({});
        project->setChangeListener({});
        m_backupWriter->projectClosed();
        notify([&](IKvProjectManagerEventObserver *o) { o->onProjectClosed(project, path); });
        if (m_playerProject == project)
            m_playerProject = nullptr;
        // The services let go of the project before it goes.
        followProject(nullptr);
        m_project.reset();
        if (m_undo)
            m_undo->clear();
    }

    void setInstalledEffects(const QStringList &effects) override { m_installedEffects = effects; }
    QStringList installedEffects() const override { return m_installedEffects; }

    QStringList missingEffects(const KvProjectData &data) const override
    {
        // Sets keep this linear: projects and installations both reach tens
        // of thousands of effects. Names compare without case.
        QSet<QString> installed;
        installed.reserve(m_installedEffects.size());
        for (const QString &effect : m_installedEffects)
            installed.insert(effect.toCaseFolded());
        QStringList missing;
        QSet<QString> reported;
        for (const QString &effect : data.requiredEffects) {
            const QString key = effect.toCaseFolded();
            if (installed.contains(key) || reported.contains(effect))
                continue;
            reported.insert(effect);
            missing << effect;
        }
        return missing;
    }

    QVector<KvEffectPackRecord> installedEffectPacks() override { return m_effectPacks.reload(); }

    QStringList effectPacksInUse(const QStringList &packFolders) const override
    {
        if (!m_project)
            return {};
        if (m_effectPacks.records().isEmpty())
            m_effectPacks.reload();
        return m_effectPacks.packsUsing(m_project->requiredEffects(), packFolders);
    }

    void removeEffectPackRecord(const QString &packFolder) override
    {
        const KvEffectPackRecord record = m_effectPacks.removeRecord(packFolder);
        QSet<QString> gone;
        for (const QString &effect : record.resources)
            gone.insert(effect.toCaseFolded());
        m_installedEffects.erase(std::remove_if(m_installedEffects.begin(), m_installedEffects.end(),
                                                [&](const QString &e) { return gone.contains(e.toCaseFolded()); }),
                                 m_installedEffects.end());
        KV_LOG_INFO("effect pack \"%s\" forgotten (%d effects)", KV_CSTR(packFolder), int(record.resources.size()));
    }

    void addObserver(IKvProjectManagerEventObserver *observer) override
    {
        if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
            m_observers.push_back(observer);
    }

    void removeObserver(IKvProjectManagerEventObserver *observer) override
    {
        m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
    }

    void setSceneMode(int mode) override
    {
        if (mode < SceneNone || mode > SceneTemplate) {
            KV_LOG_ERROR("unknown scene mode %d ignored", mode);
            return;
        }
        KV_LOG_INFO("scene mode %d", mode);
        m_sceneMode = mode;
    }
    int sceneMode() const override { return m_sceneMode; }

    void setEditorPlayer(QObject *player) override
    {
        if (m_editorPlayer == player)
            return;
        m_editorPlayer = player;
        m_playerProject = nullptr;
    }
    QObject *editorPlayer() const override { return m_editorPlayer.data(); }

    bool refreshPlayerBinding() override
    {
        if (!m_editorPlayer || !m_project) {
            KV_LOG_ERROR("player binding not refreshed: %s", m_project ? "no editor player" : "no current project");
            m_playerProject = nullptr;
            return false;
        }
        m_playerProject = m_project.get();
        KV_LOG_INFO("editor player bound to \"%s\"", KV_CSTR(m_project->name()));
        return true;
    }
    IKvProject *playerProject() const override { return m_editorPlayer ? m_playerProject : nullptr; }

    void bindTimeline(KvUIScene *scene) override { m_timelineScene = scene; }
    void unbindTimeline(KvUIScene *scene) override
    {
        if (m_timelineScene == scene)
            m_timelineScene = nullptr;
    }
    KvUIScene *timelineScene() const override { return m_timelineScene; }

    void reset(bool dropProject) override
    {
        KV_LOG_INFO("reset, drop project: %d", int(dropProject));
        if (dropProject)
            closeProject();
        if (m_undo)
            m_undo->clear();
    }

    bool enterTimeline() override
    {
        if (!m_project) {
            KV_LOG_ERROR("enter timeline: no current project");
            return false;
        }
        if (m_project->type() != KvProjectType::InstantMode)
            return true;
        KvProjectData data = m_project->data();
        data.type = KvProjectType::Normal;
        KV_LOG_INFO("template project \"%s\" goes on in the timeline", KV_CSTR(data.name));
        // Its file is a template-mode file; the timeline project is saved anew.
        createProject(data, QString(), true);
        return true;
    }

    KvUndoRedoService *undoRedoService() const override
    {
        if (!m_undo) {
            m_undo = std::make_unique<KvUndoRedoService>();
            // The manager may be made on a start-up worker; its users are on the GUI thread.
            if (QCoreApplication *app = QCoreApplication::instance())
                m_undo->moveToThread(app->thread());
        }
        return m_undo.get();
    }

    IKvTimeline *timeline() const override { return services()->timeline; }
    IKvMediaLibrary *mediaLibrary() const override { return services()->library; }
    KvMediaEditor *mediaEditor() const override { return services()->editor; }
    KvProjectPlayer *player() const override { return services()->player; }

    // Both follow the folders of the performance preferences, so that a
    // moved proxy or render folder is where the project's files go next.
    QString renderFolder() const override
    {
        return projectFolderIn(preferredBase(
            KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().GetPreviewRenderFilesFolder(),
            KvAppInfoId::RenderDir));
    }
    QString proxyFolder() const override
    {
        return projectFolderIn(preferredBase(
            KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings().GetProxyFileFolder(),
            KvAppInfoId::MediaProxyDir));
    }
    bool clearRenderFiles() override { return removeFolder(renderFolder(), "render files"); }
    bool clearProxyFiles() override { return removeFolder(proxyFolder(), "proxy files"); }

private:
    // The editing services, children of one anchor so that a move to the
    // GUI thread takes them all.
    struct Services
    {
        QObject anchor;
        KvTimeline *timeline;
        KvMediaLibrary *library;
        KvMediaEditor *editor;
        KvProjectPlayer *player;
    };

    Services *services() const
    {
        if (!m_services) {
            m_services = std::make_unique<Services>();
            Services *s = m_services.get();
            s->timeline = new KvTimeline(&s->anchor);
            s->library = new KvMediaLibrary(&s->anchor);
            s->editor = new KvMediaEditor(&s->anchor);
            s->player = new KvProjectPlayer(s->timeline, &s->anchor);
            QObject::connect(s->library, &IKvMediaLibrary::sigMediaAdded, s->timeline, &KvTimeline::mediaChanged);
            QObject::connect(s->library, &IKvMediaLibrary::sigMediaReset, s->timeline, &KvTimeline::contentReset);
            QObject::connect(s->library, &IKvMediaLibrary::sigMediaReset, s->editor, &KvMediaEditor::clear);
            if (QCoreApplication *app = QCoreApplication::instance())
                s->anchor.moveToThread(app->thread());
            const_cast<KvProjectManager *>(this)->followProject(m_project.get());
        }
        return m_services.get();
    }

    // The services show the current project (or none).
    void followProject(IKvProject *project)
    {
        if (!m_services)
            return;
        m_services->player->stop();
        m_services->editor->clear();
        m_services->library->setProject(project, project ? undoRedoService() : nullptr);
        m_services->timeline->setProject(project, project ? undoRedoService() : nullptr);
    }

    static QString preferredBase(const QString &chosen, int appInfoId)
    {
        return chosen.isEmpty() ? IKvAppInfo::getInstance()->getString(appInfoId) : chosen;
    }

    QString projectFolderIn(const QString &base) const
    {
        if (!m_project)
            return QString();
        if (base.isEmpty())
            return QString();
        const QString path = m_project->filePath();
        const QString key = path.isEmpty()
            ? QStringLiteral("untitled")
            : QString::fromLatin1(
                  QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Md5).toHex().left(16));
        return QDir(base).filePath(key);
    }

    static bool removeFolder(const QString &folder, const char *what)
    {
        if (folder.isEmpty()) {
            KV_LOG_ERROR("%s not cleared: no project or no base folder", what);
            return false;
        }
        if (!QFileInfo::exists(folder) && !QFileInfo(folder).isSymLink())
            return true;
        if (!KvDir::removeTree(folder)) {
            KV_LOG_ERROR("%s in \"%s\" could not all be removed", what, KV_CSTR(folder));
            return false;
        }
        KV_LOG_INFO("%s in \"%s\" removed", what, KV_CSTR(folder));
        return true;
    }

    // Hands the backup settings to the writer on its thread; the caller
    // holds the settings lock.
    void applyBackupConfig()
    {
        KvAutoBackupWriter *backup = m_backupWriter.get();
        const KvAutoBackupConfig config = m_backup;
        QMetaObject::invokeMethod(backup, [backup, config] { backup->setConfig(config); }, Qt::AutoConnection);
    }

    template <class F>
    void notify(F &&call)
    {
        // An observer may remove itself or another one while being told.
        const std::vector<IKvProjectManagerEventObserver *> snapshot = m_observers;
        for (IKvProjectManagerEventObserver *observer : snapshot) {
            if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
                call(observer);
        }
    }

    // Declared first so that it is destroyed last: its destructor waits for
    // the thumbnails still being written.
    KvThumbnailWriter m_thumbnails;
    // Reset by hand in the destructor, before the project goes.
    std::unique_ptr<KvAutoBackupWriter> m_backupWriter;
    std::unique_ptr<KvProject> m_project;
    std::vector<IKvProjectManagerEventObserver *> m_observers;
    QStringList m_installedEffects;
    // Read for the in-use check before anything loaded it.
    mutable KvEffectPackLibrary m_effectPacks;
    bool m_initialized = false;
    bool m_initOk = false;
    // An open's read is under way (its local event loop may be turning).
    bool m_reading = false;
    // Written by start-up tasks on worker threads.
    mutable std::mutex m_settingsMutex;
    bool m_startEnabled = false;
    KvAutoBackupConfig m_backup;
    QStringList m_categories;

    int m_sceneMode = SceneNone;
    QPointer<QObject> m_editorPlayer;
    IKvProject *m_playerProject = nullptr;
    KvUIScene *m_timelineScene = nullptr;
    mutable std::unique_ptr<KvUndoRedoService> m_undo;
    // Declared after the project: destroyed before it, so nothing they hold
    // points to a project gone.
    mutable std::unique_ptr<Services> m_services;
};

// Not a KvLazySingleton on purpose: shutdown releases the project manager by
// name, in its fixed place after every lazy singleton is gone; releasing all
// lazy singletons must not take it earlier.
std::mutex s_mutex;
KvProjectManager *s_instance = nullptr;

} // namespace

IKvProjectManager *IKvProjectManager::getInstance()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    if (!s_instance)
        s_instance = new KvProjectManager;
    return s_instance;
}

void IKvProjectManager::releaseInstance()
{
    KvProjectManager *instance = nullptr;
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        std::swap(instance, s_instance);
    }
    delete instance;
}

bool IKvProjectManager::hasInstance()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    return s_instance != nullptr;
}
