#include "KvBackupVersions.h"

#include "IKvBaseLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

const QRegularExpression &versionPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(.+_[0-9a-f]{8})_(\\d{8}-\\d{6}-\\d{3})\\.(kvproj|kvtpl)$"));
    return pattern;
}

// A base name that is a safe file name on every system the editor knows.
QString safeBase(const QString &name)
{
    QString base = name.trimmed();
    for (QChar &c : base) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    base = base.left(60);
    return base.isEmpty() ? QStringLiteral("Untitled") : base;
}

QString shortHash(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex().left(8));
}

} // namespace

QString KvBackupVersions::seriesFor(const QString &projectPath, const QString &untitledToken)
{
    if (projectPath.isEmpty())
        return QStringLiteral("Untitled_") + shortHash(untitledToken);
    const QFileInfo info(projectPath);
    const QString own = seriesOf(info.fileName());
    if (!own.isEmpty())
        return own;
    return safeBase(info.completeBaseName()) + QLatin1Char('_') + shortHash(info.absoluteFilePath());
}

QString KvBackupVersions::seriesOf(const QString &fileName)
{
    const QRegularExpressionMatch match = versionPattern().match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

QStringList KvBackupVersions::list(const QString &folder, const QString &series)
{
    QStringList versions;
    if (series.isEmpty())
        return versions;
    const QDir dir(folder);
    // The name filter narrows the listing; the pattern decides.
    const QStringList names = dir.entryList({series + QStringLiteral("_*")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = versionPattern().match(name);
        if (match.hasMatch() && match.captured(1) == series)
            versions << dir.filePath(name);
    }
    return versions;
}

QString KvBackupVersions::nextPath(const QString &folder, const QString &series, const QString &dottedSuffix,
                                   const QDateTime &nowUtc)
{
    QDateTime stamp = nowUtc.toUTC();
    const QStringList existing = list(folder, series);
    if (!existing.isEmpty()) {
        const QString newest = versionPattern().match(QFileInfo(existing.last()).fileName()).captured(2);
        QDateTime newestStamp = QDateTime::fromString(newest, kStampFormat);
        newestStamp.setTimeSpec(Qt::UTC);
        if (newestStamp.isValid() && stamp <= newestStamp)
            stamp = newestStamp.addMSecs(1);
    }
    const QDir dir(folder);
    QString path;
    do {
        path = dir.filePath(series + QLatin1Char('_') + stamp.toString(kStampFormat) + dottedSuffix);
        stamp = stamp.addMSecs(1);
    } while (QFileInfo::exists(path));
    return path;
}

int KvBackupVersions::prune(const QString &folder, const QString &series, int keep, const QString &spare)
{
    QStringList versions = list(folder, series);
    const QString spared = spare.isEmpty() ? QString() : QFileInfo(spare).absoluteFilePath();
    int removed = 0;
    for (int i = 0; versions.size() - i > qMax(1, keep); ++i) {
        const QString path = versions.at(i);
        if (!spared.isEmpty() && QFileInfo(path).absoluteFilePath() == spared)
            continue;
        if (QFile::remove(path))
            ++removed;
        else
            KV_LOG_ERROR("old backup \"%s\" could not be deleted", KV_CSTR(path));
    }
    return removed;
}
