#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The automatic backups of one project form a series in the backup folder:
//
//   <base name>_<8 hex digits>_<yyyyMMdd-HHmmss-zzz>.<kvproj|kvtpl>
//
// The base name is the project file's (or "Untitled"), the hex digits come
// from the project file's full path (or a token of the untitled project), so
// two projects of the same name never share a series. The time is UTC and
// grows from version to version, so the names sort oldest first. A project
// opened from one of its backups goes on in that backup's series.
class KvBackupVersions
{
public:
    // The series of a project: `projectPath` is empty for an untitled one,
    // which `untitledToken` (kept for that project's life) tells apart.
    static QString seriesFor(const QString &projectPath, const QString &untitledToken);
    // The series a file name belongs to; empty when it is no backup's name.
    static QString seriesOf(const QString &fileName);

    // The versions of `series` in `folder`, full paths, oldest first.
    static QStringList list(const QString &folder, const QString &series);
    // A free path for the next version, later than every existing one.
    static QString nextPath(const QString &folder, const QString &series, const QString &dottedSuffix,
                            const QDateTime &nowUtc);
    // Deletes the oldest versions so that at most `keep` (at least 1) are
    // left; `spare` (the file the project lives in) is never deleted.
    // Returns how many were deleted.
    static int prune(const QString &folder, const QString &series, int keep, const QString &spare = QString());
};
