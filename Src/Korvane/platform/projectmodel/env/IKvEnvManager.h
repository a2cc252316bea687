#pragma once

#include <QStringList>

// The directory set the editor hands to the engine at start-up: fifteen
// strings and one flag, in the order the start-up code builds them.
struct KvEnvRecord
{
    static constexpr int kValueCount = 15;

    QStringList values;
    bool flag = false;
};

// The editing engine's environment: where its resources, effects and fonts
// live, and whether it runs in safe mode. getInstance() may be called from
// any thread; every operation is thread-safe.
class IKvEnvManager
{
public:
    static IKvEnvManager *getInstance();
    static void releaseInstance();

    virtual ~IKvEnvManager() = default;

    // False (and nothing kept) unless the record has exactly kValueCount values.
    virtual bool init(const KvEnvRecord &record) = 0;
    virtual void uninit() = 0;
    virtual bool isInitialized() const = 0;
    virtual KvEnvRecord record() const = 0;

    virtual void setSafeMode(bool safeMode) = 0;
    virtual bool isSafeMode() const = 0;
};
