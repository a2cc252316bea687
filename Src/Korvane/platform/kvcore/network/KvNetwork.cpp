#include "KvNetwork.h"

#include "IKvBaseLog.h"
#include "KvLazySingleton.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QPointer>
#include <QThread>
#include <QThreadStorage>
#include <QTimer>

#include <limits>
#include <memory>
#include <mutex>

namespace {

// The GUI thread's manager; shutdown releases it at its own step, after the
// services that may still send requests.
struct GuiNetworkManager
{
    static constexpr KvSingletonRelease kSingletonRelease = KvSingletonRelease::OwnStep;
    QNetworkAccessManager manager;
};

// Other threads' managers live and die with their thread.
QThreadStorage<QNetworkAccessManager *> s_threadManagers;

// Qt 5's QNetworkAccessManager creates the process's network configuration
// manager, whose generic bearer engine polls the network interfaces from a
// timer every 10 s for as long as the process runs: an idle editor would
// wake for it. Nothing here uses bearer management (sessions, roaming,
// networkAccessible), so the poll interval is pushed out of reach before the
// first manager exists; the variable is read once, when polling starts. A
// negative value would also stop it but makes Qt warn on standard error. A
// value the user set in the environment wins.
void keepBearerManagementQuiet()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (!qEnvironmentVariableIsSet(KvNetwork::kBearerPollVariable))
            qputenv(KvNetwork::kBearerPollVariable, QByteArray::number(std::numeric_limits<int>::max()));
    });
}

bool onGuiThread()
{
    QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

struct KvNetwork::Download
{
    QPointer<QNetworkReply> reply;
    std::unique_ptr<QFile> file;
    QTimer *timer = nullptr;
    bool writeFailed = false;
};

QNetworkAccessManager *KvNetwork::GetNetManager()
{
    keepBearerManagementQuiet();
    if (onGuiThread())
        return &KvLazySingleton<GuiNetworkManager>::instance()->manager;
    if (!QCoreApplication::instance())
        KV_LOG_ERROR("network manager asked for before the application exists");
    if (!s_threadManagers.hasLocalData())
        s_threadManagers.setLocalData(new QNetworkAccessManager);
    return s_threadManagers.localData();
}

void KvNetwork::ReleaseManeger()
{
    if (!onGuiThread()) {
        KV_LOG_ERROR("the GUI thread's network manager can only be released on the GUI thread");
        return;
    }
    KvLazySingleton<GuiNetworkManager>::release();
}

bool KvNetwork::IsNetworkDeviceValid()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &device : interfaces) {
        const auto flags = device.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
            && !flags.testFlag(QNetworkInterface::IsLoopBack) && !device.addressEntries().isEmpty())
            return true;
    }
    return false;
}

KvNetwork::KvNetwork(QObject *parent)
    : QObject(parent)
{
}

KvNetwork::~KvNetwork()
{
    // Nobody listens any more: drop the replies without reporting.
    const QList<Download *> downloads = m_downloads;
    m_downloads.clear();
    for (Download *download : downloads) {
        if (download->reply) {
            download->reply->disconnect(this);
            download->reply->abort();
            download->reply->deleteLater();
        }
        delete download;
    }
}

bool KvNetwork::downloadFile(const QUrl &url, const QString &fileName, int timeoutMs)
{
    if (!url.isValid() || url.isRelative()) {
        KV_LOG_ERROR("cannot download \"%s\": not an address", KV_CSTR(url.toString()));
        return false;
    }
    auto file = std::make_unique<QFile>(fileName);
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        KV_LOG_ERROR("cannot download into %s: %s", KV_CSTR(fileName), KV_CSTR(file->errorString()));
        return false;
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    auto *download = new Download;
    download->file = std::move(file);
    download->reply = GetNetManager()->get(request);
    m_downloads.append(download);
    QNetworkReply *reply = download->reply;

    connect(reply, &QNetworkReply::readyRead, this, [download, reply] {
        const QByteArray chunk = reply->readAll();
        if (!download->writeFailed && download->file->write(chunk) != chunk.size()) {
            download->writeFailed = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    if (timeoutMs > 0) {
        download->timer = new QTimer(this);
        download->timer->setSingleShot(true);
        connect(download->timer, &QTimer::timeout, this, [this, reply] {
            KV_LOG_ERROR("download of %s timed out", KV_CSTR(reply->url().toString()));
            emit sigTimeout();
            if (reply->isRunning())
                reply->abort();
        });
        download->timer->start(timeoutMs);
    }
    return true;
}

void KvNetwork::cancelAll()
{
    const QList<Download *> downloads = m_downloads;
    for (Download *download : downloads) {
        if (download->reply && download->reply->isRunning())
            download->reply->abort();
    }
}

void KvNetwork::finish(QNetworkReply *reply)
{
    Download *download = nullptr;
    for (Download *candidate : qAsConst(m_downloads)) {
        if (candidate->reply == reply)
            download = candidate;
    }
    if (!download)
        return;
    m_downloads.removeOne(download);

    const QByteArray rest = reply->readAll();
    if (!download->writeFailed && download->file->write(rest) != rest.size())
        download->writeFailed = true;
    const bool flushed = download->file->flush();
    download->file->close();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = reply->error() == QNetworkReply::NoError && status >= 200 && status < 300
                    && !download->writeFailed && flushed;
    if (!ok) {
        KV_LOG_ERROR("download of %s failed: %s (HTTP %d)%s", KV_CSTR(reply->url().toString()),
                     KV_CSTR(reply->errorString()), status, download->writeFailed ? ", cannot write the file" : "");
    }
    const QString fileName = download->file->fileName();
    delete download->timer;
    delete download;
    reply->deleteLater();
    emit sigDownloadFinished(ok, fileName);
}
