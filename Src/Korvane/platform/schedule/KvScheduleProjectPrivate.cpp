#include "KvScheduleProjectPrivate.h"

#include "IKvBaseLog.h"
#include "IKvScheduleTask.h"
#include "KvScheduleProject.h"

#include <QThread>
#include <QThreadPool>

#include <exception>

namespace {

// The project whose task runs on this thread, so that a task waiting for its
// own project is caught instead of blocking forever.
thread_local const KvScheduleProjectPrivate *t_executing = nullptr;

QStringList namesOf(const KvScheduleGraph &graph)
{
    QStringList names;
    for (const KvScheduleGraph::Node &node : graph.nodes())
        names << node.name;
    return names;
}

} // namespace

KvScheduleProjectPrivate::KvScheduleProjectPrivate(KvScheduleProject *q, KvScheduleGraph graph)
    : q(q)
    , m_graph(std::move(graph))
    , m_names(namesOf(m_graph))
{
    m_graph.breakCycles();
    const QVector<KvScheduleGraph::Node> &nodes = m_graph.nodes();
    for (const KvScheduleGraph::Node &node : nodes) {
        node.task->setRunInMainThread(node.mainThread);
        for (int successor : node.successors) {
            node.task->addSuccessor(nodes[successor].task);
            nodes[successor].task->addPredecessor(node.task);
        }
    }
    m_pendingPredecessors.resize(nodes.size());
    m_priorities.resize(nodes.size());

    m_pool = new QThreadPool(q);
    m_maxWorkers = qMax(2, QThread::idealThreadCount());
    m_pool->setMaxThreadCount(m_maxWorkers);
}

KvScheduleProjectPrivate::~KvScheduleProjectPrivate()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_pool->waitForDone();
    for (const KvScheduleGraph::Node &node : m_graph.nodes())
        delete node.task;
}

void KvScheduleProjectPrivate::start()
{
    // A run that ended before the event loop announced it is announced now,
    // not in the middle of the next run.
    if (onOwnerThread())
        emitFinishedIfPending();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_running) {
        KV_LOG_ERROR("the project is running already; start ignored");
        return;
    }
    const QVector<KvScheduleGraph::Node> &nodes = m_graph.nodes();
    if (m_finished) {
        for (const KvScheduleGraph::Node &node : nodes)
            node.task->recycle();
    }
    m_running = true;
    m_finished = false;
    m_finishedCount = 0;
    m_elapsed.start();
    KV_LOG_TRACE("project of %d tasks begins", nodes.size());
    for (int i = 0; i < nodes.size(); ++i) {
        m_pendingPredecessors[i] = nodes[i].predecessors.size();
        m_priorities[i] = nodes[i].task->priority();
    }
    for (int i = 0; i < nodes.size(); ++i) {
        if (m_pendingPredecessors[i] == 0)
            makeReadyLocked(i);
    }
    if (nodes.isEmpty())
        finishLocked();
}

void KvScheduleProjectPrivate::waitForFinished()
{
    if (t_executing == this) {
        KV_LOG_ERROR("a task waits for its own project, which cannot finish before it; not waiting");
        return;
    }
    bool needsStart = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        needsStart = !m_running && !m_finished;
    }
    if (needsStart)
        start();

    // Only the owner thread may run main-thread tasks; any other waiter leaves
    // them to the owner's event loop.
    const bool owner = onOwnerThread();
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_finished) {
        if (owner && !m_readyMain.empty()) {
            const int index = m_readyMain.begin()->second;
            m_readyMain.erase(m_readyMain.begin());
            lock.unlock();
            execute(index);
            lock.lock();
            continue;
        }
        m_changed.wait(lock);
    }
    lock.unlock();
    if (owner)
        emitFinishedIfPending();
}

bool KvScheduleProjectPrivate::isFinished() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_finished;
}

void KvScheduleProjectPrivate::makeReadyLocked(int index)
{
    const std::pair<int, int> key{-m_priorities[index], index};
    if (m_graph.nodes()[index].mainThread) {
        m_readyMain.insert(key);
        postMainDrainLocked();
        m_changed.notify_all();
        return;
    }
    m_readyWorkers.insert(key);
    if (m_activeWorkers < m_maxWorkers) {
        ++m_activeWorkers;
        m_pool->start([this] { workerLoop(); });
    }
}

void KvScheduleProjectPrivate::postMainDrainLocked()
{
    if (m_mainDrainPosted)
        return;
    m_mainDrainPosted = true;
    // Bound to q: a project deleted before the turn comes drops the call.
    QMetaObject::invokeMethod(q, [this] { drainMainQueue(); }, Qt::QueuedConnection);
}

void KvScheduleProjectPrivate::drainMainQueue()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_mainDrainPosted = false;
    if (m_stopping || m_readyMain.empty())
        return;
    const int index = m_readyMain.begin()->second;
    m_readyMain.erase(m_readyMain.begin());
    if (!m_readyMain.empty())
        postMainDrainLocked();
    lock.unlock();
    execute(index);
    emitFinishedIfPending();
}

void KvScheduleProjectPrivate::workerLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping && !m_readyWorkers.empty()) {
        const int index = m_readyWorkers.begin()->second;
        m_readyWorkers.erase(m_readyWorkers.begin());
        lock.unlock();
        execute(index);
        lock.lock();
    }
    --m_activeWorkers;
}

void KvScheduleProjectPrivate::execute(int index)
{
    IKvScheduleTask *task = m_graph.nodes()[index].task;
    const KvScheduleProjectPrivate *outer = t_executing;
    t_executing = this;
    // A task of our own catches what its work throws; a foreign one may not.
    try {
        task->start();
    } catch (const std::exception &e) {
        KV_LOG_ERROR("task \"%s\" threw: %s", KV_CSTR(m_names[index]), e.what());
    } catch (...) {
        KV_LOG_ERROR("task \"%s\" threw an unknown exception", KV_CSTR(m_names[index]));
    }
    t_executing = outer;
    complete(index);
}

void KvScheduleProjectPrivate::complete(int index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const KvScheduleGraph::Node &node = m_graph.nodes()[index];
    for (int successor : node.successors) {
        m_graph.nodes()[successor].task->onPredecessorFinished(node.task);
        if (--m_pendingPredecessors[successor] == 0 && !m_stopping)
            makeReadyLocked(successor);
    }
    if (++m_finishedCount == m_graph.size())
        finishLocked();
}

void KvScheduleProjectPrivate::finishLocked()
{
    m_running = false;
    m_finished = true;
    m_finishedSignalPending = true;
    KV_LOG_INFO("project of %d tasks finished after %lld ms", m_graph.size(),
                static_cast<long long>(m_elapsed.elapsed()));
    m_changed.notify_all();
    QMetaObject::invokeMethod(q, [this] { emitFinishedIfPending(); }, Qt::QueuedConnection);
}

void KvScheduleProjectPrivate::emitFinishedIfPending()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_finishedSignalPending || m_stopping)
            return;
        m_finishedSignalPending = false;
    }
    emit q->sigFinished();
}

bool KvScheduleProjectPrivate::onOwnerThread() const
{
    return QThread::currentThread() == q->thread();
}
