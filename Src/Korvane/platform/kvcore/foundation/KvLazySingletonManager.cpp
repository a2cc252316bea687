#include "KvLazySingletonManager.h"

#include "IKvBaseLog.h"

#include <mutex>
#include <string>
#include <vector>

namespace {

struct Entry
{
    const void *key;
    std::string name;
    std::function<void()> release;
};

std::mutex &registryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<Entry> &registry()
{
    static std::vector<Entry> entries;
    return entries;
}

} // namespace

void KvLazySingletonManager::registerInstance(const void *key, const char *name, std::function<void()> release)
{
    std::lock_guard<std::mutex> lock(registryMutex());
    auto &entries = registry();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->key == key) {
            entries.erase(it);
            break;
        }
    }
    entries.push_back({key, name ? name : "", std::move(release)});
}

void KvLazySingletonManager::unregisterInstance(const void *key)
{
    std::lock_guard<std::mutex> lock(registryMutex());
    auto &entries = registry();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->key == key) {
            entries.erase(it);
            return;
        }
    }
}

void KvLazySingletonManager::releaseAll()
{
    // Each release unregisters itself, and a destructor may create or release
    // other singletons, so take one entry at a time without holding the lock.
    for (;;) {
        std::function<void()> release;
        std::string name;
        {
            std::lock_guard<std::mutex> lock(registryMutex());
            auto &entries = registry();
            if (entries.empty())
                break;
            release = std::move(entries.back().release);
            name = entries.back().name;
            entries.pop_back();
        }
        KV_LOG_TRACE("release %s", name.c_str());
        if (release)
            release();
    }
}

int KvLazySingletonManager::liveCount()
{
    std::lock_guard<std::mutex> lock(registryMutex());
    return int(registry().size());
}
