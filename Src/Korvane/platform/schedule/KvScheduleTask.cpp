#include "KvScheduleTask.h"

#include "IKvBaseLog.h"

#include <QElapsedTimer>

#include <exception>

namespace {

const char *stateName(KvScheduleTaskState state)
{
    switch (state) {
    case KvScheduleTaskState::Waiting:
        return "waiting";
    case KvScheduleTaskState::Ready:
        return "ready";
    case KvScheduleTaskState::Running:
        return "running";
    case KvScheduleTaskState::Finished:
        return "finished";
    }
    return "unknown";
}

} // namespace

KvScheduleTask::KvScheduleTask(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
    setObjectName(name);
}

KvScheduleTask::~KvScheduleTask() = default;

bool KvScheduleTask::run()
{
    return true;
}

void KvScheduleTask::start()
{
    bool mainThread = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state != KvScheduleTaskState::Ready) {
            KV_LOG_ERROR("task \"%s\" not started: it is %s", KV_CSTR(m_name), stateName(m_state));
            return;
        }
        m_state = KvScheduleTaskState::Running;
        mainThread = m_runInMainThread;
    }

    KV_LOG_TRACE("task \"%s\" begin%s", KV_CSTR(m_name), mainThread ? " (main thread)" : "");
    QElapsedTimer timer;
    timer.start();
    try {
        if (!run())
            KV_LOG_ERROR("task \"%s\" failed", KV_CSTR(m_name));
    } catch (const std::exception &e) {
        KV_LOG_ERROR("task \"%s\" threw: %s", KV_CSTR(m_name), e.what());
    } catch (...) {
        KV_LOG_ERROR("task \"%s\" threw an unknown exception", KV_CSTR(m_name));
    }
    KV_LOG_TRACE("task \"%s\" end after %lld ms", KV_CSTR(m_name), static_cast<long long>(timer.elapsed()));

    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = KvScheduleTaskState::Finished;
}

bool KvScheduleTask::isRunning() const
{
    return getCurrentState() == KvScheduleTaskState::Running;
}

bool KvScheduleTask::isFinished() const
{
    return getCurrentState() == KvScheduleTaskState::Finished;
}

void KvScheduleTask::addPredecessor(IKvScheduleTask *task)
{
    if (!task || task == this)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_predecessors.insert(task);
    updateReadinessLocked();
}

void KvScheduleTask::removePredecessor(IKvScheduleTask *task)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_predecessors.remove(task);
    m_finishedPredecessors.remove(task);
    updateReadinessLocked();
}

void KvScheduleTask::addSuccessor(IKvScheduleTask *task)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (task && task != this && !m_successors.contains(task))
        m_successors.append(task);
}

void KvScheduleTask::onPredecessorFinished(IKvScheduleTask *task)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_predecessors.contains(task))
        return;
    m_finishedPredecessors.insert(task);
    updateReadinessLocked();
}

void KvScheduleTask::recycle()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_state == KvScheduleTaskState::Running) {
        KV_LOG_ERROR("task \"%s\" cannot be recycled while it runs", KV_CSTR(m_name));
        return;
    }
    m_finishedPredecessors.clear();
    m_state = KvScheduleTaskState::Waiting;
    updateReadinessLocked();
}

KvScheduleTaskState KvScheduleTask::getCurrentState() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

QString KvScheduleTask::name() const
{
    return m_name;
}

void KvScheduleTask::setFunction(std::function<bool()> function)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_function = std::move(function);
}

void KvScheduleTask::setRunInMainThread(bool mainThread)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_runInMainThread = mainThread;
}

void KvScheduleTask::setPriority(int priority)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_priority = priority;
}

int KvScheduleTask::priority() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_priority;
}

bool KvScheduleTask::isRunInMainThread() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_runInMainThread;
}

QList<IKvScheduleTask *> KvScheduleTask::successors() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_successors;
}

std::function<bool()> KvScheduleTask::function() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_function;
}

void KvScheduleTask::updateReadinessLocked()
{
    if (m_state != KvScheduleTaskState::Waiting && m_state != KvScheduleTaskState::Ready)
        return;
    m_state = m_finishedPredecessors.size() == m_predecessors.size() ? KvScheduleTaskState::Ready
                                                                     : KvScheduleTaskState::Waiting;
}
