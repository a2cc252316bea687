#include "KvConfig.h"

#include "IKvBaseLog.h"
#include "KvConfigFile.h"
#include "KvFileLock.h"
#include "KvLazySingleton.h"
#include "KvPaths.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QReadWriteLock>
#include <QSettings>
#include <QVector>

#include <atomic>
#include <cmath>

namespace {

constexpr int kLockWaitMs = 2000;
const QString kStoreFileName = QStringLiteral("KvConfig.json");
const QString kIniFileName = QStringLiteral("Korvane.ini");
const QString kUrlFileName = QStringLiteral("CBSUrls.ini");
const QString kUrlSection = QStringLiteral("CBSUrl");
const QString kUserVideoLabelApiKey = QStringLiteral("UserVideoLabelApi");

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

QString scopeName(bool machineScope)
{
    return machineScope ? QStringLiteral("machine") : QStringLiteral("user");
}

// --- How each type of named setting is kept in JSON ------------------------

template <class T>
struct Codec;

template <>
struct Codec<bool>
{
    static QJsonValue toJson(bool value) { return value; }
    static bool fromJson(const QJsonValue &json, bool fallback)
    {
        if (json.isBool())
            return json.toBool();
        return json.isDouble() ? json.toDouble() != 0 : fallback;
    }
};

template <>
struct Codec<int>
{
    static QJsonValue toJson(int value) { return value; }
    static int fromJson(const QJsonValue &json, int fallback) { return json.toInt(fallback); }
};

template <>
struct Codec<qint64>
{
    static QJsonValue toJson(qint64 value) { return double(value); }
    static qint64 fromJson(const QJsonValue &json, qint64 fallback)
    {
        const double number = json.toDouble(std::nan(""));
        // Beyond 2^53 a double no longer holds every integer: not ours.
        if (std::isnan(number) || std::trunc(number) != number || std::fabs(number) > 9007199254740992.0)
            return fallback;
        return qint64(number);
    }
};

template <>
struct Codec<QString>
{
    static QJsonValue toJson(const QString &value) { return value; }
    static QString fromJson(const QJsonValue &json, const QString &fallback) { return json.toString(fallback); }
};

template <>
struct Codec<QDate>
{
    static QJsonValue toJson(const QDate &value)
    {
        return value.isValid() ? QJsonValue(value.toString(Qt::ISODate)) : QJsonValue(QJsonValue::Undefined);
    }
    static QDate fromJson(const QJsonValue &json, const QDate &fallback)
    {
        const QDate date = QDate::fromString(json.toString(), Qt::ISODate);
        return date.isValid() ? date : fallback;
    }
};

template <>
struct Codec<QDateTime>
{
    static QJsonValue toJson(const QDateTime &value)
    {
        return value.isValid() ? QJsonValue(value.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue(QJsonValue::Undefined);
    }
    static QDateTime fromJson(const QJsonValue &json, const QDateTime &fallback)
    {
        const QDateTime time = QDateTime::fromString(json.toString(), Qt::ISODateWithMs);
        return time.isValid() ? time : fallback;
    }
};

template <>
struct Codec<QSize>
{
    static QJsonValue toJson(const QSize &value)
    {
        return value.isValid() ? QJsonValue(QJsonArray{value.width(), value.height()}) : QJsonValue(QJsonValue::Undefined);
    }
    static QSize fromJson(const QJsonValue &json, const QSize &fallback)
    {
        const QJsonArray array = json.toArray();
        const QSize size(array.at(0).toInt(-1), array.at(1).toInt(-1));
        return array.size() == 2 && size.isValid() ? size : fallback;
    }
};

QJsonValue variantToJson(const QVariant &value)
{
    if (!value.isValid())
        return QJsonValue::Undefined;
    switch (value.userType()) {
    case QMetaType::QDateTime:
        return Codec<QDateTime>::toJson(value.toDateTime());
    case QMetaType::QDate:
        return Codec<QDate>::toJson(value.toDate());
    case QMetaType::QSize:
        return Codec<QSize>::toJson(value.toSize());
    case QMetaType::QByteArray:
        // JSON has no bytes; base64 keeps every byte (read back by a
        // QByteArray default).
        return QString::fromLatin1(value.toByteArray().toBase64());
    default:
        return QJsonValue::fromVariant(value);
    }
}

QVariant jsonToVariant(const QJsonValue &json, const QVariant &defaultValue)
{
    if (json.isUndefined() || json.isNull())
        return defaultValue;
    if (!defaultValue.isValid())
        return json.toVariant();
    switch (defaultValue.userType()) {
    case QMetaType::QDateTime:
        return Codec<QDateTime>::fromJson(json, defaultValue.toDateTime());
    case QMetaType::QDate:
        return Codec<QDate>::fromJson(json, defaultValue.toDate());
    case QMetaType::QSize:
        return Codec<QSize>::fromJson(json, defaultValue.toSize());
    case QMetaType::QByteArray:
        return json.isString() ? QVariant(QByteArray::fromBase64(json.toString().toLatin1())) : defaultValue;
    default:
        break;
    }
    QVariant variant = json.toVariant();
    return variant.convert(defaultValue.userType()) ? variant : defaultValue;
}

QJsonValue lookup(const QJsonObject &root, const QString &scope, const QString &group, const QString &key)
{
    return root.value(scope).toObject().value(group).toObject().value(key);
}

// Undefined removes the key (and a group or scope left empty).
void assign(QJsonObject &root, const QString &scope, const QString &group, const QString &key, const QJsonValue &value)
{
    QJsonObject groups = root.value(scope).toObject();
    QJsonObject entries = groups.value(group).toObject();
    if (value.isUndefined())
        entries.remove(key);
    else
        entries.insert(key, value);
    if (entries.isEmpty())
        groups.remove(group);
    else
        groups.insert(group, entries);
    if (groups.isEmpty())
        root.remove(scope);
    else
        root.insert(scope, groups);
}

} // namespace

class KvConfigPrivate : public std::enable_shared_from_this<KvConfigPrivate>
{
public:
    KvConfigPrivate(const QString &file, const QString &applicationDir)
        : storeFile(file)
        , applicationDir(applicationDir)
    {
    }

