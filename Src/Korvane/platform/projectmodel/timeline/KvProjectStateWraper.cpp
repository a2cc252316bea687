#include "KvProjectStateWraper.h"

#include "IKvBaseLog.h"

namespace {

KvProjectState g_state = psFree;

} // namespace

KvProjectStateWraper::KvProjectStateWraper(KvProjectState state)
    : m_previous(g_state)
{
    g_state = state;
    KV_LOG_INFO("setProjectState %d", int(state));
}

KvProjectStateWraper::~KvProjectStateWraper()
{
    g_state = m_previous;
    if (m_previous == psFree)
        KV_LOG_INFO("setProjectState psFree");
    else
        KV_LOG_INFO("setProjectState %d", int(m_previous));
}

KvProjectState KvProjectStateWraper::currentState()
{
    return g_state;
}
