#pragma once

#include "KvMessage.h"

// A message with a payload.
class KvDataMessage : public KvMessage
{
public:
    KvDataMessage(int code, const QVariant &data)
        : KvMessage(code)
        , m_data(data)
    {
    }

    QVariant data() const { return m_data; }
    void setData(const QVariant &data) { m_data = data; }

private:
    QVariant m_data;
};
