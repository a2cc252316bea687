#include "FProjectDocProxy.h"

#include "FProjectDocOperation.h"
#include "FUnsavedChangesQuestion.h"

#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "IKvProjectManagerEventObserver.h"
#include "KvLazySingleton.h"
#include "KvOpenProjectEvent.h"
#include "KvPaths.h"
#include "KvProjectArchiver.h"
#include "KvProjectSuffixHelper.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMutex>
#include <QPointer>
#include <QUrl>


QString FProjectDocProxy::projectPathFromArgument(const QString &given)
{
    QString path = given.trimmed();
    const QString openKey = QStringLiteral("-open:");
    if (path.startsWith(openKey))
        path = path.mid(openKey.size()).trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        path = QUrl(path).toLocalFile();
    return path;
}

namespace {

QString projectFilter()
{
    return FProjectDocProxy::tr("Korvane Projects (*%1 *%2)")
        .arg(KvProjectSuffixHelper::projectFileDottedSuffix(), KvProjectSuffixHelper::instantModeFileDottedSuffix());
}

bool haveWidgets()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

} // namespace

class FProjectDocProxyPrivate : public IKvProjectManagerEventObserver
{
public:
    explicit FProjectDocProxyPrivate(FProjectDocProxy *q)
        : q(q)
    {
    }

    IKvProjectManager *manager() const { return IKvProjectManager::getInstance(); }
    IKvProject *current() const { return IKvProjectManager::hasInstance() ? manager()->currentProject() : nullptr; }

    void onProjectOpened(IKvProject *) override { emit q->sigCurrentProjectChanged(); }
    void onProjectClosed(IKvProject *, const QString &) override { emit q->sigCurrentProjectChanged(); }
    void onProjectModifiedChanged(IKvProject *, bool modified) override { emit q->sigProjectModifiedChanged(modified); }

    QString askPath(FProjectDocProxy::PathRequest request, const QString &suggested, const QString &filter) const
    {
        if (pathProvider)
            return pathProvider(request, suggested, filter);
        if (!haveWidgets()) {
            KV_LOG_ERROR("no widget application: cannot ask for a path");
            return QString();
        }
        switch (request) {
        case FProjectDocProxy::PathRequest::OpenProject:
            return QFileDialog::getOpenFileName(parent, FProjectDocProxy::tr("Open Project"), suggested, filter);
        case FProjectDocProxy::PathRequest::SaveProjectAs:
            return QFileDialog::getSaveFileName(parent, FProjectDocProxy::tr("Save Project As"), suggested, filter);
        case FProjectDocProxy::PathRequest::ArchiveProject:
            return QFileDialog::getSaveFileName(parent, FProjectDocProxy::tr("Archive Project"), suggested, filter);
        }
        return QString();
    }

    FProjectDocProxy::CloseDecision askClose(const QString &name) const
    {
        if (closeDecisionProvider)
            return closeDecisionProvider(name);
        if (!haveWidgets()) {
            KV_LOG_ERROR("no widget application: keeping the unsaved project open");
            return FProjectDocProxy::CloseDecision::Cancel;
        }
        return askUnsavedChanges(parent, name);
    }

    // True when the current project may be replaced or closed.
    bool settleUnsaved()
    {
        IKvProject *project = current();
        if (!project || !project->isModified())
            return true;
        switch (askClose(project->name())) {
        case FProjectDocProxy::CloseDecision::Save: {
            const FProjectDocProxy::SaveType result = save(project->filePath().isEmpty());
            KV_LOG_INFO("unsaved changes: save, result %d", int(result));
            return result == FProjectDocProxy::SaveType_Saved;
        }
        case FProjectDocProxy::CloseDecision::Discard:
            KV_LOG_INFO("unsaved changes of \"%s\" discarded", KV_CSTR(project->name()));
            return true;
        case FProjectDocProxy::CloseDecision::Cancel:
            break;
        }
        KV_LOG_INFO("closing \"%s\" cancelled", KV_CSTR(project->name()));
        return false;
    }

