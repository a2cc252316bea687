#include "FProductHomePagePresenter.h"

#include "FHomeTemplateItem.h"
#include "IKvAccountService.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "IKvProjectRecentManager.h"
#include "KvAppInfoId.h"
#include "KvConfig.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent>

namespace {

struct StarterTemplate
{
    const char *name;
    int width;
    int height;
};

// Written into an empty template folder so that a new installation has
// templates to offer.
const StarterTemplate kStarterTemplates[] = {
    {"Vertical Story", 1080, 1920},
    {"Widescreen Vlog", 1920, 1080},
    {"Square Post", 1080, 1080},
};

QFileInfoList templateFiles(const QString &folder)
{
    return QDir(folder).entryInfoList({QLatin1String("*") + KvProjectSuffixHelper::instantModeFileDottedSuffix()},
                                      QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
}

// Only into an empty folder: templates the user deleted stay deleted as long
// as any other remains.
void writeStarterTemplates(const QString &folder)
{
    if (!QDir().mkpath(folder)) {
        KV_LOG_ERROR("cannot create the project template folder %s", KV_CSTR(folder));
        return;
    }
    for (const StarterTemplate &starter : kStarterTemplates) {
        KvProjectData data;
        data.name = QString::fromLatin1(starter.name);
        data.type = KvProjectType::InstantMode;
        data.settings.width = starter.width;
        data.settings.height = starter.height;
        const QString path = QDir(folder).filePath(data.name + KvProjectSuffixHelper::instantModeFileDottedSuffix());
        QString error;
        if (!KvProjectFile::write(path, data, &error))
            KV_LOG_ERROR("cannot write the starter template %s: %s", KV_CSTR(path), KV_CSTR(error));
    }
}

} // namespace

FProductHomePagePresenter::FProductHomePagePresenter(QObject *parent)
    : QObject(parent)
{
    const IKvAccountService *account = IKvAccountService::getInstance();
    if (account->isLoggedIn())
        m_userId = account->currentUser().userId;
    connect(IKvProjectRecentManager::getInstance(), &IKvProjectRecentManager::sigRecentListChanged, this,
            &FProductHomePagePresenter::sigRecentListChanged);
    loadTemplates();
}

FProductHomePagePresenter::~FProductHomePagePresenter()
{
    for (QFuture<QList<TemplateFile>> &job : m_templateJobs)
        job.waitForFinished();
}



QString FProductHomePagePresenter::toolName(int index)
{
    switch (index) {
    case ScreenRecorderTool:
        return tr("Screen Recorder");
    case AutoCaptionsTool:
        return tr("Auto Captions");
    case SilenceDetectionTool:
        return tr("Silence Detection");
    case AIPortraitTool:
        return tr("AI Portrait");
    case SpeedRampTool:
        return tr("Speed Ramp");
    default:
        return QString();
    }
}

QList<KvProjectRecentInfo> FProductHomePagePresenter::recentProjects() const
{
    return IKvProjectRecentManager::getInstance()->recentList();
}

QString FProductHomePagePresenter::userDisplayName() const
{
    if (m_userId.isEmpty())
        return QString();
    const IKvAccountService *account = IKvAccountService::getInstance();
    const IKvAccountService::KvAccountUser user = account->currentUser();
    if (account->isLoggedIn() && user.userId == m_userId && !user.userName.isEmpty())
        return user.userName;
    return m_userId;
}

void FProductHomePagePresenter::newProject()
{
    KV_LOG_INFO("new project from the start page");
    emit sigOpenNormalProject(QString());
}

bool FProductHomePagePresenter::openProjectFile(const QString &path)
{
    if (path.isEmpty()) {
        KV_LOG_ERROR("start page: open without a path");
        return false;
    }
    if (KvProjectSuffixHelper::isInstantModeFile(path)) {
        KV_LOG_INFO("start page opens template project %s", KV_CSTR(path));
        emit sigOpenTemplateProject(path);
        return true;
    }
    if (KvProjectSuffixHelper::isProjectFile(path)) {
        KV_LOG_INFO("start page opens project %s", KV_CSTR(path));
        emit sigOpenNormalProject(path);
        return true;
    }
    KV_LOG_ERROR("start page: %s is not a project file", KV_CSTR(path));
    return false;
}

bool FProductHomePagePresenter::openRecentProject(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        KV_LOG_ERROR("recent project does not exist: %s", KV_CSTR(path));
        return false;
    }
    return openProjectFile(path);
}

bool FProductHomePagePresenter::clickTool(int index)
{
    if (index < 0 || index >= ToolCount) {
        KV_LOG_ERROR("start page: no tool %d", index);
        return false;
    }
    KV_LOG_INFO("start page tool %d", index);
    emit sigToolClicked(index);
    return true;
}

