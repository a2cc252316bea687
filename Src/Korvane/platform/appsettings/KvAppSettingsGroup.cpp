#include "KvAppSettingsGroup.h"

#include "IKvBaseLog.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <limits>

namespace {

QJsonValue encode(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::QSize:
        return QJsonArray{value.toSize().width(), value.toSize().height()};
    default:
        return value.toString();
    }
}

bool isInt(const QJsonValue &json)
{
    const double number = json.toDouble(std::nan(""));
    return json.isDouble() && std::trunc(number) == number && number >= std::numeric_limits<int>::min()
        && number <= std::numeric_limits<int>::max();
}

// Invalid QVariant when `json` does not hold a value of `type`.
QVariant decode(const QJsonValue &json, int type)
{
    switch (type) {
    case QMetaType::Bool:
        return json.isBool() ? QVariant(json.toBool()) : QVariant();
    case QMetaType::Int:
        return isInt(json) ? QVariant(json.toInt()) : QVariant();
    case QMetaType::QSize: {
        const QJsonArray array = json.toArray();
        if (!json.isArray() || array.size() != 2 || !isInt(array.at(0)) || !isInt(array.at(1)))
            return QVariant();
        return QSize(array.at(0).toInt(), array.at(1).toInt());
    }
    case QMetaType::QString:
        return json.isString() ? QVariant(json.toString()) : QVariant();
    default:
        return QVariant();
    }
}

QByteArray jsonText(const QJsonValue &json)
{
    // A bare scalar is no JSON document: wrap it and strip the brackets again.
    const QByteArray text = QJsonDocument(QJsonArray{json}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}

} // namespace

KvAppSettingsGroup::KvAppSettingsGroup(const char *groupName, const QVector<KvAppSetting> &settings)
    : m_groupName(groupName)
    , m_settings(&settings)
{
    m_values.reserve(settings.size());
    for (int id = 0; id < settings.size(); ++id) {
        Q_ASSERT_X(settings.at(id).id == id, groupName, "settings table out of id order");
        m_values.append(settings.at(id).defaultValue);
    }
}

KvAppSettingsGroup::~KvAppSettingsGroup() = default;

KvAppSettingsGroup::KvAppSettingsGroup(const KvAppSettingsGroup &other)
    : m_groupName(other.m_groupName)
    , m_settings(other.m_settings)
{
    QReadLocker locker(&other.m_lock);
    m_values = other.m_values;
}

KvAppSettingsGroup &KvAppSettingsGroup::operator=(const KvAppSettingsGroup &other)
{
    if (this == &other)
        return *this;
    if (m_settings != other.m_settings) {
        KV_LOG_ERROR("settings %s: cannot take the values of %s", m_groupName, other.m_groupName);
        return *this;
    }
    QVector<QVariant> values;
    {
        QReadLocker locker(&other.m_lock);
        values = other.m_values;
    }
    QWriteLocker locker(&m_lock);
    m_values = values;
    return *this;
}

QVariant KvAppSettingsGroup::value(int id) const
{
    QReadLocker locker(&m_lock);
    return m_values.value(id);
}

bool KvAppSettingsGroup::setValue(int id, const QVariant &value)
{
    if (id < 0 || id >= m_settings->size()) {
        KV_LOG_ERROR("settings %s: no setting %d", m_groupName, id);
        return false;
    }
    const KvAppSetting &setting = m_settings->at(id);
    if (!accepts(setting, value)) {
        KV_LOG_ERROR("settings %s/%s: refusing %s, keeping %s", m_groupName, setting.key,
                     jsonText(encode(value)).constData(), jsonText(encode(this->value(id))).constData());
        return false;
    }
    QWriteLocker locker(&m_lock);
    m_values[id] = value;
    return true;
}

void KvAppSettingsGroup::Reset()
{
    QWriteLocker locker(&m_lock);
    for (const KvAppSetting &setting : *m_settings)
        m_values[setting.id] = setting.defaultValue;
}

QJsonObject KvAppSettingsGroup::toJson(const QJsonObject &stored) const
{
    QJsonObject object = stored;
    QReadLocker locker(&m_lock);
    for (const KvAppSetting &setting : *m_settings) {
        const QString key = QLatin1String(setting.key);
        if (m_values.at(setting.id) == setting.defaultValue)
            object.remove(key);
        else
            object.insert(key, encode(m_values.at(setting.id)));
    }
    return object;
}

void KvAppSettingsGroup::fromJson(const QJsonObject &object)
{
    QVector<QVariant> values;
    values.reserve(m_settings->size());
    for (const KvAppSetting &setting : *m_settings) {
        const QJsonValue json = object.value(QLatin1String(setting.key));
        const QVariant value = decode(json, setting.defaultValue.userType());
        if (json.isUndefined()) {
            values.append(setting.defaultValue);
        } else if (!accepts(setting, value)) {
            KV_LOG_ERROR("settings %s/%s: stored value %s is not valid, using the default %s", m_groupName,
                         setting.key, jsonText(json).constData(), jsonText(encode(setting.defaultValue)).constData());
            values.append(setting.defaultValue);
        } else {
            values.append(value);
        }
    }
    QWriteLocker locker(&m_lock);
    m_values = values;
}

bool KvAppSettingsGroup::accepts(const KvAppSetting &setting, const QVariant &value) const
{
    return value.isValid() && value.userType() == setting.defaultValue.userType()
        && (!setting.isValid || setting.isValid(value));
}