    bool load();
    QJsonValue read(const QString &scope, const QString &group, const QString &key) const;
    bool write(const QString &scope, const QString &group, const QString &key, const QJsonValue &value);
    bool flush();
    void watchApplication();

    struct Change
    {
        QString scope;
        QString group;
        QString key;
        QJsonValue value;
    };

    const QString storeFile;
    const QString applicationDir;
    mutable QReadWriteLock lock;
    QJsonObject root = KvConfigFile::emptyRoot();
    // Set in `root` but not yet on disk, in the order they were set.
    QVector<Change> pending;
    bool flushPosted = false;
    std::atomic<int> diskWrites{0};
    // Digest of the corrupt contents already reported, so that a write
    // finding the same bytes does not report them twice.
    QByteArray reportedCorruptDigest;
    QMetaObject::Connection quitConnection;

    std::atomic<bool> openFXPopupExists{false};
    std::atomic<bool> templateGuidanceNoNeedShowThisRun{false};

private:
    bool writeLocked();
};

namespace {
// Once the application's event loop has quit no turn ends any more: from
// then on every value is written at once, whichever store it goes to.
std::atomic<bool> s_eventLoopOver{false};

bool writeAtOnce()
{
    return s_eventLoopOver.load() || !QCoreApplication::instance() || QCoreApplication::closingDown();
}
} // namespace

bool KvConfigPrivate::load()
{
    flush();
    KvConfigFile::Content content = KvConfigFile::read(storeFile);
    QWriteLocker locker(&lock);
    root = content.root;
    switch (content.status) {
    case KvConfigFile::Status::Ok:
    case KvConfigFile::Status::Missing:
        return true;
    case KvConfigFile::Status::Corrupt:
        KV_LOG_ERROR("configuration %s is corrupt (%s): using the defaults; the file is copied aside before it is next written",
                     KV_CSTR(storeFile), KV_CSTR(content.error));
        reportedCorruptDigest = digest(content.bytes);
        return false;
    case KvConfigFile::Status::Unreadable:
        KV_LOG_ERROR("cannot read configuration %s (%s): using the defaults", KV_CSTR(storeFile), KV_CSTR(content.error));
        return false;
    }
    return false;
}

void KvConfigPrivate::watchApplication()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    std::weak_ptr<KvConfigPrivate> weak = shared_from_this();
    // Emitted on the GUI thread once exec() has returned; no context object,
    // so it runs whatever thread made the store. Disconnected by ~KvConfig.
    quitConnection = QObject::connect(app, &QCoreApplication::aboutToQuit, [weak] {
        s_eventLoopOver.store(true);
        if (const std::shared_ptr<KvConfigPrivate> self = weak.lock())
            self->flush();
    });
}

QJsonValue KvConfigPrivate::read(const QString &scope, const QString &group, const QString &key) const
{
    QReadLocker locker(&lock);
    return lookup(root, scope, group, key);
}