    FProjectDocProxy::SaveType save(bool askForPath)
    {
        IKvProject *project = current();
        if (!project) {
            KV_LOG_ERROR("save: no project is open");
            return FProjectDocProxy::SaveType_NoProject;
        }
        QString path = project->filePath();
        if (askForPath) {
            const QString suffix = project->type() == KvProjectType::InstantMode
                ? KvProjectSuffixHelper::instantModeFileSuffix()
                : KvProjectSuffixHelper::projectFileSuffix();
            const QString suggested = !path.isEmpty()
                ? path
                : QDir(KvPaths::documentsDir()).filePath(
                      (project->name().isEmpty() ? FProjectDocProxy::tr("Untitled") : project->name()) + QLatin1Char('.')
                      + suffix);
            path = askPath(FProjectDocProxy::PathRequest::SaveProjectAs, suggested, projectFilter());
            if (path.isEmpty()) {
                KV_LOG_INFO("save as cancelled");
                return FProjectDocProxy::SaveType_Cancelled;
            }
            path = KvProjectSuffixHelper::withSuffix(path, suffix);
        }
        if (!manager()->saveProject(path)) {
            KV_LOG_ERROR("save project to \"%s\" failed", KV_CSTR(path));
            return FProjectDocProxy::SaveType_Failed;
        }
        return FProjectDocProxy::SaveType_Saved;
    }

    // A project file to read: archives are unpacked beside themselves first.
    QString resolveProjectFile(const QString &path) const
    {
        if (!KvProjectSuffixHelper::isArchiveFile(path) || !QFileInfo(path).isFile())
            return path;
        const QFileInfo info(path);
        QString folder = info.dir().filePath(info.completeBaseName());
        for (int n = 2; QFileInfo::exists(folder) && n < 1000; ++n)
            folder = info.dir().filePath(QStringLiteral("%1 (%2)").arg(info.completeBaseName()).arg(n));
        KV_LOG_INFO("unpacking project archive \"%s\" into \"%s\"", KV_CSTR(path), KV_CSTR(folder));
        return KvProjectArchiver::extract(path, folder);
    }

    // Reads a project for opening; reports a newer format to the shell.
    bool readForOpen(const QString &path, KvProjectData *data)
    {
        QString why;
        const KvProjectFile::ReadResult result = manager()->readProject(path, data, &why);
        lastProblem = FProjectOpenProblem::fromReadResult(path, result, why);
        if (result == KvProjectFile::ReadResult::NewerVersion)
            emit q->sigShowUnsupportDlg();
        return result == KvProjectFile::ReadResult::Ok;
    }

    // An archive that cannot be unpacked is not a project.
    QString resolveForOpen(const QString &path)
    {
        lastProblem = FProjectOpenProblem::probe(path);
        if (lastProblem.isProblem())
            return QString();
        const QString file = resolveProjectFile(path);
        if (file.isEmpty())
            lastProblem = FProjectOpenProblem(FProjectOpenProblem::Reason::NotAProject, path);
        return file;
    }

    void reportMissingEffects(const KvProjectData &data)
    {
        const QStringList missing = manager()->missingEffects(data);
        if (missing.isEmpty())
            return;
        KV_LOG_INFO("the project uses %d effects that are not installed: %s", int(missing.size()),
                    KV_CSTR(missing.join(QStringLiteral(", "))));
        emit q->sigShowOpenfxDownloadDlg(missing);
    }

    bool openTemplate(const QString &templatePath, const QString &name)
    {
        lastProblem = FProjectOpenProblem();
        const QString path = resolveForOpen(FProjectDocProxy::projectPathFromArgument(templatePath));
        KvProjectData data;
        if (path.isEmpty() || !readForOpen(path, &data)) {
            KV_LOG_ERROR("open project template \"%s\" failed", KV_CSTR(templatePath));
            return false;
        }
        if (!settleUnsaved())
            return false;
        if (!name.isEmpty())
            data.name = name;
        else if (data.name.isEmpty())
            data.name = QFileInfo(path).completeBaseName();
        manager()->createProject(data);
        KV_LOG_INFO("new project \"%s\" from template \"%s\"", KV_CSTR(data.name), KV_CSTR(path));
        reportMissingEffects(data);
        return true;
    }

