#include "KvIPCEvent.h"

KvIPCEvent::KvIPCEvent(quint16 number, const QJsonObject &params)
    : m_number(number)
    , m_params(params)
{
}

KvIPCEvent::~KvIPCEvent() = default;