bool KvConfigPrivate::write(const QString &scope, const QString &group, const QString &key, const QJsonValue &value)
{
    QWriteLocker locker(&lock);
    if (lookup(root, scope, group, key) == value)
        return true;
    assign(root, scope, group, key, value);
    pending.append({scope, group, key, value});
    if (writeAtOnce())
        return writeLocked();
    if (!flushPosted) {
        flushPosted = true;
        std::weak_ptr<KvConfigPrivate> weak = shared_from_this();
        // To the GUI thread's queue, from whichever thread set the value: it
        // runs when the current turn of the event loop is over.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [weak] {
                if (const std::shared_ptr<KvConfigPrivate> self = weak.lock())
                    self->flush();
            },
            Qt::QueuedConnection);
    }
    return true;
}

bool KvConfigPrivate::flush()
{
    QWriteLocker locker(&lock);
    return writeLocked();
}

bool KvConfigPrivate::writeLocked()
{
    flushPosted = false;
    if (pending.isEmpty())
        return true;
    const QVector<Change> changes = pending;
    pending.clear();

    KvFileLock fileLock(storeFile + QStringLiteral(".lock"));
    if (!fileLock.tryLock(kLockWaitMs))
        KV_LOG_ERROR("%s: writing %s without the lock", KV_CSTR(fileLock.errorString()), KV_CSTR(storeFile));

    // Other processes may have written since this one read the file.
    KvConfigFile::Content disk = KvConfigFile::read(storeFile);
    switch (disk.status) {
    case KvConfigFile::Status::Ok: {
        root = disk.root;
        for (const Change &change : changes)
            assign(root, change.scope, change.group, change.key, change.value);
        if (root == disk.root)
            return true; // the file has every value already
        break;
    }
    case KvConfigFile::Status::Missing:
        if (root == KvConfigFile::emptyRoot())
            return true; // nothing to keep, nothing to write
        break;
    case KvConfigFile::Status::Corrupt: {
        if (digest(disk.bytes) != reportedCorruptDigest)
            KV_LOG_ERROR("configuration %s is corrupt (%s)", KV_CSTR(storeFile), KV_CSTR(disk.error));
        QString error;
        const QString copy = KvConfigFile::keepCorruptCopy(storeFile, disk.bytes, &error);
        if (copy.isEmpty()) {
            KV_LOG_ERROR("cannot copy the corrupt configuration %s aside (%s): not replacing it",
                         KV_CSTR(storeFile), KV_CSTR(error));
            reportedCorruptDigest = digest(disk.bytes);
            return false;
        }
        KV_LOG_INFO("corrupt configuration kept as %s", KV_CSTR(copy));
        reportedCorruptDigest.clear();
        break;
    }
    case KvConfigFile::Status::Unreadable:
        KV_LOG_ERROR("cannot read configuration %s (%s): not replacing it", KV_CSTR(storeFile), KV_CSTR(disk.error));
        return false;
    }

    QString error;
    if (!KvConfigFile::write(storeFile, root, &error)) {
        KV_LOG_ERROR("cannot write configuration %s: %s", KV_CSTR(storeFile), KV_CSTR(error));
        return false;
    }
    ++diskWrites;
    return true;
}

// ---------------------------------------------------------------------------

KvConfig *KvConfig::Instance()
{
    return KvLazySingleton<KvConfig>::instance();
}

KvConfig::KvConfig(const QString &storeFile, const QString &applicationDir)
    : d(std::make_shared<KvConfigPrivate>(
          storeFile.isEmpty() ? QDir(KvPaths::userConfigDir()).filePath(kStoreFileName) : storeFile, applicationDir))
{
    d->load();
    d->watchApplication();
}

KvConfig::~KvConfig()
{
    QObject::disconnect(d->quitConnection);
    d->flush();
}

bool KvConfig::reload()
{
    return d->load();
}

bool KvConfig::flush()
{
    return d->flush();
}

int KvConfig::diskWriteCount() const
{
    return d->diskWrites.load();
}

QString KvConfig::storeFile() const
{
    return d->storeFile;
}

QVariant KvConfig::GetAppValue(const QString &group, const QString &key, bool machineScope,
                               const QVariant &defaultValue) const
{
    return jsonToVariant(d->read(scopeName(machineScope), group, key), defaultValue);
}

bool KvConfig::SetAppValue(const QString &group, const QString &key, const QVariant &value, bool machineScope)
{
    return d->write(scopeName(machineScope), group, key, variantToJson(value));
}