    bool createNew(int aspect)
    {
        KvProjectData data;
        if (!KvProjectAspectRatio::settingsFor(aspect, &data.settings)) {
            KV_LOG_ERROR("new project: unknown aspect ratio %d", aspect);
            return false;
        }
        if (!settleUnsaved())
            return false;
        data.type = suffix == KvProjectSuffixHelper::instantModeFileSuffix() ? KvProjectType::InstantMode
                                                                             : KvProjectType::Normal;
        manager()->createProject(data);
        KV_LOG_INFO("new project %dx%d", data.settings.width, data.settings.height);
        return true;
    }

    // One open, save or close; the service says when the last one ends.
    FProjectDocOperation operation()
    {
        return FProjectDocOperation(busy, [this] { emit q->sigOperationEnded(); });
    }

    FProjectDocProxy *q;
    bool initialized = false;
    bool busy = false;
    QPointer<QWidget> parent;
    QString suffix = KvProjectSuffixHelper::projectFileSuffix();
    FProjectDocProxy::CloseDecisionProvider closeDecisionProvider;
    FProjectDocProxy::PathProvider pathProvider;
    QString lastOpenDir;
    FProjectOpenProblem lastProblem;

    // Written by start-up code on a worker thread.
    mutable QMutex delayMutex;
    QString delayProjectPath;
    QString delayShareInfoPath;
    QVariantMap delayTemplateMap;
};

FProjectDocProxy::FProjectDocProxy()
    : d(std::make_unique<FProjectDocProxyPrivate>(this))
{
    // The first use may come from a start-up worker; the object belongs with
    // the dialogs and the project on the GUI thread.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        if (thread() != app->thread())
            moveToThread(app->thread());
    }
}

FProjectDocProxy::~FProjectDocProxy()
{
    if (d->initialized && IKvProjectManager::hasInstance())
        IKvProjectManager::getInstance()->removeObserver(d.get());
}

FProjectDocProxy *FProjectDocProxy::instance()
{
    return KvLazySingleton<FProjectDocProxy>::instance();
}

void FProjectDocProxy::init()
{
    if (d->initialized) {
        KV_LOG_INFO("project document service already initialised");
        return;
    }
    if (!IKvProjectManager::hasInstance())
        KV_LOG_ERROR("project document service initialised before the project manager; creating it");
    d->manager()->addObserver(d.get());
    d->initialized = true;
    KV_LOG_INFO("project document service initialised");
}

bool FProjectDocProxy::isInitialized() const
{
    return d->initialized;
}

void FProjectDocProxy::setParentWidget(QWidget *widget)
{
    d->parent = widget;
}

QWidget *FProjectDocProxy::parentWidget() const
{
    return d->parent;
}

void FProjectDocProxy::setProjectSuffix(const QString &suffix)
{
    QString bare = suffix.trimmed();
    if (bare.startsWith(QLatin1Char('.')))
        bare.remove(0, 1);
    if (bare.isEmpty()) {
        KV_LOG_ERROR("empty project suffix ignored");
        return;
    }
    d->suffix = bare.toLower();
    KV_LOG_INFO("project suffix: %s", KV_CSTR(d->suffix));
}

QString FProjectDocProxy::projectSuffix() const
{
    return d->suffix;
}

void FProjectDocProxy::SetDelayLoadProjectPath(const QString &path)
{
    const QString normalized = projectPathFromArgument(path);
    QMutexLocker lock(&d->delayMutex);
    d->delayProjectPath = normalized;
    KV_LOG_INFO("project to open at start: \"%s\"", KV_CSTR(normalized));
}

void FProjectDocProxy::SetDelayLoadShareInfoPath(const QString &path)
{
    QMutexLocker lock(&d->delayMutex);
    d->delayShareInfoPath = path;
    KV_LOG_INFO("share information at start: \"%s\"", KV_CSTR(path));
}

void FProjectDocProxy::SetDelayLoadPrjTemplateMap(const QVariantMap &map)
{
    QMutexLocker lock(&d->delayMutex);
    d->delayTemplateMap = map;
    KV_LOG_INFO("project template at start: \"%s\"", KV_CSTR(map.value(QStringLiteral("url")).toString()));
}

QString FProjectDocProxy::delayLoadProjectPath() const
{
    QMutexLocker lock(&d->delayMutex);
    return d->delayProjectPath;
}

