#include "KvScheduleProjectBuilder.h"

#include "IKvBaseLog.h"
#include "IKvScheduleTaskCratetor.h"
#include "KvDefaultScheduleTask.h"
#include "KvScheduleProject.h"

#include <QCoreApplication>
#include <QThread>

KvScheduleProjectBuilder::KvScheduleProjectBuilder(IKvScheduleTaskCratetor *creator)
    : m_creator(creator)
{
}

KvScheduleProjectBuilder::~KvScheduleProjectBuilder()
{
    for (const KvScheduleGraph::Node &node : m_graph.nodes())
        delete node.task;
}

KvScheduleProjectBuilder &KvScheduleProjectBuilder::add(const QString &name, std::function<bool()> function)
{
    IKvScheduleTask *task = m_creator ? m_creator->createTask(name, std::move(function))
                                      : new KvDefaultScheduleTask(name, std::move(function));
    if (!task) {
        KV_LOG_ERROR("no task made for \"%s\"; it is left out", KV_CSTR(name));
        m_errors << QStringLiteral("no task made for \"%1\"").arg(name);
        m_current = -1;
        m_lastAddFailed = true;
        return *this;
    }
    if (m_graph.indexOf(name) >= 0) {
        KV_LOG_ERROR("task \"%s\" added twice; orders name the first", KV_CSTR(name));
        m_errors << QStringLiteral("task \"%1\" added twice").arg(name);
    }
    m_current = m_graph.addTask(task, name, false);
    m_lastAddFailed = false;
    return *this;
}

KvScheduleProjectBuilder &KvScheduleProjectBuilder::after(const QString &name)
{
    if (hasCurrent("after"))
        m_after[m_current].append(name);
    return *this;
}

KvScheduleProjectBuilder &KvScheduleProjectBuilder::runInMainThread()
{
    if (hasCurrent("runInMainThread"))
        m_graph.setMainThread(m_current, true);
    return *this;
}

KvScheduleProjectBuilder &KvScheduleProjectBuilder::setPriority(int priority)
{
    if (hasCurrent("setPriority"))
        m_graph.nodes()[m_current].task->setPriority(priority);
    return *this;
}

KvScheduleProject *KvScheduleProjectBuilder::create(QObject *parent)
{
    // Resolved here rather than in after(), so an order may name a later task.
    const int added = m_graph.size();
    for (int successor = 0; successor < added; ++successor) {
        for (const QString &name : m_after.value(successor)) {
            int predecessor = m_graph.indexOf(name);
            if (predecessor < 0 && m_creator) {
                if (IKvScheduleTask *task = m_creator->createTaskByName(name))
                    predecessor = m_graph.addTask(task, name, false);
            }
            if (predecessor < 0) {
                KV_LOG_ERROR("task \"%s\" follows \"%s\", which is no task of the graph; the order is ignored",
                             KV_CSTR(m_graph.nodes()[successor].name), KV_CSTR(name));
                m_errors << QStringLiteral("task \"%1\" follows \"%2\", which is no task of the graph")
                                .arg(m_graph.nodes()[successor].name, name);
                continue;
            }
            m_graph.addOrder(predecessor, successor);
        }
    }

    if (const int dropped = m_graph.breakCycles())
        m_errors << QStringLiteral("%1 orders dropped: they closed a cycle").arg(dropped);

    auto *project = new KvScheduleProject(std::move(m_graph));
    m_graph = KvScheduleGraph();
    m_after.clear();
    m_current = -1;
    m_lastAddFailed = false;
    m_lastErrors = m_errors;
    m_errors.clear();

    // Main-thread tasks are delivered through the owner's event loop, which
    // must be the main one even for a graph built on a worker.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        if (project->thread() != app->thread())
            project->moveToThread(app->thread());
    }
    project->setParent(parent);
    return project;
}

bool KvScheduleProjectBuilder::hasCurrent(const char *operation) const
{
    if (m_current >= 0)
        return true;
    // The refused add was logged already.
    if (!m_lastAddFailed)
        KV_LOG_ERROR("%s() without a task added before; ignored", operation);
    return false;
}
