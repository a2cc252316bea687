#pragma once

#include "KvLazySingletonManager.h"

#include <atomic>
#include <mutex>
#include <typeinfo>

// A process-wide object of type T, created by the first instance() call on
// any thread and destroyed by release() or KvLazySingletonManager::releaseAll().
// instance() after a release creates a fresh object.
template <class T>
class KvLazySingleton
{
public:
    static T *instance()
    {
        T *object = s_instance.load(std::memory_order_acquire);
        if (object)
            return object;
        std::lock_guard<std::mutex> lock(s_mutex);
        object = s_instance.load(std::memory_order_relaxed);
        if (!object) {
            object = new T;
            s_instance.store(object, std::memory_order_release);
            KvLazySingletonManager::registerInstance(&s_instance, typeid(T).name(), &KvLazySingleton<T>::destroy);
        }
        return object;
    }

    static bool exists() { return s_instance.load(std::memory_order_acquire) != nullptr; }

    static void release()
    {
        KvLazySingletonManager::unregisterInstance(&s_instance);
        destroy();
    }

private:
    static void destroy()
    {
        T *object = nullptr;
        {
            std::lock_guard<std::mutex> lock(s_mutex);
            object = s_instance.exchange(nullptr, std::memory_order_acq_rel);
        }
        delete object;
    }

    static inline std::atomic<T *> s_instance{nullptr};
    static inline std::mutex s_mutex;
};
