#pragma once

#include <QString>
#include <QVariantMap>

// One tracking event: a name and its fields, sent with
// KvEventTrackingProxy::sendEvent.
class KvTrackEvent
{
public:
    explicit KvTrackEvent(const QString &name)
        : m_name(name)
    {
    }
    virtual ~KvTrackEvent() = default;

    QString name() const { return m_name; }
    QVariantMap fields() const { return m_fields; }
    void setField(const QString &key, const QVariant &value) { m_fields.insert(key, value); }
    // Hands the event to the process's tracking proxy.
    void sendEvent() const;

private:
    QString m_name;
    QVariantMap m_fields;
};
