#include "IKvProjectManager.h"

#include "IKvBaseLog.h"
#include "IKvProjectManagerEventObserver.h"
#include "IKvProjectRecentManager.h"
#include "KvPaths.h"
#include "KvProject.h"
#include "KvProjectThumbnail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include <memory>
#include <mutex>
#include <vector>

namespace {

class KvProjectManager final : public IKvProjectManager
{
public:
    ~KvProjectManager() override
    {
        if (m_project && m_project->isModified())
            KV_LOG_INFO("releasing the project manager drops unsaved changes of \"%s\"", KV_CSTR(m_project->name()));
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
        IKvProjectRecentManager::getInstance()->reload();
        KV_LOG_INFO("project manager loaded");
    }
    void setAutoBackupInterval(int seconds, int keepCount) override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_backup.intervalSeconds = seconds;
        m_backup.keepCount = keepCount;
    }
    void setAutoBackupEnabled(bool enabled) override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_backup.enabled = enabled;
    }
    void setBackupProjectFile(const QString &path) override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        m_backup.backupProjectFile = path;
    }
    KvAutoBackupConfig autoBackupConfig() const override
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        return m_backup;
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
        m_project->setModified(modified);
        KvProject *project = m_project.get();
        m_project->setModifiedListener([this, project](bool changed) {
            notify([&](IKvProjectManagerEventObserver *o) { o->onProjectModifiedChanged(project, changed); });
        });
        if (!path.isEmpty())
            IKvProjectRecentManager::getInstance()->add(path, projectData.type);
        KV_LOG_INFO("project \"%s\" is current (%s)", KV_CSTR(projectData.name),
                    path.isEmpty() ? "untitled" : KV_CSTR(path));
        notify([&](IKvProjectManagerEventObserver *o) { o->onProjectOpened(project); });
        return project;
    }

    KvProjectFile::ReadResult openProject(const QString &path) override
    {
        KvProjectData data;
        const KvProjectFile::ReadResult result = KvProjectFile::read(path, &data);
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
        KvProjectThumbnail::writeBeside(target, data);
        m_project->setName(data.name);
        m_project->setFilePath(target);
        m_project->setModified(false);
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
        notify([&](IKvProjectManagerEventObserver *o) { o->onProjectClosed(project, path); });
        m_project.reset();
    }

    void setInstalledEffects(const QStringList &effects) override { m_installedEffects = effects; }
    QStringList installedEffects() const override { return m_installedEffects; }

    QStringList missingEffects(const KvProjectData &data) const override
    {
        QStringList missing;
        for (const QString &effect : data.requiredEffects) {
            if (!m_installedEffects.contains(effect, Qt::CaseInsensitive) && !missing.contains(effect))
                missing << effect;
        }
        return missing;
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

private:
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

    std::unique_ptr<KvProject> m_project;
    std::vector<IKvProjectManagerEventObserver *> m_observers;
    QStringList m_installedEffects;
    bool m_initialized = false;
    bool m_initOk = false;
    // Written by start-up tasks on worker threads.
    mutable std::mutex m_settingsMutex;
    bool m_startEnabled = false;
    KvAutoBackupConfig m_backup;
    QStringList m_categories;
};

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
