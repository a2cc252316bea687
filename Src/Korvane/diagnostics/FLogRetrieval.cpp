#include "FLogRetrieval.h"

#include "FLogRequestChains.h"
#include "FLogUploadChian.h"
#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvConfig.h"
#include "KvPaths.h"

#include <QCoreApplication>
#include <QSettings>
#include <QThread>
#include <QTimer>

FLogRetrieval::FLogRetrieval(QObject *parent)
    : QObject(parent)
    , m_limitTimer(new QTimer(this))
{
    m_limitTimer->setSingleShot(true);
    connect(m_limitTimer, &QTimer::timeout, this, &FLogRetrieval::onTimeLimit);
}

FLogRetrieval::~FLogRetrieval()
{
    KV_LOG_INFO("destroy FLogRetrieval:%d", m_state);
}

QString FLogRetrieval::logDirectory() const
{
    if (!m_logDirectory.isEmpty())
        return m_logDirectory;
    const QString configured = IKvAppInfo::getInstance()->getString(KvAppInfoId::LogDir);
    return configured.isEmpty() ? KvPaths::logDir() : configured;
}

bool FLogRetrieval::isStopped() const
{
    if (m_timedOut || m_deadline.hasExpired())
        return true;
    QThread *thread = QThread::currentThread();
    return thread->isInterruptionRequested();
}

void FLogRetrieval::start(int mode)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        KV_LOG_ERROR("log retrieval must run on a worker thread");
        return;
    }
    if (mode == 2) {
        QSettings ini(KvConfig::Instance()->GetKorvaneConfigFile(), QSettings::IniFormat);
        if (!ini.value(QStringLiteral("LogRetrieval/flashback"), false).toBool()) {
            KV_LOG_INFO("flashback retrieval no longer requested");
            return;
        }
    }
    m_deadline.setRemainingTime(m_timeLimitMs);
    m_limitTimer->start(m_timeLimitMs);

    auto *token = new FUserAccessTokenChain(this);
    auto *whitelist = new FUserWhiteListChain(this);
    auto *credential = new FOssCredentialChain(this);
    auto *upload = new FLogUploadChian(this);
    token->setNext(whitelist);
    whitelist->setNext(credential);
    credential->setNext(upload);
    token->setContext(std::make_shared<FLogRetrievalContext>(mode));
    token->ChianRequest();

    m_limitTimer->stop();
    if (m_timedOut || m_deadline.hasExpired())
        KV_LOG_ERROR("log retrieval stopped at its %d ms limit", m_timeLimitMs);
}

void FLogRetrieval::onTimeLimit()
{
    m_timedOut = true;
    // Ends the blocking request in progress: its local event loop is this
    // thread's, and every later one returns at once.
    QThread::currentThread()->exit(0);
}