QString FProjectDocProxy::delayLoadShareInfoPath() const
{
    QMutexLocker lock(&d->delayMutex);
    return d->delayShareInfoPath;
}

QVariantMap FProjectDocProxy::delayLoadPrjTemplateMap() const
{
    QMutexLocker lock(&d->delayMutex);
    return d->delayTemplateMap;
}

bool FProjectDocProxy::ensureActivateProjectExist(bool allowNewProject, bool acceptOpenProject)
{
    const QString path = delayLoadProjectPath();
    if (!path.isEmpty()) {
        if (QFileInfo(path).isFile())
            return true;
        KV_LOG_ERROR("the project to open at start does not exist: \"%s\"", KV_CSTR(path));
    }
    if (!delayLoadPrjTemplateMap().value(QStringLiteral("url")).toString().trimmed().isEmpty())
        return true;
    if (acceptOpenProject && d->current())
        return true;
    return allowNewProject;
}

bool FProjectDocProxy::isDelayLoadTemplateProject() const
{
    const QString path = delayLoadProjectPath();
    if (path.isEmpty())
        return false;
    if (KvProjectSuffixHelper::isInstantModeFile(path))
        return true;
    if (KvProjectSuffixHelper::isProjectFile(path) || !QFileInfo(path).isFile())
        return false;
    // A file of another name (a backup, say) tells its type itself.
    KvProjectData data;
    return d->manager()->readProject(path, &data) == KvProjectFile::ReadResult::Ok
        && data.type == KvProjectType::InstantMode;
}

bool FProjectDocProxy::korvaneStartUp()
{
    const QString path = delayLoadProjectPath();
    const QVariantMap templateMap = delayLoadPrjTemplateMap();
    const QString share = delayLoadShareInfoPath();
    KV_LOG_INFO("start up: project \"%s\", template %d, share \"%s\"", KV_CSTR(path), int(!templateMap.isEmpty()),
                KV_CSTR(share));
    d->lastProblem = FProjectOpenProblem();
    bool ok = false;
    bool fallback = false;
    if (!path.isEmpty()) {
        ok = openProject(path, false);
        fallback = !ok && !isDelayLoadTemplateProject();
    } else if (!templateMap.isEmpty()) {
        const QString url = templateMap.value(QStringLiteral("url")).toString().trimmed();
        const QString name = templateMap.value(QStringLiteral("name")).toString();
        const QUrl parsed(url);
        const bool local = !url.isEmpty() && (parsed.isLocalFile() || parsed.scheme().size() <= 1);
        if (local) {
            ok = openProjectTemplate(url, name);
        } else {
            KV_LOG_ERROR("project template \"%s\" is not a local file; it must be downloaded first", KV_CSTR(url));
        }
        fallback = !ok;
    } else if (d->current()) {
        ok = true;
    } else {
        ok = newProject(KvProjectAspectRatio::kDefault);
    }
    if (fallback && !d->current()) {
        KV_LOG_INFO("start up: continuing with a new untitled project");
        newProject(KvProjectAspectRatio::kDefault);
    }
    // Every open from here on is the user's, not the launch's.
    KvOpenProjectEvent::isAfterLaunch = true;
    return ok;
}

void FProjectDocProxy::clearDelayLoadProjectInfos()
{
    QMutexLocker lock(&d->delayMutex);
    d->delayProjectPath.clear();
    d->delayShareInfoPath.clear();
    d->delayTemplateMap.clear();
}

bool FProjectDocProxy::openProject(const QString &path, bool discardUnsaved)
{
    if (d->busy) {
        KV_LOG_ERROR("open project ignored: another project operation is running");
        return false;
    }
    const FProjectDocOperation operation = d->operation();
    d->lastProblem = FProjectOpenProblem();
    QString target = projectPathFromArgument(path);
    if (target.isEmpty()) {
        target = d->askPath(PathRequest::OpenProject,
                            d->lastOpenDir.isEmpty() ? KvPaths::documentsDir() : d->lastOpenDir, projectFilter());
        if (target.isEmpty()) {
            KV_LOG_INFO("open project cancelled");
            return false;
        }
    }
    d->lastOpenDir = QFileInfo(target).absolutePath();
    const QString file = d->resolveForOpen(target);
    KvProjectData data;
    if (file.isEmpty() || !d->readForOpen(file, &data)) {
        KV_LOG_ERROR("Open Project failed: %s", KV_CSTR(d->lastProblem.logText()));
        KV_LOG_INFO("%s", KV_CSTR(KvOpenProjectEvent(target, false).toString()));
        return false;
    }
    if (!discardUnsaved && !d->settleUnsaved())
        return false;
    d->manager()->createProject(data, file, false);
    KV_LOG_INFO("%s", KV_CSTR(KvOpenProjectEvent(file, true).toString()));
    d->reportMissingEffects(data);
    return true;
}

