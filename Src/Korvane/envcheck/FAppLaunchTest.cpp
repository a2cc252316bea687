#include "FAppLaunchTest.h"

#include "IKvBaseLog.h"

FAppLaunchTest::FAppLaunchTest(QObject *parent)
    : QObject(parent)
{
}

bool FAppLaunchTest::run()
{
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
