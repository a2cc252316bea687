#include "FLogRetrievalTask.h"

#include "FLogRetrieval.h"
#include "IKvBaseLog.h"

namespace {

// A stopped run ends within one turn of its request loop; this only guards
// against a step stuck outside any loop (a huge zip on a dead disk).
constexpr unsigned long kStopWaitMs = 30000;

} // namespace

FLogRetrievalTask::FLogRetrievalTask(QObject *parent, int mode)
    : QThread(parent)
    , m_mode(mode)
    , m_timeLimitMs(FLogRetrieval::kTimeLimitMs)
{
    setObjectName(QStringLiteral("FLogRetrievalTask"));
}

FLogRetrievalTask::~FLogRetrievalTask()
{
    KV_LOG_INFO("destroy FLogRetrievalTask");
    if (isRunning()) {
        requestInterruption();
        exit(0);
        if (!wait(kStopWaitMs)) {
            KV_LOG_ERROR("log retrieval thread did not stop, terminating it");
            terminate();
            wait();
        }
    }
    // The retrieval lives on the thread's stack frame; by now it is gone.
    KV_LOG_INFO("release m_logRetrieval");
}

void FLogRetrievalTask::run()
{
    KV_LOG_INFO("begin run");
    FLogRetrieval retrieval;
    retrieval.setTimeLimitMs(m_timeLimitMs);
    retrieval.setLogDirectory(m_logDirectory);
    retrieval.start(m_mode);
}
