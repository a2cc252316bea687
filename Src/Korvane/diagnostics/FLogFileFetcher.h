#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// Picks the log files to upload and zips them into "Log_<mode>.zip" in the
// log folder. An archive left by an earlier run is taken as it is.
class FLogFileFetcher
{
public:
    // Archives above this size are not uploaded.
    static constexpr qint64 kMaxArchiveSize = 104857600;
    // Files modified this many calendar days ago or earlier are left out.
    static constexpr int kMaxAgeDays = 8;

    FLogFileFetcher(const QString &logDir, int mode);

    QString archivePath() const;
    // The log files an archive would take: readable, modified less than
    // kMaxAgeDays calendar days before `today`, not ending in "zip".
    QStringList candidateFiles(const QDate &today = QDate::currentDate()) const;
    // The files to upload: the archive, or none (each reason logged).
    QStringList fetch();
    // The MD5 digest (16 bytes) of the archive fetch() just wrote; empty
    // for an archive left by an earlier run.
    QByteArray archiveMd5() const { return m_archiveMd5; }
    // Removes the archive after the upload.
    void clear();

private:
    QString m_logDir;
    int m_mode;
    QByteArray m_archiveMd5;
};
