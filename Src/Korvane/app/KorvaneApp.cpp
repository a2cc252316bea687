#include "KorvaneApp.h"

#include "FAppQuitEvent.h"
#include "FCommandLineMap.h"
#include "FNativeEngineInfoHelper.h"
#include "FProjectDocProxy.h"
#include "IKvAppInfo.h"
#include "KvAppInfoId.h"
#include "IKvBaseLog.h"
#include "KorvaneBootWindow.h"
#include "KvAppStuckMonitoring.h"
#include "KvCommunicatorClient.h"
#include "KvCommunicatorServer.h"
#include "KvElapsedTimer.h"
#include "KvFileLock.h"
#include "KvFlagUtility.h"
#include "KvMediaLibraryUtils.h"
#include "KvNetwork.h"
#include "KvOpenProjectEvent.h"
#include "KvUnmonitoredEventHelper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace {

const QString kServerName = QStringLiteral("NEW_SERVER_KORVANE_COMMUNICATOR_NAME");
const QString kProductName = QStringLiteral("Korvane");
const QString kFullProductName = QStringLiteral("Tessaracorp Korvane X");
const QString kVersion = QStringLiteral("11.8.1.1523");

// A second start can come while the first is still between taking its lock
// and listening; keep trying that long before giving the command up.
constexpr int kConnectPatienceMs = 3000;
constexpr int kForwardPauseMs = 200;

// The pause after sending runs an event loop rather than sleeping, so the
// socket keeps writing while this process waits to end.
void pauseWithEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

KorvaneApp::KorvaneApp(int &argc, char **argv)
    : FApplication(argc, argv)
{
    // Must be set before the first window exists.
    qputenv("QT_QPA_DISABLE_ENHANCED_MOUSE", "1");
    setApplicationName(productName());
    setApplicationVersion(kVersion);
}

KorvaneApp::~KorvaneApp()
{
    m_bootWindow.reset();
}

bool KorvaneApp::notify(QObject *receiver, QEvent *event)
{
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);
    KvUnmonitoredEventHelper::instance()->updateMonitoringState(int(event->type()));
    KvAppStuckMonitoring::start();
    const bool handled = QApplication::notify(receiver, event);
    KvAppStuckMonitoring::end();
    return handled;
}

QString KorvaneApp::productName() const
{
    return kProductName;
}

bool KorvaneApp::init()
{
    FAppQuitEvent::startTime();
    KvNetwork::GetNetManager();
    initMainAppFlag();
    FApplication::init();

    KvUnmonitoredEventHelper *unmonitored = KvUnmonitoredEventHelper::instance();
    KvAppStuckMonitoring *monitoring = KvAppStuckMonitoring::instance();
    connect(unmonitored, &KvUnmonitoredEventHelper::sigContinueMonitoring, monitoring,
            &KvAppStuckMonitoring::slotContinueMonitoring);
    connect(unmonitored, &KvUnmonitoredEventHelper::sigSuspendMonitoring, monitoring,
            &KvAppStuckMonitoring::slotSuspendMonitoring);
    connect(
        unmonitored, &KvUnmonitoredEventHelper::sigContinueMonitoring, this,
        [this] { setProperty("subevent_loop", false); }, Qt::DirectConnection);
    connect(
        unmonitored, &KvUnmonitoredEventHelper::sigSuspendMonitoring, this,
        [this] { setProperty("subevent_loop", true); }, Qt::DirectConnection);
    KvAppStuckMonitoring::openMonitoring(1000);

    KvApplication::logScreenInfo();
    initRegistryInfo();

    IKvAppInfo *appInfo = IKvAppInfo::getInstance();
    appInfo->setValue(KvAppInfoId::VideoImportFilter, KvMediaLibraryUtils::getImportVideoFilter());
    appInfo->setValue(KvAppInfoId::AudioImportFilter, KvMediaLibraryUtils::getImportAudioFilter());
    appInfo->setValue(KvAppInfoId::ImageImportFilter, KvMediaLibraryUtils::getImportImageFilter());

    if (!KvCommunicatorServer::GetInstance()->Listen(kServerName))
        KV_LOG_ERROR("cannot listen on %s: second starts will not reach this instance", KV_CSTR(kServerName));

    const QString enginePath = QDir::toNativeSeparators(
        QStringLiteral("%1/%2").arg(QCoreApplication::applicationDirPath(), QStringLiteral("Ordwick.exe")));
    FNativeEngineInfoHelper::SetProcessPath(enginePath);
    return true;
}

bool KorvaneApp::prepareRun()
{
    // Until the start-up task graph exists the steps it will schedule run here in order.
    KvElapsedTimer timer("KorvaneApp::prepareRun");
    extractArgs();
    return true;
}

void KorvaneApp::alreadyRun()
{
    KV_LOG_INFO("%s already run", KV_CSTR(productName()));
    callExistAppDoSomething();
}

