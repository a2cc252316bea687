#include "KvConfigFile.h"

#include "KvDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

const QString kFormatKey = QStringLiteral("format");
const QStringList kScopes = {QStringLiteral("user"), QStringLiteral("machine")};

// One sync per write, of the new contents before they replace the old: a
// reader or a crash, power cut included, then sees the old file or the whole
// new one. The folder is not synced after the rename: if the rename itself
// is lost, the old file is still whole, which is all a later start needs.
bool writeDurably(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    QByteArray temporary = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                                             + QStringLiteral(".tmp-XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    bool ok = true;
    while (ok && left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        ok = written > 0;
        data += written > 0 ? written : 0;
        left -= written > 0 ? written : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temporary.constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    *error = QString::fromLocal8Bit(std::strerror(ok ? errno : savedErrno));
    ::unlink(temporary.constData());
    return false;
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
