#include "FGpuTestCache.h"

#include "IKvBaseLog.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

FGpuTestCache::FGpuTestCache(const QString &path)
    : m_path(path)
{
}

QJsonObject FGpuTestCache::read(bool *usable) const
{
    if (usable)
        *usable = true;
    const QFileInfo info(m_path);
    if (!info.exists())
        return {};
    QFile file(m_path);
    if (info.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        KV_LOG_ERROR("pressure test cache %s is unreadable or larger than %lld bytes: GPUs are tested again",
                     KV_CSTR(m_path), kMaxFileSize);
        if (usable)
            *usable = false;
        return {};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.read(kMaxFileSize), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        KV_LOG_ERROR("pressure test cache %s is not a JSON object (%s): GPUs are tested again", KV_CSTR(m_path),
                     KV_CSTR(error.errorString()));
        if (usable)
            *usable = false;
        return {};
    }
    return document.object();
}

FGpuTestCache::Entry FGpuTestCache::entry(const QString &key) const
{
    const QJsonValue value = read().value(key);
    if (!value.isObject())
        return Entry::NotTested;
    return value.toObject().isEmpty() ? Entry::Failed : Entry::Passed;
}

QJsonObject FGpuTestCache::results() const
{
    return read();
}

bool FGpuTestCache::markFailed(const QString &key) const
{
    QJsonObject results = read();
    results.insert(key, QJsonObject());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        KV_LOG_ERROR("cannot write the pressure test cache %s: %s", KV_CSTR(m_path), KV_CSTR(file.errorString()));
        return false;
    }
    file.write(QJsonDocument(results).toJson());
    if (!file.commit()) {
        KV_LOG_ERROR("cannot write the pressure test cache %s: %s", KV_CSTR(m_path), KV_CSTR(file.errorString()));
        return false;
    }
    return true;
}
