#include "KorvaneScene.h"

#include "FCommandLineMap.h"
#include "FForwardCommand.h"
#include "FProjectDocProxy.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KorvaneMainForm.h"
#include "KorvaneMainFormPresenter.h"
#include "KorvaneTitleBarPresenter.h"
#include "KvAppSettings.h"
#include "KvCommunicatorClient.h"
#include "KvCommunicatorCommands.h"
#include "KvElapsedTimer.h"
#include "KvMessageId.h"
#include "KvProjectChangedMessage.h"
#include "KvProjectSuffixHelper.h"
#include "KvUndoRedoService.h"

#include <QCoreApplication>

KorvaneScene::KorvaneScene()
{
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    manager->setSceneMode(IKvProjectManager::SceneTimeline);
    FProjectDocProxy::instance()->setProjectSuffix(KvProjectSuffixHelper::projectFileSuffix());
    manager->bindTimeline(this);
}

KorvaneScene::~KorvaneScene()
{
    if (!IKvProjectManager::hasInstance())
        return;
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    if (m_observing)
        manager->removeObserver(this);
    manager->unbindTimeline(this);
}

KorvaneMainForm *KorvaneScene::createMainForm()
{
    if (m_mainForm)
        return m_mainForm;
    auto *presenter = new KorvaneMainFormPresenter;
    m_mainForm = new KorvaneMainForm(presenter, this);
    presenter->setParent(m_mainForm);
    addView(m_mainForm);
    IKvProjectManager::getInstance()->addObserver(this);
    m_observing = true;
    return m_mainForm;
}

KorvaneMainForm *KorvaneScene::mainForm() const
{
    return m_mainForm.data();
}

void KorvaneScene::initProject()
{
    KvElapsedTimer timer("KorvaneScene::initProject");
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    manager->reset(true);
    setUndoRedoService(manager->undoRedoService());
    const KvSaveSettings &save = KvAppSettings::GetInstance()->GetSettings().GetSaveSettings();
    manager->setAutoBackupInterval(save.GetAutoBackupProjectTime() * 60, 10);
    manager->setAutoBackupEnabled(save.GetAutoBackupProject());
    manager->setBackupProjectFile(save.GetBackupProjectFile());
}

void KorvaneScene::stop()
{
    KV_LOG_TRACE("begin");
    if (m_observing) {
        IKvProjectManager::getInstance()->removeObserver(this);
        m_observing = false;
    }
    releaseAllView();
    KV_LOG_TRACE("end");
}

void KorvaneScene::enterTimelineMode()
{
    // The project came from template mode unsaved: it can be saved at once.
    if (m_mainForm)
        emit m_mainForm->titleBarPresenter()->sigProjectChanged(true);
    IKvProject *project = IKvProjectManager::getInstance()->currentProject();
    if (!project) {
        KV_LOG_ERROR("timeline mode entered without a project");
        return;
    }
    KvProjectChangedMessage message(KvProjectChangedMessage::Opened, project);
    sendMessage(&message);
}

void KorvaneScene::callExistAppDoSomething(const QStringList &arguments)
{
    const QMap<QString, QString> map = FCommandLineMap::build(arguments);
    m_velloqHelper.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    if (!openEntry.isEmpty())
        KV_LOG_INFO("doubleClickProjectPath: %s", KV_CSTR(openEntry));
    // Kept until the scene goes so that the queued message is written out.
    m_forwardClient = std::make_unique<KvCommunicatorClient>();
    if (!m_forwardClient->ConnectToServer(FForwardCommand::ServerName))
        KV_LOG_ERROR("the running instance is not reachable on %s", KV_CSTR(FForwardCommand::ServerName));
    const FForwardCommand forward = forwardCommandFor(map, m_velloqHelper);
    m_forwardClient->SendMsg(forward.command, forward.contents, true);
}

FForwardCommand KorvaneScene::forwardCommandFor(const QMap<QString, QString> &map, const KvVelloqHelper &velloq)
{
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    if (!openEntry.isEmpty())
        return {KvCommand::OpenProject, {openEntry}};
    const QVariantMap templateMap = velloq.getPrjTemplateMap();
    if (!templateMap.isEmpty())
        return {KvCommand::OrvalaDownload,
                {templateMap.value(QStringLiteral("url")).toString(),
                 templateMap.value(QStringLiteral("name")).toString()}};
    // The running editor does not read the content; it must not be empty.
    return {KvCommand::ReopenApp, {QStringLiteral(" ")}};
}

void KorvaneScene::onProjectOpened(IKvProject *project)
{
    if (!IKvProjectManager::getInstance()->currentProject())
        return;
    KvProjectChangedMessage message(KvProjectChangedMessage::Opened, project);
    sendMessage(&message);
}

void KorvaneScene::onProjectClosed(IKvProject *project, const QString &filePath)
{
    Q_UNUSED(project)
    Q_UNUSED(filePath)
    const FPerformanceSettings &performance = KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
    IKvProjectManager *manager = IKvProjectManager::getInstance();
    if (performance.GetAutomaticallyDeleteRenderFile())
        manager->clearRenderFiles();
    if (performance.GetAutomaticallyDeleteProxy())
        manager->clearProxyFiles();
}

void KorvaneScene::onProjectModifiedChanged(IKvProject *project, bool modified)
{
    Q_UNUSED(project)
    Q_UNUSED(modified)
    KvMessage message(KvMessageId::ProjectModifiedChanged);
    sendMessage(&message);
}

void KorvaneScene::onProjectSaved(IKvProject *project, const QString &filePath)
{
    Q_UNUSED(filePath)
    KvProjectChangedMessage message(KvProjectChangedMessage::Updated, project);
    sendMessage(&message);
}