KorvaneApp::ForwardCommand KorvaneApp::forwardCommandFor(const QMap<QString, QString> &map,
                                                         const KvVelloqHelper &velloq)
{
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    const QString shareEntry = map.value(FCommandLineMap::kShareKey);
    if (!openEntry.isEmpty())
        return {QStringLiteral("CMD_OPEN_PROJECT"), {openEntry}};
    const QVariantMap templateMap = velloq.getPrjTemplateMap();
    if (!templateMap.isEmpty())
        return {QStringLiteral("CMD_ORVALA_DOWNLOAD"),
                {templateMap.value(QStringLiteral("url")).toString(),
                 templateMap.value(QStringLiteral("name")).toString()}};
    if (!shareEntry.isEmpty())
        return {QStringLiteral("CMD_CLOUDDISK_SHAREINFO"), {shareEntry}};
    return {QStringLiteral("CMD_REOPEN_APP"), {QStringLiteral(" ")}};
}

void KorvaneApp::callExistAppDoSomething()
{
    const QMap<QString, QString> map = FCommandLineMap::build(arguments());
    m_velloqHelper.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    if (!openEntry.isEmpty())
        KV_LOG_INFO("doubleClickProjectPath: %s", KV_CSTR(openEntry));

    auto client = std::make_unique<KvCommunicatorClient>(nullptr);
    QElapsedTimer patience;
    patience.start();
    bool connected = client->ConnectToServer(kServerName);
    while (!connected && patience.elapsed() < kConnectPatienceMs
           && KvFileLock::isHeldByOther(instanceLockPath(productName()))) {
        pauseWithEvents(20);
        connected = client->ConnectToServer(kServerName);
    }
    if (!connected)
        KV_LOG_ERROR("the running instance is not reachable on %s", KV_CSTR(kServerName));

    const ForwardCommand forward = forwardCommandFor(map, m_velloqHelper);
    client->SendMsg(forward.command, forward.contents, true);
    pauseWithEvents(kForwardPauseMs);
    client.reset();
}

bool KorvaneApp::applyStartArgs(const QMap<QString, QString> &map, const KvVelloqHelper &velloq,
                                FProjectDocProxy *docProxy, bool checkUnsavedProject)
{
    const QString openEntry = map.value(FCommandLineMap::kOpenKey);
    if (!openEntry.isEmpty()) {
        docProxy->SetDelayLoadProjectPath(openEntry);
        KvOpenProjectEvent::isAfterLaunch = false;
        return false;
    }
    const QVariantMap templateMap = velloq.getPrjTemplateMap();
    if (templateMap.isEmpty()) {
        const QString shareEntry = map.value(FCommandLineMap::kShareKey);
        if (!shareEntry.isEmpty())
            docProxy->SetDelayLoadShareInfoPath(shareEntry);
        return checkUnsavedProject;
    }
    docProxy->SetDelayLoadPrjTemplateMap(templateMap);
    return false;
}

void KorvaneApp::extractArgs()
{
    const QMap<QString, QString> map = FCommandLineMap::build(arguments());
    m_velloqHelper.parseStartParams(map.value(FCommandLineMap::kVelloqParamKey));
    m_checkUnsavedProject =
        applyStartArgs(map, m_velloqHelper, FProjectDocProxy::instance(), m_checkUnsavedProject);
}

int KorvaneApp::runRecoveryPrompt(bool *unsavedProjectFound)
{
    // The automatic-backup prompt comes with the backup service; with no
    // backup to offer the run goes on normally.
    Q_UNUSED(unsavedProjectFound)
    KV_LOG_INFO("no automatic backup to offer");
    return 1;
}

int KorvaneApp::doRun()
{
    KV_LOG_INFO("begin");
    KV_LOG_INFO("Show dialog");
    QElapsedTimer timer;
    timer.start();
    if (m_pathNotWritable.load())
        KV_LOG_ERROR("some of the editor's folders are not writable");
    if (m_checkUnsavedProject) {
        KV_LOG_INFO("Show unsaved project dialog begin");
        const int ret = runRecoveryPrompt(&m_launchResult.unsavedProjectFound);
        KV_LOG_INFO("Show unsaved project dialog end, ret = %d", ret > 0);
    }
    const qint32 cost = qint32(timer.elapsed());
    m_userTimeMs += cost;
    KV_LOG_INFO("Show dialog, cost = %d", cost);

    m_bootWindow = std::make_unique<KorvaneBootWindow>(kFullProductName);
    m_bootWindow->show();
    const int result = exec();
    m_bootWindow.reset();
    KV_LOG_INFO("end");
    return result;
}

void KorvaneApp::runFinished()
{
    KV_LOG_INFO("runFinished Begin");
    KvCommunicatorServer::Release();
    KV_LOG_INFO("release communicator server Done");
    KvAppStuckMonitoring::closeMonitoring();
    KV_LOG_INFO("runFinished End");
}

void KorvaneApp::initDirInfo()
{
    FApplication::initDirInfo();
}

QString KorvaneApp::productFullName() const
{
    return kFullProductName;
}

QString KorvaneApp::logName() const
{
    return QStringLiteral("app_log");
}

void KorvaneApp::showSplash()
{
}

bool KorvaneApp::initMainAppFlag()
{
    KvFlagUtility::setIsMainAppFlag(true);
    return true;
}

bool KorvaneApp::needSingleInstance() const
{
    return true;
}

void KorvaneApp::initRegistryInfo()
{
    // The per-user registry values come with the working-directory set-up.
    KV_LOG_TRACE("registry value names not registered yet");
}