void FProductHomePagePresenter::useTemplate(FHomeTemplateItem *item)
{
    if (!item || !m_templates.contains(item)) {
        KV_LOG_ERROR("start page: use of an unknown template");
        return;
    }
    KV_LOG_INFO("start page uses template %s", KV_CSTR(item->name()));
    emit sigUseTemplate(item, item->templatePath(), item->name());
}

void FProductHomePagePresenter::seeAllTemplates(FHomeTemplateItem *item)
{
    if (!item || !m_templates.contains(item)) {
        KV_LOG_ERROR("start page: see-all of an unknown template");
        return;
    }
    emit sigTemplateSeeAll(item);
}

void FProductHomePagePresenter::accountClicked()
{
    emit sigLogin();
}

void FProductHomePagePresenter::logoutClicked()
{
    if (m_userId.isEmpty())
        return;
    emit sigLogout();
}

void FProductHomePagePresenter::checkForUpdate()
{
    // 2: asked for by the user.
    emit sigCheckUpgrade(2);
}

void FProductHomePagePresenter::openTutorials()
{
    const QString url = KvConfig::Instance()->GetCBSUrl(QStringLiteral("Tutorials"));
    emit sigOpenOrvala(url.isEmpty() ? QStringLiteral("about:blank") : url);
}

void FProductHomePagePresenter::searchEffects(const QString &keyword)
{
    const QString trimmed = keyword.trimmed();
    if (trimmed.isEmpty()) {
        browseEffects();
        return;
    }
    emit sigOpenMediaFolderAndSearch(kEffectCategory, -1, trimmed);
}

void FProductHomePagePresenter::browseEffects()
{
    emit sigOpenMediaFolder(kEffectCategory, 0);
}

void FProductHomePagePresenter::refreshInstantModeEntry()
{
    KV_LOG_INFO("start page: refresh the template entry");
    loadTemplates();
}

void FProductHomePagePresenter::setUserId(const QString &userId)
{
    if (userId == m_userId)
        return;
    m_userId = userId;
    emit sigUserChanged();
}

void FProductHomePagePresenter::reloadRecentList()
{
    IKvProjectRecentManager::getInstance()->reload();
    // Files may have come or gone even when the list itself did not change.
    emit sigRecentListChanged();
}

QList<FProductHomePagePresenter::TemplateFile> FProductHomePagePresenter::readTemplateFolder(const QString &folder)
{
    QFileInfoList files = templateFiles(folder);
    if (files.isEmpty()) {
        writeStarterTemplates(folder);
        files = templateFiles(folder);
    }
    QList<TemplateFile> found;
    for (const QFileInfo &file : qAsConst(files)) {
        if (found.size() >= kMaxTemplates)
            break;
        KvProjectData data;
        if (KvProjectFile::read(file.absoluteFilePath(), &data) != KvProjectFile::ReadResult::Ok)
            continue; // logged by the reader; a broken file is not offered
        found << TemplateFile{file.completeBaseName(), file.absoluteFilePath(),
                              QSize(data.settings.width, data.settings.height)};
    }
    return found;
}

void FProductHomePagePresenter::loadTemplates()
{
    const QString folder = IKvAppInfo::getInstance()->getString(KvAppInfoId::ProjectTemplateDir);
    if (folder.isEmpty()) {
        KV_LOG_ERROR("the project template folder is not known; no templates on the start page");
        setTemplates({});
        return;
    }
    // Templates are project files of any size: they are read on a worker,
    // and only the latest request is shown.
    const int request = ++m_templateRequest;
    m_templatesPending = true;
    for (int i = m_templateJobs.size() - 1; i >= 0; --i) {
        if (m_templateJobs.at(i).isFinished())
            m_templateJobs.removeAt(i);
    }
    const QFuture<QList<TemplateFile>> job = QtConcurrent::run(&FProductHomePagePresenter::readTemplateFolder, folder);
    m_templateJobs << job;
    auto *watcher = new QFutureWatcher<QList<TemplateFile>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request] {
        watcher->deleteLater();
        if (request == m_templateRequest)
            setTemplates(watcher->result());
    });
    watcher->setFuture(job);
}

void FProductHomePagePresenter::setTemplates(const QList<TemplateFile> &files)
{
    m_templatesPending = false;
    // Cards and queued signals may still point at the old items.
    for (FHomeTemplateItem *item : qAsConst(m_templates))
        item->deleteLater();
    m_templates.clear();
    for (const TemplateFile &file : files)
        m_templates << new FHomeTemplateItem(file.name, file.path, file.frameSize, this);
    emit sigTemplatesChanged();
}
