#include "KvProjectArchiver.h"

#include "IKvBaseLog.h"
#include "KvProjectFile.h"
#include "KvProjectSuffixHelper.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace {

constexpr qint64 kChunk = 1024 * 1024;

bool writeEntry(QuaZip &zip, const QString &name, const QByteArray &bytes)
{
    QuaZipFile out(&zip);
    if (!out.open(QIODevice::WriteOnly, QuaZipNewInfo(name)))
        return false;
    const bool ok = out.write(bytes) == bytes.size();
    out.close();
    return ok && out.getZipError() == 0;
}

bool copyFileInto(QuaZip &zip, const QString &name, const QString &sourcePath, QString *why)
{
    QFile in(sourcePath);
    if (!in.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("cannot read %1: %2").arg(sourcePath, in.errorString());
        return false;
    }
    // Media are compressed already; storing them keeps archiving fast.
    QuaZipFile out(&zip);
    if (!out.open(QIODevice::WriteOnly, QuaZipNewInfo(name, sourcePath), nullptr, 0, 0, 0)) {
        *why = QStringLiteral("cannot add %1 to the archive").arg(name);
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty()) {
            *why = QStringLiteral("cannot read %1: %2").arg(sourcePath, in.errorString());
            return false;
        }
        if (out.write(chunk) != chunk.size()) {
            *why = QStringLiteral("cannot write %1 into the archive").arg(name);
            return false;
        }
    }
    out.close();
    if (out.getZipError() != 0) {
        *why = QStringLiteral("cannot write %1 into the archive").arg(name);
        return false;
    }
    return true;
}

bool fail(const char *what, const QString &path, const QString &why, QString *error)
{
    KV_LOG_ERROR("%s \"%s\" failed: %s", what, KV_CSTR(path), KV_CSTR(why));
    if (error)
        *error = why;
    return false;
}

} // namespace

QString KvProjectArchiver::mediaListEntryName()
{
    return QStringLiteral("medialist.json");
}

QString KvProjectArchiver::projectEntryName(const KvProjectData &data)
{
    QString base = data.name;
    base.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    base = base.trimmed();
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String(".."))
        base = QStringLiteral("Untitled");
    return base
        + (data.type == KvProjectType::InstantMode ? KvProjectSuffixHelper::instantModeFileDottedSuffix()
                                                    : KvProjectSuffixHelper::projectFileDottedSuffix());
}

