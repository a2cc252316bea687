#include "FThirdPartyCloud.h"

#include "IKvBaseLog.h"

#include <atomic>

namespace {
// No import dialog exists on this platform, so it always "closes" unless a
// test says otherwise.
std::atomic<bool> g_closeResult{true};
} // namespace

bool FThirdPartyCloud::closeCloudDiskManageDialog()
{
    const bool closed = g_closeResult;
    if (!closed)
        KV_LOG_INFO("cloud import dialog refuses to close");
    return closed;
}

void FThirdPartyCloud::setCloseResultForTest(bool result)
{
    g_closeResult = result;
}
