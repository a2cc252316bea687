#include "FTcPushWorker.h"

#include "IKvAppInfo.h"
#include "KvAppInfoId.h"

FTcPushWorker::FTcPushWorker(QObject *parent)
    : QObject(parent)
{
}

void FTcPushWorker::onNotifyTCIDReport()
{
    // The application information service is the one identity source safe
    // to read from this thread.
    m_push.reportClientId(IKvAppInfo::getInstance()->getString(KvAppInfoId::ClientId));
}

void FTcPushWorker::onNotifyTCIDReponse(int code, int subCode, bool flag)
{
    m_push.handleResponse(code, subCode, flag);
}
