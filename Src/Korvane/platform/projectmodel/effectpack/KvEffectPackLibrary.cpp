#include "KvEffectPackLibrary.h"

#include "IKvBaseLog.h"
#include "KvEffectPackUtility.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

QString KvEffectPackRecord::name(const QString &languageCode) const
{
    const QString base = languageCode.section(QLatin1Char('_'), 0, 0);
    for (const QString &code : {languageCode, base, QStringLiteral("en")}) {
        const QString text = names.value(code);
        if (!text.isEmpty())
            return text;
    }
    for (const QString &text : names) {
        if (!text.isEmpty())
            return text;
    }
    return QFileInfo(folder).fileName();
}

QVector<KvEffectPackRecord> KvEffectPackLibrary::reload()
{
    QVector<KvEffectPackRecord> found = scan(KvEffectPackUtility::effectPackFolders());
    QMutexLocker lock(&m_mutex);
    m_records = found;
    return found;
}

QVector<KvEffectPackRecord> KvEffectPackLibrary::records() const
{
    QMutexLocker lock(&m_mutex);
    return m_records;
}

QStringList KvEffectPackLibrary::resources() const
{
    QMutexLocker lock(&m_mutex);
    QStringList all;
    for (const KvEffectPackRecord &record : m_records)
        all << record.resources;
    return all;
}

KvEffectPackRecord KvEffectPackLibrary::removeRecord(const QString &folder)
{
    QMutexLocker lock(&m_mutex);
    for (int i = 0; i < m_records.size(); ++i) {
        if (m_records.at(i).folder == folder)
            return m_records.takeAt(i);
    }
    return {};
}

QStringList KvEffectPackLibrary::packsUsing(const QStringList &usedEffects, const QStringList &packFolders) const
{
    QSet<QString> used;
    for (const QString &effect : usedEffects)
        used.insert(effect.toCaseFolded());
    QMutexLocker lock(&m_mutex);
    QStringList packs;
    for (const QString &folder : packFolders) {
        for (const KvEffectPackRecord &record : qAsConst(m_records)) {
            if (record.folder != folder)
                continue;
            const bool inUse = std::any_of(record.resources.begin(), record.resources.end(),
                                           [&](const QString &r) { return used.contains(r.toCaseFolded()); });
            if (inUse && !packs.contains(folder))
                packs << folder;
        }
    }
    return packs;
}

QVector<KvEffectPackRecord> KvEffectPackLibrary::scan(const QStringList &effectPackFolders)
{
    QVector<KvEffectPackRecord> records;
    QSet<QString> seen;
    for (const QString &root : effectPackFolders) {
        const QFileInfoList packs = QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &pack : packs) {
            const QString folder = QDir::cleanPath(pack.absoluteFilePath());
            if (seen.contains(folder) || !QFileInfo::exists(QDir(folder).filePath("Config.json")))
                continue;
            seen.insert(folder);
            KvEffectPackRecord record;
            if (readPack(folder, &record))
                records << record;
        }
    }
    return records;
}

bool KvEffectPackLibrary::readPack(const QString &packFolder, KvEffectPackRecord *record)
{
    const QString path = QDir(packFolder).filePath("Config.json");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        KV_LOG_ERROR("effect pack \"%s\" skipped: %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        KV_LOG_ERROR("effect pack \"%s\" skipped: %s", KV_CSTR(path), KV_CSTR(error.errorString()));
        return false;
    }
    const QJsonObject config = document.object();
    record->folder = packFolder;
    const QJsonValue packId = config.value("pack_info").toObject().value("id");
    record->id = packId.isDouble() ? QString::number(packId.toInt()) : config.value("id").toString(QFileInfo(packFolder).fileName());
    const QJsonValue name = config.value("name");
    if (name.isString()) {
        record->names.insert(QStringLiteral("en"), name.toString());
    } else {
        const QJsonObject names = name.toObject();
        for (auto it = names.begin(); it != names.end(); ++it)
            record->names.insert(it.key(), it.value().toString());
    }
    for (const QJsonValue &resource : config.value("resources").toArray()) {
        if (resource.isString())
            record->resources << resource.toString();
    }
    record->size = folderSize(packFolder);
    return true;
}

qint64 KvEffectPackLibrary::folderSize(const QString &folder)
{
    qint64 size = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        size += it.fileInfo().size();
    }
    return size;
}
