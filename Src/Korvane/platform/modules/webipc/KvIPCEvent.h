#pragma once

#include <QJsonObject>
#include <QMetaType>
#include <QSharedPointer>

// One event of the web helper link: its number and its parameters. The
// application's events derive from it and read and write their parameters
// through typed accessors; the parameters are what travels.
class KvIPCEvent
{
public:
    explicit KvIPCEvent(quint16 number, const QJsonObject &params = QJsonObject());
    virtual ~KvIPCEvent();

    quint16 number() const { return m_number; }
    QJsonObject params() const { return m_params; }
    void setParams(const QJsonObject &params) { m_params = params; }

protected:
    void setParam(const QString &key, const QJsonValue &value) { m_params.insert(key, value); }
    QJsonValue param(const QString &key) const { return m_params.value(key); }

private:
    quint16 m_number;
    QJsonObject m_params;
};

using KvIPCEventPtr = QSharedPointer<KvIPCEvent>;
Q_DECLARE_METATYPE(KvIPCEventPtr)
