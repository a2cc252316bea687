#include "FLowMemorySwitch.h"

#include "IKvBaseLog.h"
#include "IKvEnvManager.h"

#include <atomic>

namespace {

std::atomic<bool> g_requested{false};

} // namespace

bool FLowMemorySwitch::isMemoryLow(double totalMB, double freeMB)
{
    return totalMB < kMinTotalMB || freeMB < kMinFreeMB;
}

bool FLowMemorySwitch::onReading(const SysMemory &mem)
{
    if (g_requested || !isMemoryLow(mem.total, mem.free))
        return false;
    KV_LOG_INFO("System memory is not enough, turn to safe mode. total memory: %d, free memory: %d", int(mem.total),
                int(mem.free));
    g_requested = true;
    IKvEnvManager::getInstance()->setSafeMode(true);
    return true;
}

bool FLowMemorySwitch::requested()
{
    return g_requested;
}
