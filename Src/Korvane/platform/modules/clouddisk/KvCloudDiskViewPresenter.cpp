#include "KvCloudDiskViewPresenter.h"

#include "IKvBaseLog.h"
#include "KvConfig.h"
#include "KvNetwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

// The same bound the start-tip download has: a share server that stalls
// half-way is given up, not waited for.
int g_downloadTimeoutMs = 90000;

const QString kPartSuffix = QStringLiteral(".part");

} // namespace

KvCloudDiskViewPresenter::KvCloudDiskViewPresenter(QObject *parent)
    : QObject(parent)
    , m_network(new KvNetwork(this))
{
    connect(m_network, &KvNetwork::sigDownloadFinished, this, &KvCloudDiskViewPresenter::finished);
    connect(m_network, &KvNetwork::sigTimeout, m_network, &KvNetwork::cancelAll);
}

KvCloudDiskViewPresenter::~KvCloudDiskViewPresenter()
{
    if (m_kind != None)
        QFile::remove(m_target + kPartSuffix);
}

void KvCloudDiskViewPresenter::setDownloadTimeout(int milliseconds)
{
    g_downloadTimeoutMs = milliseconds;
}

int KvCloudDiskViewPresenter::downloadTimeout()
{
    return g_downloadTimeoutMs;
}

QString KvCloudDiskViewPresenter::freePath(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString candidate = path;
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = info.dir().filePath(QStringLiteral("%1 (%2)%3").arg(info.completeBaseName()).arg(n).arg(suffix));
    return candidate;
}

bool KvCloudDiskViewPresenter::downloadShareProject(const QString &shareId, const QString &targetPath)
{
    return start(Project, shareId, targetPath);
}

bool KvCloudDiskViewPresenter::downloadShareProjectArchive(const QString &shareId, const QString &targetPath)
{
    return start(Archive, shareId, targetPath);
}

bool KvCloudDiskViewPresenter::downloadShareProjectTemplate(const QString &shareId, const QString &fileName,
                                                            const QString &folder)
{
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'))
        || fileName.startsWith(QLatin1Char('.'))) {
        KV_LOG_ERROR("share template %s: unusable file name \"%s\"", KV_CSTR(shareId), KV_CSTR(fileName));
        return refuse(tr("The shared project template has no usable name."));
    }
    return start(Template, shareId, QDir(folder).filePath(fileName));
}

bool KvCloudDiskViewPresenter::refuse(const QString &message)
{
    emit sigShareDownloadFailed(message);
    return false;
}

bool KvCloudDiskViewPresenter::start(Kind kind, const QString &shareId, const QString &target)
{
    if (m_kind != None) {
        KV_LOG_INFO("share download of %s refused: another one runs", KV_CSTR(shareId));
        return false;
    }
    const QString server = KvConfig::Instance()->GetCBSUrl(QString::fromLatin1(kShareServerKey));
    if (server.isEmpty()) {
        KV_LOG_INFO("share download of %s: no share server configured (\"%s\")", KV_CSTR(shareId), kShareServerKey);
        return refuse(tr("No share server is configured, so the shared project cannot be downloaded."));
    }
    const QString id = QString::fromLatin1(QUrl::toPercentEncoding(shareId.trimmed()));
    QUrl url(server, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (id.isEmpty() || !url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        KV_LOG_ERROR("share download: unusable server \"%s\" or share id \"%s\"", KV_CSTR(server), KV_CSTR(shareId));
        return refuse(tr("The shared project cannot be downloaded: the share address is not valid."));
    }
    QString path = url.path(QUrl::FullyEncoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QStringLiteral("share/") + id, QUrl::StrictMode);

    m_target = target;
    if (!m_network->downloadFile(url, m_target + kPartSuffix, g_downloadTimeoutMs)) {
        QFile::remove(m_target + kPartSuffix);
        return refuse(tr("The shared project could not be downloaded. Please try again."));
    }
    m_kind = kind;
    KV_LOG_INFO("share download of %s into %s", KV_CSTR(url.toDisplayString()), KV_CSTR(m_target));
    return true;
}

void KvCloudDiskViewPresenter::finished(bool complete, const QString &partFile)
{
    const Kind kind = m_kind;
    m_kind = None;
    if (kind == None)
        return;
    QString path;
    if (complete) {
        // A template package is ours to replace; a project beside the
        // description file may be the user's own, so it is never overwritten.
        if (kind == Template)
            QFile::remove(m_target);
        path = kind == Template ? m_target : freePath(m_target);
        if (!QFile::rename(partFile, path)) {
            KV_LOG_ERROR("cannot rename %s to %s", KV_CSTR(partFile), KV_CSTR(path));
            complete = false;
        }
    }
    if (!complete) {
        QFile::remove(partFile);
        emit sigShareDownloadFailed(tr("The shared project could not be downloaded. Please try again."));
        return;
    }
    KV_LOG_INFO("share download finished: %s", KV_CSTR(path));
    emit downloadShareFinished();
    if (kind == Template)
        emit sigLocationProjectTemplate(QFileInfo(path).completeBaseName());
    else
        emit sigOpenProject(path);
}