bool FProjectDocProxy::openProjectTemplate(const QString &templatePath, const QString &name)
{
    if (d->busy) {
        KV_LOG_ERROR("open project template ignored: another project operation is running");
        return false;
    }
    const FProjectDocOperation operation = d->operation();
    return d->openTemplate(templatePath, name);
}

bool FProjectDocProxy::newProject(KvProjectAspectRatioType aspect)
{
    return newProject(int(aspect));
}

bool FProjectDocProxy::newProject(int aspect)
{
    if (d->busy) {
        KV_LOG_ERROR("new project ignored: another project operation is running");
        return false;
    }
    const FProjectDocOperation operation = d->operation();
    return d->createNew(aspect);
}

FProjectDocProxy::SaveType FProjectDocProxy::saveProject()
{
    if (d->busy)
        return SaveType_Busy;
    const FProjectDocOperation operation = d->operation();
    IKvProject *project = d->current();
    return d->save(project && project->filePath().isEmpty());
}

FProjectDocProxy::SaveType FProjectDocProxy::saveAsProject()
{
    if (d->busy)
        return SaveType_Busy;
    const FProjectDocOperation operation = d->operation();
    return d->save(true);
}

bool FProjectDocProxy::archiveProject(QString &path)
{
    if (d->busy) {
        KV_LOG_ERROR("archive ignored: another project operation is running");
        return false;
    }
    const FProjectDocOperation operation = d->operation();
    IKvProject *project = d->current();
    if (!project) {
        KV_LOG_ERROR("archive: no project is open");
        return false;
    }
    KvProjectData data = project->data();
    if (data.name.isEmpty())
        data.name = tr("Untitled");
    QString target = path.trimmed();
    if (target.isEmpty()) {
        const QString folder =
            project->filePath().isEmpty() ? KvPaths::documentsDir() : QFileInfo(project->filePath()).absolutePath();
        target = d->askPath(PathRequest::ArchiveProject,
                            QDir(folder).filePath(data.name + KvProjectSuffixHelper::archiveFileDottedSuffix()),
                            tr("Korvane Project Archives (*%1)").arg(KvProjectSuffixHelper::archiveFileDottedSuffix()));
        if (target.isEmpty()) {
            KV_LOG_INFO("archive cancelled");
            return false;
        }
    }
    target = QFileInfo(KvProjectSuffixHelper::withSuffix(target, KvProjectSuffixHelper::archiveFileSuffix()))
                 .absoluteFilePath();
    path = target;
    return KvProjectArchiver::archive(data, target);
}

bool FProjectDocProxy::exit()
{
    if (d->busy) {
        KV_LOG_ERROR("exit refused: another project operation is running");
        return false;
    }
    const FProjectDocOperation operation = d->operation();
    if (!d->current())
        return true;
    if (!d->settleUnsaved())
        return false;
    d->manager()->closeProject();
    return true;
}

QString FProjectDocProxy::currentProjectPath() const
{
    IKvProject *project = d->current();
    return project ? project->filePath() : QString();
}

bool FProjectDocProxy::isBusy() const
{
    return d->busy;
}

FProjectOpenProblem FProjectDocProxy::lastOpenProblem() const
{
    return d->lastProblem;
}

void FProjectDocProxy::setCloseDecisionProvider(CloseDecisionProvider provider)
{
    d->closeDecisionProvider = std::move(provider);
}

void FProjectDocProxy::setPathProvider(PathProvider provider)
{
    d->pathProvider = std::move(provider);
}
