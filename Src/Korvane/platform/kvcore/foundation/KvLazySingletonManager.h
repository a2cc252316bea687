#pragma once

#include <functional>

// Keeps the release function of every lazy singleton that has been created,
// so that shutdown can drop whatever is still alive in one call.
class KvLazySingletonManager
{
public:
    // Called by KvLazySingleton<T> when an instance is created. `key` is
    // unique per singleton type; registering it again replaces the entry.
    static void registerInstance(const void *key, const char *name, std::function<void()> release);
    static void unregisterInstance(const void *key);

    // Releases every live singleton, the most recently created first.
    static void releaseAll();
    static int liveCount();
};
