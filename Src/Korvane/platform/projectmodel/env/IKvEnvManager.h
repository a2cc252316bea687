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

    // The font component: finds the font files of the installation and of the
    // user's font folder; returns how many there are.
    virtual int loadFonts() = 0;
    virtual QStringList fontFiles() const = 0;
    // The decoder component. Decoding happens in the engine process; this
    // side only learns which media kinds it may offer.
    virtual bool initDecoder() = 0;

    virtual void setSafeMode(bool safeMode) = 0;
    virtual bool isSafeMode() const = 0;
};
