#include "FAppLaunchTest.h"

#include "IKvBaseLog.h"
#include "KvConfig.h"

FAppLaunchTest::FAppLaunchTest(QObject *parent)
    : QObject(parent)
{
}

bool FAppLaunchTest::run()
{
    // The flag stays true until an orderly shutdown clears it, so finding it
    // set means the previous run ended in a crash.
    KvConfig *config = KvConfig::Instance();
    m_previousRunCrashed = config->IsAppCrashed();
    if (m_previousRunCrashed)
        KV_LOG_INFO("the previous run did not shut down in order");
    config->SetAppCrashed(true);
    KV_LOG_INFO("launch test: no checks to run");
    m_testRan = false;
    return m_testRan;
}

void FAppLaunchTest::loadCache()
{
    KV_LOG_INFO("launch test cache: nothing cached");
}

void FAppLaunchTest::setSafeMode(bool safeMode)
{
    m_safeMode = safeMode;
    KV_LOG_INFO("safe mode: %d", int(safeMode));
}
