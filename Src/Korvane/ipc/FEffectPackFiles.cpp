#include "FEffectPackFiles.h"

#include "IKvBaseLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

const QString FEffectPackFiles::kSeparator = QStringLiteral(" ^&^ ");

QString FEffectPackFiles::renamedPath(const QString &path)
{
    const QFileInfo info(path);
    const QString base = info.completeBaseName();
    const int at = base.indexOf(kSeparator);
    if (at < 0)
        return path;
    QString directory = info.path();
    if (!directory.endsWith(QLatin1Char('/')) && !directory.endsWith(QLatin1Char('\\')))
        directory += QLatin1Char('/');
    return directory + base.left(at);
}

QStringList FEffectPackFiles::renamePacks(const QStringList &paths)
{
    QStringList result;
    for (const QString &path : paths) {
        const QString target = renamedPath(path);
        if (target == path) {
            result << path;
            continue;
        }
        const bool renamed = QFileInfo(path).isDir() ? QDir().rename(path, target) : QFile::rename(path, target);
        if (renamed) {
            result << target;
        } else {
            KV_LOG_ERROR("effect pack \"%s\" not renamed to \"%s\"", KV_CSTR(path), KV_CSTR(target));
            result << path;
        }
    }
    return result;
}

int FEffectPackFiles::packId(const QString &packFolder)
{
    QFile file(QDir(packFolder).filePath(QStringLiteral("Config.json")));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QJsonDocument document = QJsonDocument::fromJson(QString::fromUtf8(file.readAll()).toUtf8());
    const QJsonValue id = document.object().value(QStringLiteral("pack_info")).toObject().value(QStringLiteral("id"));
    return id.isDouble() ? id.toInt(-1) : -1;
}
