#include "KvFlagUtility.h"

#include <atomic>

namespace {
std::atomic<bool> s_isMainApp{false};
}

void KvFlagUtility::setIsMainAppFlag(bool isMainApp)
{
    s_isMainApp.store(isMainApp);
}

bool KvFlagUtility::isMainAppFlag()
{
    return s_isMainApp.load();
}
