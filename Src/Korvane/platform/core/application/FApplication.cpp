#include "FApplication.h"

#include "IKvBaseLog.h"
#include "KvFileLock.h"
#include "KvPaths.h"
#include "KvSkin.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Set by prepareForwardingStart; holds the platform the process was given
// ("" when none) so a restart can put it back.
constexpr char kDisplaylessMarker[] = "KORVANE_DISPLAYLESS_FORWARD";

// Qt's own warnings end up in the editor's log instead of a console nobody reads.
void forwardQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray text = message.toUtf8();
    const char *file = context.file ? context.file : "qt";
    const char *function = context.function ? context.function : "Qt";
    switch (type) {
    case QtDebugMsg:
        GetGlobalLogInstance()->trace(file, function, context.line, "%s", text.constData());
        break;
    case QtInfoMsg:
    case QtWarningMsg:
        GetGlobalLogInstance()->info(file, function, context.line, "%s", text.constData());
        break;
    case QtCriticalMsg:
    case QtFatalMsg:
        GetGlobalLogInstance()->error(file, function, context.line, "%s", text.constData());
        break;
    }
    if (type == QtFatalMsg && g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

FApplication::FApplication(int &argc, char **argv)
    : KvApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Tessaracorp"));
}

FApplication::~FApplication() = default;

int FApplication::run()
{
    initAppLog();
    if (needSingleInstance() && !acquireInstanceLock()) {
        alreadyRun();
        unInitAppLog();
        return m_alreadyRunResult;
    }
    if (qEnvironmentVariableIsSet(kDisplaylessMarker))
        restartWithDisplay();
    if (!canRun()) {
        KV_LOG_ERROR("%s cannot run on this machine", KV_CSTR(productName()));
        releaseInstanceLock();
        unInitAppLog();
        return 1;
    }
    if (!init())
        KV_LOG_ERROR("init failed, going on with what is available");
    if (!prepareRun())
        KV_LOG_ERROR("prepareRun failed, going on with what is available");
    const int result = doRun();
    runFinished();
    unInit();
    releaseInstanceLock();
    unInitAppLog();
    return result;
}

QString FApplication::appPath()
{
    return QCoreApplication::applicationDirPath();
}

QString FApplication::appProgramDataDir()
{
    return KvPaths::userDataDir();
}

QString FApplication::appDocumentDir()
{
    return KvPaths::documentsDir();
}

void FApplication::initQueryDomainNameFunc()
{
    // Qt resolves host names itself (getaddrinfo on a worker); nothing to hook.
    KV_LOG_TRACE("host names resolved by the system resolver");
}

void FApplication::prepareForwardingStart(const QString &productName)
{
    if (!KvFileLock::isHeldByOther(instanceLockPath(productName)))
        return;
    qputenv(kDisplaylessMarker, qgetenv("QT_QPA_PLATFORM"));
    qputenv("QT_QPA_PLATFORM", "minimal");
}

void FApplication::restartWithDisplay()
{
    KV_LOG_INFO("the running instance ended before this start took over; restarting with a display");
    const QByteArray platform = qgetenv(kDisplaylessMarker);
    qunsetenv(kDisplaylessMarker);
    if (platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", platform);
    releaseInstanceLock();
    unInitAppLog();
    const QStringList arguments = QCoreApplication::arguments();
    std::vector<QByteArray> storage;
    std::vector<char *> argv;
    for (const QString &argument : arguments)
        storage.push_back(QFile::encodeName(argument));
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv("/proc/self/exe", argv.data());
    initAppLog();
    KV_LOG_ERROR("cannot restart (%s); going on without a display", std::strerror(errno));
}

QString FApplication::instanceLockPath(const QString &productName)
{
    return QDir(KvPaths::runtimeDir()).filePath(productName + QStringLiteral(".instance.lock"));
}

QString FApplication::getEffectInstallAppName()
{
    return QStringLiteral("StockyardService");
}

QString FApplication::productName() const
{
    return QCoreApplication::applicationName();
}

bool FApplication::canRun()
{
    return true;
}

bool FApplication::init()
{
    initProductInfo();
    initDirInfo();
    if (needInitSkin())
        KvSkin::instance()->applyTo(this);
    return true;
}

void FApplication::unInit()
{
}

bool FApplication::prepareRun()
{
    return true;
}

void FApplication::alreadyRun()
{
    KV_LOG_INFO("%s already run", KV_CSTR(productName()));
}

int FApplication::doRun()
{
    return exec();
}

void FApplication::runFinished()
{
}

void FApplication::initProductInfo()
{
    KV_LOG_INFO("%s %s, Qt %s, pid %lld", KV_CSTR(productFullName()), KV_CSTR(applicationVersion()), qVersion(),
                applicationPid());
}

void FApplication::initDirInfo()
{
    KV_LOG_INFO("directories: installation %s, program data %s, documents %s", KV_CSTR(appPath()),
                KV_CSTR(appProgramDataDir()), KV_CSTR(appDocumentDir()));
}

QString FApplication::productFullName() const
{
    return productName();
}

QString FApplication::logName() const
{
    return QStringLiteral("app_log");
}

bool FApplication::initAppLog()
{
    const bool opened = GetGlobalLogInstance()->open(KvPaths::logDir(), logName());
    g_previousHandler = qInstallMessageHandler(forwardQtMessage);
    if (!opened)
        KV_LOG_ERROR("cannot open the log file under %s", KV_CSTR(KvPaths::logDir()));
    return opened;
}

void FApplication::unInitAppLog()
{
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
    GetGlobalLogInstance()->close();
}

void FApplication::showSplash()
{
}

bool FApplication::needInitSkin() const
{
    return true;
}

bool FApplication::initMainAppFlag()
{
    return false;
}

bool FApplication::needSingleInstance() const
{
    return true;
}

bool FApplication::holdsInstanceLock() const
{
    return m_instanceLock && m_instanceLock->isLocked();
}

bool FApplication::acquireInstanceLock()
{
    m_instanceLock = std::make_unique<KvFileLock>(instanceLockPath(productName()));
    if (m_instanceLock->tryLock())
        return true;
    if (m_instanceLock->error() == KvFileLock::Error::HeldByOther) {
        KV_LOG_INFO("another instance holds %s", KV_CSTR(m_instanceLock->path()));
        m_instanceLock.reset();
        return false;
    }
    // Without a usable lock file nobody can hold the lock; refusing to start
    // would leave the user with no editor at all.
    KV_LOG_ERROR("single-instance lock unavailable, running anyway: %s", KV_CSTR(m_instanceLock->errorString()));
    m_instanceLock.reset();
    return true;
}

void FApplication::releaseInstanceLock()
{
    m_instanceLock.reset();
}