template <class T>
T KvConfig::value(const KvConfigSetting<T> &setting, const QString &keySuffix) const
{
    const QJsonValue json = d->read(scopeName(false), KvConfigSettings::Group, QLatin1String(setting.key) + keySuffix);
    return json.isUndefined() ? setting.defaultValue : Codec<T>::fromJson(json, setting.defaultValue);
}

template <class T>
bool KvConfig::setValue(const KvConfigSetting<T> &setting, const T &value, const QString &keySuffix)
{
    return d->write(scopeName(false), KvConfigSettings::Group, QLatin1String(setting.key) + keySuffix,
                    Codec<T>::toJson(value));
}

// The types a named setting may have.
template bool KvConfig::value(const KvConfigSetting<bool> &, const QString &) const;
template int KvConfig::value(const KvConfigSetting<int> &, const QString &) const;
template qint64 KvConfig::value(const KvConfigSetting<qint64> &, const QString &) const;
template QString KvConfig::value(const KvConfigSetting<QString> &, const QString &) const;
template QDate KvConfig::value(const KvConfigSetting<QDate> &, const QString &) const;
template QDateTime KvConfig::value(const KvConfigSetting<QDateTime> &, const QString &) const;
template QSize KvConfig::value(const KvConfigSetting<QSize> &, const QString &) const;
template bool KvConfig::setValue(const KvConfigSetting<bool> &, const bool &, const QString &);
template bool KvConfig::setValue(const KvConfigSetting<int> &, const int &, const QString &);
template bool KvConfig::setValue(const KvConfigSetting<qint64> &, const qint64 &, const QString &);
template bool KvConfig::setValue(const KvConfigSetting<QString> &, const QString &, const QString &);
template bool KvConfig::setValue(const KvConfigSetting<QDate> &, const QDate &, const QString &);
template bool KvConfig::setValue(const KvConfigSetting<QDateTime> &, const QDateTime &, const QString &);
template bool KvConfig::setValue(const KvConfigSetting<QSize> &, const QSize &, const QString &);

QString KvConfig::GetKorvaneDirectory() const
{
    return KvPaths::userDataDir();
}

QString KvConfig::GetKorvaneConfigFile() const
{
    return QFileInfo(d->storeFile).dir().filePath(kIniFileName);
}

QString KvConfig::GetCBSUrl(const QString &pageKey) const
{
    if (pageKey.isEmpty())
        return QString();
    const QString applicationDir =
        d->applicationDir.isEmpty() ? QCoreApplication::applicationDirPath() : d->applicationDir;
    const QStringList files = {QFileInfo(d->storeFile).dir().filePath(kUrlFileName),
                               QDir(applicationDir).filePath(QStringLiteral("configs/") + kUrlFileName)};
    for (const QString &file : files) {
        if (!QFileInfo::exists(file))
            continue;
        QSettings ini(file, QSettings::IniFormat);
        if (ini.status() != QSettings::NoError) {
            KV_LOG_ERROR("cannot read web addresses from %s", KV_CSTR(file));
            continue;
        }
        const QVariant url = ini.value(kUrlSection + QLatin1Char('/') + pageKey);
        if (!url.isValid())
            continue;
        // An unquoted ',' makes QSettings split the address.
        return url.userType() == QMetaType::QStringList ? url.toStringList().join(QLatin1Char(',')) : url.toString();
    }
    return QString();
}

QString KvConfig::GetUserVideoLabelApiUrl() const
{
    return GetCBSUrl(kUserVideoLabelApiKey);
}

QDateTime KvConfig::GetKorvaneFirstUsedDateTime()
{
    QDateTime first = value(KvConfigSettings::KorvaneFirstUsedDateTime);
    if (!first.isValid()) {
        first = QDateTime::currentDateTimeUtc();
        setValue(KvConfigSettings::KorvaneFirstUsedDateTime, first);
    }
    return first;
}

bool KvConfig::getMainFormSizeConfig(int &width, int &height) const
{
    const QSize size = value(KvConfigSettings::MainFormSize);
    if (!size.isValid())
        return false;
    width = size.width();
    height = size.height();
    return true;
}

bool KvConfig::existOpenFXPopup() const
{
    return d->openFXPopupExists.load();
}

void KvConfig::setOpenFXPopupExist(bool exists)
{
    d->openFXPopupExists.store(exists);
}

bool KvConfig::IsProjectTemplateGuidanceNoNeedShowThisRun() const
{
    return d->templateGuidanceNoNeedShowThisRun.load();
}

void KvConfig::SetProjectTemplateGuidanceNoNeedShowThisRun(bool noNeed)
{
    d->templateGuidanceNoNeedShowThisRun.store(noNeed);
}
