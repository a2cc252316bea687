#include "IKvProjectRecentManager.h"

#include "IKvBaseLog.h"
#include "KvDir.h"
#include "KvLazySingleton.h"
#include "KvPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

namespace {

constexpr int kFileVersion = 1;
// Twenty entries with the longest paths the system allows fit several times
// over; a larger file was not written by this list and is set aside unread.
constexpr qint64 kMaxFileSize = 1024 * 1024;

// The spelling under which a file is listed: links and "." / ".." resolved
// while the file exists, a cleaned absolute path otherwise.
QString canonicalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

class KvProjectRecentManager final : public IKvProjectRecentManager
{
public:
    KvProjectRecentManager() { load(); }

    QList<KvProjectRecentInfo> recentList(bool existingOnly) const override
    {
        if (!existingOnly)
            return m_list;
        QList<KvProjectRecentInfo> existing;
        for (const KvProjectRecentInfo &info : m_list) {
            if (info.exists())
                existing << info;
        }
        return existing;
    }

    void add(const QString &path, KvProjectType type) override
    {
        if (path.isEmpty()) {
            KV_LOG_ERROR("empty path not added to the recent projects");
            return;
        }
        const QString key = canonicalPath(path);
        const QFileInfo info(key);
        const QDateTime modified = info.exists() ? info.lastModified().toUTC() : QDateTime::currentDateTimeUtc();
        removeKey(key);
        m_list.prepend(KvProjectRecentInfo(key, type, modified));
        while (m_list.size() > kMaxCount)
            m_list.removeLast();
        changed();
    }

    bool remove(const QString &path) override
    {
        if (!removeKey(canonicalPath(path)))
            return false;
        changed();
        return true;
    }

    void clear() override
    {
        if (m_list.isEmpty())
            return;
        m_list.clear();
        changed();
    }

    void setUserId(const QString &userId) override
    {
        if (userId == m_userId)
            return;
        m_userId = userId;
        reload();
    }

    QString userId() const override { return m_userId; }

    void reload() override
    {
        const QList<KvProjectRecentInfo> before = m_list;
        load();
        if (m_list != before)
            emit sigRecentListChanged();
    }

    int fileReadCount() const override { return m_readCount; }

    QString storagePath() const override
    {
        QString name = QStringLiteral("recentProjects.json");
        if (!m_userId.isEmpty()) {
            // User ids are not file names; a digest is.
            const QByteArray digest = QCryptographicHash::hash(m_userId.toUtf8(), QCryptographicHash::Sha1).toHex();
            name = QStringLiteral("recentProjects_%1.json").arg(QString::fromLatin1(digest.left(16)));
        }
        return QDir(KvPaths::userDataDir()).filePath(name);
    }

private:
    bool removeKey(const QString &key)
    {
        const int before = m_list.size();
        for (int i = m_list.size() - 1; i >= 0; --i) {
            // A stored path may have become a link to the same file since.
            if (m_list.at(i).getPath() == key || canonicalPath(m_list.at(i).getPath()) == key)
                m_list.removeAt(i);
        }
        return m_list.size() != before;
    }

    void changed()
    {
        save();
        emit sigRecentListChanged();
    }

    void load()
    {
        m_list.clear();
        const QString path = storagePath();
        QFile file(path);
        if (!file.exists())
            return;
        ++m_readCount;
        QString why;
        QJsonDocument doc;
        if (file.size() > kMaxFileSize) {
            why = QStringLiteral("%1 bytes").arg(file.size());
        } else if (!file.open(QIODevice::ReadOnly)) {
            // Not damaged, only out of reach: leave it for the next start.
            KV_LOG_ERROR("cannot read the recent projects \"%s\": %s", KV_CSTR(path), KV_CSTR(file.errorString()));
            return;
        } else {
            QJsonParseError error;
            doc = QJsonDocument::fromJson(file.readAll(), &error);
            file.close();
            if (error.error != QJsonParseError::NoError)
                why = error.errorString();
        }
        const QJsonObject root = doc.object();
        if (why.isEmpty() && (!doc.isObject() || !root.value(QLatin1String("projects")).isArray()))
            why = QStringLiteral("no project list");
        if (why.isEmpty() && root.value(QLatin1String("version")).toInt(0) != kFileVersion)
            why = QStringLiteral("unknown version %1").arg(root.value(QLatin1String("version")).toVariant().toString());
        if (!why.isEmpty()) {
            setAside(path, why);
            return;
        }
        const QJsonArray projects = root.value(QLatin1String("projects")).toArray();
        QSet<QString> listed;
        for (int i = 0; i < projects.size() && m_list.size() < kMaxCount; ++i) {
            const QJsonObject entry = projects.at(i).toObject();
            const QString entryPath = entry.value(QLatin1String("path")).toString();
            const int type = entry.value(QLatin1String("type")).toInt(-1);
            if (entryPath.isEmpty() || type < int(KvProjectType::Normal) || type > int(KvProjectType::InstantMode)) {
                KV_LOG_ERROR("recent projects: skipping a damaged entry in \"%s\"", KV_CSTR(path));
                continue;
            }
            // A hand-edited file may repeat a project or exceed the cap; paths
            // past the cap are never resolved.
            const QString key = canonicalPath(entryPath);
            if (listed.contains(key))
                continue;
            listed.insert(key);
            const QDateTime time =
                QDateTime::fromString(entry.value(QLatin1String("modifyTime")).toString(), Qt::ISODateWithMs);
            m_list << KvProjectRecentInfo(key, KvProjectType(type), time);
        }
    }

    // Moved, not copied: a copy would leave the damaged file in place to be
    // found, and copied again, at the next start.
    void setAside(const QString &path, const QString &why)
    {
        QString error;
        const QString aside = KvDir::moveAside(path, &error);
        if (aside.isEmpty()) {
            KV_LOG_ERROR("recent projects \"%s\" unreadable (%s); starting empty, could not move it aside: %s",
                         KV_CSTR(path), KV_CSTR(why), KV_CSTR(error));
            return;
        }
        KV_LOG_ERROR("recent projects \"%s\" unreadable (%s); starting empty, moved to \"%s\"", KV_CSTR(path),
                     KV_CSTR(why), KV_CSTR(aside));
    }

    void save() const
    {
        const QString path = storagePath();
        QJsonArray projects;
        for (const KvProjectRecentInfo &info : m_list) {
            projects.append(QJsonObject{{QStringLiteral("path"), info.getPath()},
                                        {QStringLiteral("type"), int(info.getType())},
                                        {QStringLiteral("modifyTime"), info.getModifyTime().toUTC().toString(Qt::ISODateWithMs)}});
        }
        const QJsonObject root{{QStringLiteral("version"), kFileVersion}, {QStringLiteral("projects"), projects}};
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        const QByteArray bytes = QJsonDocument(root).toJson();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            KV_LOG_ERROR("cannot write the recent projects \"%s\": %s", KV_CSTR(path), KV_CSTR(file.errorString()));
    }

    QList<KvProjectRecentInfo> m_list;
    QString m_userId;
    int m_readCount = 0;
};

} // namespace

IKvProjectRecentManager *IKvProjectRecentManager::getInstance()
{
    return KvLazySingleton<KvProjectRecentManager>::instance();
}

void IKvProjectRecentManager::releaseInstance()
{
    KvLazySingleton<KvProjectRecentManager>::release();
}
