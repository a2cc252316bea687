#include "FThirdPartyCloud.h"

#include "IKvBaseLog.h"
#include "KvNetwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>

namespace {
// No manage dialog exists on this platform, so it always "closes" unless a
// test says otherwise.
std::atomic<bool> g_closeResult{true};
// A link that neither answers nor ends is given up after this long.
constexpr int kDownloadTimeoutMs = 120000;
} // namespace

FThirdPartyCloud::FThirdPartyCloud()
    : m_network(new KvNetwork(this))
{
    connect(m_network, &KvNetwork::sigDownloadFinished, this, &FThirdPartyCloud::finished);
}

FThirdPartyCloud::~FThirdPartyCloud() = default;

bool FThirdPartyCloud::closeCloudDiskManageDialog()
{
    const bool closed = g_closeResult;
    if (!closed)
        KV_LOG_INFO("cloud import dialog refuses to close");
    return closed;
}

void FThirdPartyCloud::setCloseResultForTest(bool result)
{
    g_closeResult = result;
}

void FThirdPartyCloud::setDownloadFileStorePath(const QString &folder)
{
    instance()->setDownloadFolder(folder);
}

void FThirdPartyCloud::setDownloadFolder(const QString &folder)
{
    m_folder = folder;
}

QString FThirdPartyCloud::fileNameFor(const QUrl &url)
{
    QString name = url.fileName(QUrl::FullyDecoded);
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("download") : name;
}

QString FThirdPartyCloud::freePath(const QString &name) const
{
    const QDir dir(m_folder);
    const QFileInfo info(name);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString path = dir.filePath(name);
    for (int n = 1; QFileInfo::exists(path) || m_pending.contains(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix));
    return path;
}

bool FThirdPartyCloud::download(const QUrl &url)
{
    const auto refuse = [&](const QString &reason) {
        KV_LOG_INFO("cloud download of %s not started: %s", KV_CSTR(url.toDisplayString()), KV_CSTR(reason));
        emit sigDownloadFailed(url, reason);
        return false;
    };
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return refuse(tr("The link is not a web address."));
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return refuse(tr("The download folder \"%1\" cannot be created.").arg(QDir::toNativeSeparators(m_folder)));
    const QString path = freePath(fileNameFor(url));
    m_pending.insert(path, url);
    if (!m_network->downloadFile(url, path, kDownloadTimeoutMs)) {
        m_pending.remove(path);
        return refuse(tr("The download could not start."));
    }
    KV_LOG_INFO("cloud download of %s into %s", KV_CSTR(url.toDisplayString()), KV_CSTR(path));
    return true;
}

void FThirdPartyCloud::finished(bool complete, const QString &path)
{
    const QUrl url = m_pending.take(path);
    if (complete) {
        KV_LOG_INFO("cloud download finished: %s", KV_CSTR(path));
        emit sigDownloadFinished(path);
        return;
    }
    // A part of a file is no file: nothing half-written stays behind.
    QFile::remove(path);
    KV_LOG_INFO("cloud download of %s failed", KV_CSTR(url.toDisplayString()));
    emit sigDownloadFailed(url, tr("The file could not be downloaded."));
}
