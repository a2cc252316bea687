#include "KvCloudDisk.h"

#include "IKvBaseLog.h"
#include "KvCloudDiskView.h"
#include "KvCloudDiskViewPresenter.h"

KvCloudDisk *getCloudDisk()
{
    static KvCloudDisk disk;
    return &disk;
}

KvCloudDisk::KvCloudDisk() = default;

KvCloudDisk::~KvCloudDisk() = default;

void KvCloudDisk::configure(int productId, const QString &clientId, const QString &clientKey, const QString &logFile)
{
    Q_UNUSED(clientKey)
    QMutexLocker locker(&m_mutex);
    m_configured = true;
    m_logFile = logFile;
    KV_LOG_INFO("cloud storage configured: product %d, client %s, log %s", productId, KV_CSTR(clientId),
                KV_CSTR(logFile));
}

bool KvCloudDisk::isConfigured() const
{
    QMutexLocker locker(&m_mutex);
    return m_configured;
}

QString KvCloudDisk::logFile() const
{
    QMutexLocker locker(&m_mutex);
    return m_logFile;
}

void KvCloudDisk::openView(QWidget *parent)
{
    if (m_view && m_view->isVisible()) {
        // Moving to another page: the old page may be about to go away.
        if (m_view->parentWidget() != parent) {
            m_view->setParent(parent, Qt::Window);
            m_view->show();
        }
        m_view->raise();
        return;
    }
    // A hidden view has been closed and waits for its deletion.
    KV_LOG_INFO("open cloud storage view");
    m_view = new KvCloudDiskView(parent);
    m_view->setUserName(userName());
    m_view->show();
}

bool KvCloudDisk::isViewOpen() const
{
    return m_view && m_view->isVisible();
}

void KvCloudDisk::closeView()
{
    if (!m_view)
        return;
    KV_LOG_INFO("close cloud storage view");
    // Closing deletes the view later; a new openView() must not revive it.
    KvCloudDiskView *view = m_view;
    m_view.clear();
    view->close();
}

bool KvCloudDisk::isBusy() const
{
    QMutexLocker locker(&m_mutex);
    return m_busy;
}

void KvCloudDisk::setBusyForTest(bool busy)
{
    QMutexLocker locker(&m_mutex);
    m_busy = busy;
}

void KvCloudDisk::reload()
{
    QString user;
    {
        QMutexLocker locker(&m_mutex);
        ++m_reloadCount;
        user = m_userName;
    }
    KV_LOG_INFO("cloud storage reload for \"%s\": no storage to read", KV_CSTR(user));
}

int KvCloudDisk::reloadCount() const
{
    QMutexLocker locker(&m_mutex);
    return m_reloadCount;
}

void KvCloudDisk::setUserInfo(const QString &appName, const QString &version, const QString &language,
                              const QString &userName)
{
    KV_LOG_INFO("cloud storage user: app %s %s, language %s, user \"%s\"", KV_CSTR(appName), KV_CSTR(version),
                KV_CSTR(language), KV_CSTR(userName));
    {
        QMutexLocker locker(&m_mutex);
        m_userName = userName;
    }
    if (m_view)
        m_view->setUserName(userName);
}

QString KvCloudDisk::userName() const
{
    QMutexLocker locker(&m_mutex);
    return m_userName;
}

KvCloudDiskViewPresenter *KvCloudDisk::viewPresenter()
{
    if (!m_presenter)
        m_presenter = std::make_unique<KvCloudDiskViewPresenter>();
    return m_presenter.get();
}
