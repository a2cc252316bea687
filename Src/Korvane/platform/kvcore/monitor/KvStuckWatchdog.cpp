#include "KvStuckWatchdog.h"

#include "IKvBaseLog.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

qint64 nowMs()
{
    using namespace std::chrono;
    // +1 keeps 0 free to mean "no stretch running".
    return duration_cast<milliseconds>(Clock::now().time_since_epoch()).count() + 1;
}

Clock::time_point timePointOf(qint64 ms)
{
    return Clock::time_point(std::chrono::milliseconds(ms - 1));
}

} // namespace

KvStuckWatchdog::~KvStuckWatchdog()
{
    stop();
}

void KvStuckWatchdog::open(int thresholdMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_thresholdMs = std::max(1, thresholdMs);
    // A new threshold applies from the next deadline on.
    if (m_thread.joinable())
        return;
    m_stopRequested = false;
    m_thread = std::thread([this] { run(); });
}

void KvStuckWatchdog::stop()
{
    std::thread finished;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopRequested = true;
        finished.swap(m_thread);
    }
    m_wake.notify_all();
    if (finished.joinable())
        finished.join();
}

bool KvStuckWatchdog::running()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread.joinable();
}

void KvStuckWatchdog::eventStarted(int eventType)
{
    m_events.push_back(eventType);
    m_depth.store(int(m_events.size()), std::memory_order_relaxed);
    m_innermostType.store(eventType, std::memory_order_relaxed);
    if (m_events.size() == 1)
        m_outermostType.store(eventType, std::memory_order_relaxed);
    // The first event, or the first one a waiting nested loop dispatches.
    if (!m_stretchRunning)
        beginStretch();
}

void KvStuckWatchdog::eventEnded()
{
    if (m_events.empty())
        return; // opened in the middle of an event
    m_events.pop_back();
    m_depth.store(int(m_events.size()), std::memory_order_relaxed);
    // The outer event goes on in the same stretch: a nested event ending is
    // no turn of the event loop.
    if (!m_events.empty()) {
        m_innermostType.store(m_events.back(), std::memory_order_relaxed);
        return;
    }
    if (m_stretchRunning)
        endStretch();
}

void KvStuckWatchdog::loopAwake()
{
    // A nested loop turned: what an outer event did before is over.
    if (m_events.empty())
        return;
    if (m_stretchRunning)
        endStretch();
    beginStretch();
}

void KvStuckWatchdog::loopAboutToBlock()
{
    // A nested loop waits for events: idle time, not work.
    if (m_stretchRunning)
        endStretch();
}

void KvStuckWatchdog::beginStretch()
{
    m_stretchRunning = true;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stretchStartMs = nowMs();
    ++m_stretch;
    if (m_waitingForever)
        m_wake.notify_one();
}

void KvStuckWatchdog::endStretch()
{
    m_stretchRunning = false;
    qint64 stuckMs = -1;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_reportedStretch == m_stretch) {
            stuckMs = nowMs() - m_stretchStartMs;
            // It may be waiting for this stretch to end.
            m_wake.notify_one();
        }
        m_stretchStartMs = 0;
    }
    if (stuckMs >= 0)
        KV_LOG_INFO("GUI thread running again after %lld ms", static_cast<long long>(stuckMs));
}

void KvStuckWatchdog::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopRequested) {
        if (m_stretchStartMs == 0) {
            // Idle: nothing to time until the next stretch begins.
            m_waitingForever = true;
            m_wake.wait(lock, [this] { return m_stopRequested || m_stretchStartMs != 0; });
            m_waitingForever = false;
            m_wakeups.fetch_add(1, std::memory_order_relaxed);
            continue;
        }
        const quint64 stretch = m_stretch;
        const qint64 deadline = m_stretchStartMs + m_thresholdMs;
        const qint64 now = nowMs();
        if (m_reportedStretch != stretch && now < deadline) {
            // Stretches that begin meanwhile do not wake it; it works out
            // the deadline of whichever runs when this one is due.
            m_wake.wait_until(lock, timePointOf(deadline), [this, stretch] {
                return m_stopRequested || m_stretch != stretch;
            });
            m_wakeups.fetch_add(1, std::memory_order_relaxed);
            continue;
        }
        if (m_reportedStretch != stretch && !m_suspended.load(std::memory_order_relaxed)) {
            m_reportedStretch = stretch;
            const int depth = m_depth.load(std::memory_order_relaxed);
            const int innermost = m_innermostType.load(std::memory_order_relaxed);
            const int outermost = m_outermostType.load(std::memory_order_relaxed);
            const int thresholdMs = m_thresholdMs;
            lock.unlock();
            if (depth > 1)
                KV_LOG_ERROR("GUI thread stuck for %d ms in event %d (%d events deep, the outermost %d; threshold %d ms)",
                             int(now - (deadline - thresholdMs)), innermost, depth, outermost, thresholdMs);
            else
                KV_LOG_ERROR("GUI thread stuck for %d ms in event %d (threshold %d ms)",
                             int(now - (deadline - thresholdMs)), innermost, thresholdMs);
            lock.lock();
            continue;
        }
        // Reported (or suspended): wait for the stretch to end; the GUI
        // thread wakes it then. While suspended, look again now and then in
        // case monitoring continues during the same stretch.
        const auto ended = [this, stretch] {
            return m_stopRequested || m_stretch != stretch || m_stretchStartMs == 0;
        };
        if (m_reportedStretch == stretch)
            m_wake.wait(lock, ended);
        else
            m_wake.wait_for(lock, std::chrono::milliseconds(m_thresholdMs), ended);
        m_wakeups.fetch_add(1, std::memory_order_relaxed);
    }
}
