#pragma once

#include "KvLazySingletonManager.h"

#include <atomic>
#include <mutex>
#include <type_traits>
#include <typeinfo>

// When a lazy singleton goes away.
enum class KvSingletonRelease {
    // By its own release() or by KvLazySingletonManager::releaseAll(), the
    // shutdown step that drops the services.
    WithAll,
    // Only by its own release(), at a step of shutdown of its own (for
    // example a channel that must stay reachable after releaseAll()).
    OwnStep,
    // Never: lives until the process ends and is not destroyed even then,
    // for objects that code running during static destruction may still use
    // (the log, the table of paths). Only for objects whose end needs no
    // clean-up beyond what the system does at exit.
    ProcessLifetime,
};

namespace KvLazySingletonDetail {
template <class T, class = void>
struct ReleaseOf : std::integral_constant<KvSingletonRelease, KvSingletonRelease::WithAll>
{
};
template <class T>
struct ReleaseOf<T, std::void_t<decltype(T::kSingletonRelease)>>
    : std::integral_constant<KvSingletonRelease, T::kSingletonRelease>
{
};
} // namespace KvLazySingletonDetail

// A process-wide object of type T, created by the first instance() call on
// any thread. The one way to make a process-wide object: the accessors that
// classes are known by (GetInstance, Instance, getInstance, Release) are thin
// wrappers around it. instance() after a release creates a fresh object.
//
// T chooses how it goes away with a member
//   static constexpr KvSingletonRelease kSingletonRelease = ...;
// (WithAll when it has none). T may keep its constructor private and befriend
// KvLazySingleton<T>.
template <class T>
class KvLazySingleton
{
    static constexpr KvSingletonRelease Policy = KvLazySingletonDetail::ReleaseOf<T>::value;

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
            if (Policy == KvSingletonRelease::WithAll)
                KvLazySingletonManager::registerInstance(&s_instance, typeid(T).name(), &KvLazySingleton::destroy);
        }
        return object;
    }

    static bool exists() { return s_instance.load(std::memory_order_acquire) != nullptr; }

    static void release()
    {
        static_assert(Policy != KvSingletonRelease::ProcessLifetime, "a process-lifetime singleton is never released");
        if (Policy == KvSingletonRelease::WithAll)
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

    // Both constant-initialised and trivially destroyed: usable before main
    // and during static destruction.
    static inline std::atomic<T *> s_instance{nullptr};
    static inline std::mutex s_mutex;
};