bool KvProjectArchiver::archive(const KvProjectData &data, const QString &zipPath, QString *error)
{
    KV_LOG_INFO("archive project \"%s\" to \"%s\" begin", KV_CSTR(data.name), KV_CSTR(zipPath));
    const QString invalid = data.validate();
    if (!invalid.isEmpty())
        return fail("archive", zipPath, invalid, error);
    const QFileInfo target(zipPath);
    if (target.isDir())
        return fail("archive", zipPath, QStringLiteral("the target is a folder"), error);

    QString partPath;
    {
        QTemporaryFile part(target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX.part")));
        part.setAutoRemove(false);
        if (!part.open())
            return fail("archive", zipPath, part.errorString(), error);
        partPath = part.fileName();
    }

    KvProjectData archived = data;
    QJsonArray mediaList;
    QString why;
    {
        QuaZip zip(partPath);
        zip.setUtf8Enabled(true);
        if (!zip.open(QuaZip::mdCreate)) {
            QFile::remove(partPath);
            return fail("archive", zipPath, QStringLiteral("cannot create the zip (error %1)").arg(zip.getZipError()), error);
        }
        for (int i = 0; i < data.mediaPaths.size() && why.isEmpty(); ++i) {
            const QString original = data.mediaPaths.at(i);
            QJsonObject entry{{QStringLiteral("index"), i}, {QStringLiteral("originalPath"), original}};
            if (QFileInfo(original).isFile()) {
                const QString name = QStringLiteral("media/%1_%2").arg(i, 3, 10, QLatin1Char('0')).arg(QFileInfo(original).fileName());
                if (copyFileInto(zip, name, original, &why)) {
                    archived.mediaPaths[i] = name;
                    entry.insert(QStringLiteral("archivedPath"), name);
                }
            } else {
                KV_LOG_INFO("medium %d \"%s\" is missing; archived by reference only", i, KV_CSTR(original));
                entry.insert(QStringLiteral("archivedPath"), QJsonValue::Null);
            }
            mediaList.append(entry);
        }
        if (why.isEmpty() && !writeEntry(zip, projectEntryName(data), KvProjectFile::serialize(archived)))
            why = QStringLiteral("cannot write the project into the archive");
        const QJsonObject list{{QStringLiteral("version"), 1}, {QStringLiteral("media"), mediaList}};
        if (why.isEmpty() && !writeEntry(zip, mediaListEntryName(), QJsonDocument(list).toJson()))
            why = QStringLiteral("cannot write the media list into the archive");
        zip.close();
        if (why.isEmpty() && zip.getZipError() != 0)
            why = QStringLiteral("cannot finish the zip (error %1)").arg(zip.getZipError());
    }
    if (why.isEmpty() && QFileInfo::exists(zipPath) && !QFile::remove(zipPath))
        why = QStringLiteral("cannot replace the existing file");
    if (why.isEmpty() && !QFile::rename(partPath, zipPath))
        why = QStringLiteral("cannot move the archive into place");
    if (!why.isEmpty()) {
        QFile::remove(partPath);
        return fail("archive", zipPath, why, error);
    }
    KV_LOG_INFO("archive project end: %d media", int(data.mediaPaths.size()));
    return true;
}

QString KvProjectArchiver::extract(const QString &zipPath, const QString &targetDir, QString *error)
{
    QuaZip zip(zipPath);
    if (!QFileInfo(zipPath).isFile() || !zip.open(QuaZip::mdUnzip)) {
        fail("extract", zipPath, QStringLiteral("not a readable zip"), error);
        return QString();
    }
    const QDir target(targetDir);
    if (!target.mkpath(QStringLiteral("."))) {
        fail("extract", zipPath, QStringLiteral("cannot create %1").arg(targetDir), error);
        return QString();
    }
    const QString root = QDir::cleanPath(target.absolutePath()) + QLatin1Char('/');
    // Check every name before writing anything.
    const QStringList names = zip.getFileNameList();
    QString project;
    for (const QString &name : names) {
        const QString destination = QDir::cleanPath(target.absoluteFilePath(name));
        if (name.isEmpty() || QDir::isAbsolutePath(name) || name.contains(QLatin1Char('\\'))
            || !destination.startsWith(root)) {
            fail("extract", zipPath, QStringLiteral("entry \"%1\" leaves the target folder").arg(name), error);
            return QString();
        }
        if (!name.contains(QLatin1Char('/')) && KvProjectSuffixHelper::isProjectFile(name) && project.isEmpty())
            project = destination;
    }
    if (project.isEmpty()) {
        fail("extract", zipPath, QStringLiteral("the archive holds no project"), error);
        return QString();
    }
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        const QString destination = QDir::cleanPath(target.absoluteFilePath(name));
        if (name.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(destination);
            continue;
        }
        QDir().mkpath(QFileInfo(destination).absolutePath());
        QuaZipFile in(&zip);
        QFile out(destination);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
            fail("extract", zipPath, QStringLiteral("cannot unpack \"%1\"").arg(name), error);
            return QString();
        }
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(kChunk);
            if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
                fail("extract", zipPath, QStringLiteral("cannot unpack \"%1\"").arg(name), error);
                return QString();
            }
        }
        in.close();
        if (in.getZipError() != 0) {
            fail("extract", zipPath, QStringLiteral("\"%1\" is damaged").arg(name), error);
            return QString();
        }
    }
    return project;
}
