#include "KvConfigFile.h"

#include "KvDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kFormatKey = QStringLiteral("format");
const QStringList kScopes = {QStringLiteral("user"), QStringLiteral("machine")};

// The rename is durable only once the folder entry is on disk too.
void syncDirectory(const QString &path)
{
    const QByteArray native = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool writeDurably(const QString &path, const QByteArray &bytes, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        *error = file.errorString().isEmpty() ? QStringLiteral("write failed") : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    syncDirectory(path);
    return true;
}

} // namespace

KvConfigFile::Content KvConfigFile::read(const QString &path)
{
    Content content;
    content.root = emptyRoot();
    QFile file(path);
    if (!file.exists())
        return content;
    if (!file.open(QIODevice::ReadOnly)) {
        content.status = Status::Unreadable;
        content.error = file.errorString();
        return content;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.status = Status::Unreadable;
        content.error = file.errorString();
        return content;
    }

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    QString shapeError;
    if (document.isNull()) {
        shapeError = bytes.isEmpty() ? QStringLiteral("empty file")
                                     : QStringLiteral("%1 at offset %2").arg(parseError.errorString()).arg(parseError.offset);
    } else if (!document.isObject()) {
        shapeError = QStringLiteral("the top level is not an object");
    } else if (hasValidShape(document.object(), &shapeError)) {
        content.status = Status::Ok;
        content.root = document.object();
        return content;
    }
    content.status = Status::Corrupt;
    content.bytes = bytes;
    content.error = shapeError;
    return content;
}

bool KvConfigFile::hasValidShape(const QJsonObject &root, QString *error)
{
    const QJsonValue format = root.value(kFormatKey);
    if (!format.isDouble() || format.toDouble() < 1) {
        *error = QStringLiteral("no \"format\" number");
        return false;
    }
    for (const QString &scope : kScopes) {
        const QJsonValue groups = root.value(scope);
        if (groups.isUndefined())
            continue;
        if (!groups.isObject()) {
            *error = QStringLiteral("\"%1\" is not an object").arg(scope);
            return false;
        }
        const QJsonObject object = groups.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!it.value().isObject()) {
                *error = QStringLiteral("group \"%1\" of \"%2\" is not an object").arg(it.key(), scope);
                return false;
            }
        }
    }
    return true;
}

bool KvConfigFile::write(const QString &path, const QJsonObject &root, QString *error)
{
    return writeDurably(path, QJsonDocument(root).toJson(QJsonDocument::Indented), error);
}

QString KvConfigFile::keepCorruptCopy(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = QStringLiteral("%1.corrupt-%2").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = QStringLiteral("%1.corrupt-%2-%3").arg(path, stamp).arg(n);
    if (!writeDurably(copy, bytes, error))
        return QString();
    KvDir::pruneAsideCopies(path);
    return copy;
}

QJsonObject KvConfigFile::emptyRoot()
{
    return QJsonObject{{kFormatKey, Format}};
}
