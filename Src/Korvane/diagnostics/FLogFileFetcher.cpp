#include "FLogFileFetcher.h"

#include "IKvBaseLog.h"
#include "KvQuaZip.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

FLogFileFetcher::FLogFileFetcher(const QString &logDir, int mode)
    : m_logDir(logDir)
    , m_mode(mode)
{
}

QString FLogFileFetcher::archivePath() const
{
    return QDir(m_logDir).filePath(QStringLiteral("Log_%1.zip").arg(m_mode));
}

QStringList FLogFileFetcher::candidateFiles(const QDate &today) const
{
    QStringList files;
    const QFileInfoList entries =
        QDir(m_logDir).entryInfoList({QStringLiteral("*.*")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const qint64 age = entry.lastModified().date().daysTo(today);
        if (age >= kMaxAgeDays || entry.fileName().section(QLatin1Char('.'), -1) == QLatin1String("zip"))
            continue;
        files << entry.absoluteFilePath();
    }
    return files;
}

QStringList FLogFileFetcher::fetch()
{
    const QString archive = archivePath();
    m_archiveMd5.clear();
    if (!QFileInfo::exists(archive)) {
        const QStringList files = candidateFiles();
        if (files.isEmpty()) {
            KV_LOG_INFO("no log files to upload in %s", KV_CSTR(m_logDir));
            return {};
        }
        if (!KvQuaZip::compressFiles(archive, files, 0, &m_archiveMd5)) {
            KV_LOG_ERROR("compress Log files zip faild");
            return {};
        }
    }
    if (QFileInfo(archive).size() > kMaxArchiveSize) {
        KV_LOG_INFO("Log File is large than 100M, do not upload and delete direct.");
        if (!QFile::remove(archive))
            KV_LOG_ERROR("cannot remove %s", KV_CSTR(archive));
        m_archiveMd5.clear();
        return {};
    }
    return {archive};
}

void FLogFileFetcher::clear()
{
    const QString archive = archivePath();
    m_archiveMd5.clear();
    if (!QFileInfo::exists(archive)) {
        KV_LOG_INFO("Log files zip is no exsit");
        return;
    }
    if (!QFile::remove(archive))
        KV_LOG_ERROR("cannot remove %s", KV_CSTR(archive));
}
