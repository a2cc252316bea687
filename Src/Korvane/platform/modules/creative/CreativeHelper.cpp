#include "CreativeHelper.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvNetwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

namespace {

QString g_downloadFolder;
// Long enough for a slow line, short enough that a dead server does not hold
// the progress dialog for good.
int g_stallTimeoutMs = 60000;

const QString kPartSuffix = QStringLiteral(".part");

} // namespace

CreativeHelper::CreativeHelper(QObject *parent)
    : QObject(parent)
    , m_stallTimer(new QTimer(this))
{
    m_stallTimer->setSingleShot(true);
    connect(m_stallTimer, &QTimer::timeout, this, [this] {
        if (!m_reply)
            return;
        KV_LOG_ERROR("template download of %s stalled: nothing received for %d ms",
                     KV_CSTR(m_reply->url().toDisplayString()), g_stallTimeoutMs);
        m_stalled = true;
        m_reply->abort();
    });
}

CreativeHelper::~CreativeHelper()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    if (m_part) {
        m_part->close();
        m_part->remove();
    }
}

QString CreativeHelper::downloadFolder()
{
    if (!g_downloadFolder.isEmpty())
        return g_downloadFolder;
    const QString templates = IKvAppInfo::getInstance()->getString(KvAppInfoId::ProjectTemplateDir);
    if (!templates.isEmpty())
        return templates + QStringLiteral("/Downloaded");
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/ProjectTemplates");
}

void CreativeHelper::setDownloadFolder(const QString &folder)
{
    g_downloadFolder = folder;
}

void CreativeHelper::setStallTimeout(int milliseconds)
{
    g_stallTimeoutMs = milliseconds;
}

int CreativeHelper::stallTimeout()
{
    return g_stallTimeoutMs;
}

QString CreativeHelper::targetPath(const QString &folder, const QUrl &url, const QString &name)
{
    QString base = name;
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : base) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    base = base.trimmed();
    // A leading dot would hide the file, and ".." would leave the folder.
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    if (base.isEmpty() || folder.isEmpty())
        return QString();
    const QString suffix = QFileInfo(url.path()).suffix();
    const bool plainSuffix = !suffix.isEmpty() && suffix.size() <= 8
                             && std::all_of(suffix.begin(), suffix.end(), [](QChar c) { return c.isLetterOrNumber(); });
    if (plainSuffix && !base.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        base += QLatin1Char('.') + suffix;
    return QDir(folder).filePath(base);
}

void CreativeHelper::download(const QUrl &url, const QString &name)
{
    if (m_reply) {
        KV_LOG_INFO("template download of %s replaced by %s", KV_CSTR(m_reply->url().toDisplayString()),
                    KV_CSTR(url.toDisplayString()));
        cancel();
    }
    m_downloadedFile.clear();
    KV_LOG_INFO("template download: %s as \"%s\"", KV_CSTR(url.toDisplayString()), KV_CSTR(name));

    // A template already on this machine is used where it is.
    const QString local = url.isLocalFile() ? url.toLocalFile() : (url.scheme().isEmpty() ? url.path() : QString());
    if (!local.isEmpty()) {
        const QFileInfo info(local);
        if (!info.isFile()) {
            fail(QStringLiteral("no template file at %1").arg(local));
            return;
        }
        m_downloadedFile = info.absoluteFilePath();
        emit sigProgress(info.size(), info.size());
        finishLater();
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        fail(QStringLiteral("not a web address"));
        return;
    }
    const QString folder = downloadFolder();
    m_target = targetPath(folder, url, name);
    if (m_target.isEmpty() || !QDir().mkpath(folder)) {
        fail(QStringLiteral("no file for \"%1\" in %2").arg(name, folder));
        return;
    }
    m_part = std::make_unique<QFile>(m_target + kPartSuffix);
    if (!m_part->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QString why = m_part->errorString();
        m_part.reset();
        fail(QStringLiteral("cannot write %1: %2").arg(m_target + kPartSuffix, why));
        return;
    }
    m_writeFailed = false;
    m_stalled = false;

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = KvNetwork::GetNetManager()->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &CreativeHelper::onReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        m_stallTimer->start(g_stallTimeoutMs);
        emit sigProgress(received, total);
    });
    connect(m_reply, &QNetworkReply::finished, this, &CreativeHelper::onFinished);
    m_stallTimer->start(g_stallTimeoutMs);
}

void CreativeHelper::cancel()
{
    if (m_reply && m_reply->isRunning()) {
        KV_LOG_INFO("template download of %s cancelled", KV_CSTR(m_reply->url().toDisplayString()));
        m_reply->abort();
    }
}

void CreativeHelper::onReadyRead()
{
    m_stallTimer->start(g_stallTimeoutMs);
    const QByteArray chunk = m_reply->readAll();
    if (!m_writeFailed && m_part->write(chunk) != chunk.size()) {
        m_writeFailed = true;
        KV_LOG_ERROR("cannot write %s: %s", KV_CSTR(m_part->fileName()), KV_CSTR(m_part->errorString()));
        m_reply->abort();
    }
}

void CreativeHelper::onFinished()
{
    m_stallTimer->stop();
    QNetworkReply *reply = m_reply;
    m_reply.clear();
    if (!reply || !m_part)
        return;
    const QByteArray rest = reply->readAll();
    if (!m_writeFailed && m_part->write(rest) != rest.size())
        m_writeFailed = true;
    const bool flushed = m_part->flush();
    m_part->close();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    bool ok = reply->error() == QNetworkReply::NoError && status >= 200 && status < 300 && !m_writeFailed && flushed;
    if (!ok) {
        KV_LOG_ERROR("template download of %s failed: %s (HTTP %d)%s", KV_CSTR(reply->url().toDisplayString()),
                     KV_CSTR(reply->errorString()), status, m_stalled ? ", stalled" : "");
    }
    reply->deleteLater();
    if (ok) {
        // The new copy replaces an older download of the same template only
        // once it is complete.
        QFile::remove(m_target);
        ok = m_part->rename(m_target);
        if (!ok)
            KV_LOG_ERROR("cannot rename %s to %s: %s", KV_CSTR(m_part->fileName()), KV_CSTR(m_target),
                         KV_CSTR(m_part->errorString()));
    }
    if (!ok)
        m_part->remove();
    m_part.reset();
    m_downloadedFile = ok ? m_target : QString();
    if (ok)
        KV_LOG_INFO("template downloaded: %s", KV_CSTR(m_target));
    emit DownloadFinished();
}

void CreativeHelper::fail(const QString &why)
{
    KV_LOG_ERROR("template download failed: %s", KV_CSTR(why));
    m_downloadedFile.clear();
    finishLater();
}

void CreativeHelper::finishLater()
{
    // Never from inside download(): the caller may connect after starting.
    QTimer::singleShot(0, this, [this] {
        if (!m_reply)
            emit DownloadFinished();
    });
}
