#include "FLogRetrievalTask.h"

#include "IKvBaseLog.h"

FLogRetrievalTask::FLogRetrievalTask(QObject *parent, int mode)
    : QThread(parent)
    , m_mode(mode)
{
    setObjectName(QStringLiteral("FLogRetrievalTask"));
}

void FLogRetrievalTask::run()
{
    KV_LOG_INFO("log retrieval (mode %d): no retrieval requested", m_mode);
}
