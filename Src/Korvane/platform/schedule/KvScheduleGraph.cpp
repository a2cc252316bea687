#include "KvScheduleGraph.h"

#include "IKvBaseLog.h"

#include <QPair>

int KvScheduleGraph::addTask(IKvScheduleTask *task, const QString &name, bool mainThread)
{
    Node node;
    node.task = task;
    node.name = name;
    node.mainThread = mainThread;
    m_nodes.append(node);
    return m_nodes.size() - 1;
}

void KvScheduleGraph::setMainThread(int index, bool mainThread)
{
    if (index >= 0 && index < m_nodes.size())
        m_nodes[index].mainThread = mainThread;
}

void KvScheduleGraph::addOrder(int predecessor, int successor)
{
    if (predecessor < 0 || successor < 0 || predecessor >= m_nodes.size() || successor >= m_nodes.size())
        return;
    if (m_nodes[successor].predecessors.contains(predecessor))
        return;
    m_nodes[successor].predecessors.append(predecessor);
    m_nodes[predecessor].successors.append(successor);
}

int KvScheduleGraph::indexOf(const QString &name) const
{
    for (int i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i].name == name)
            return i;
    }
    return -1;
}

int KvScheduleGraph::breakCycles()
{
    // An order lies on a cycle when its predecessor can be reached from its
    // successor. Only orders pointing back in adding order can be dropped, so
    // graphs built front to back cost no search at all.
    QVector<QPair<int, int>> dropped;
    for (int successor = 0; successor < m_nodes.size(); ++successor) {
        for (int predecessor : m_nodes[successor].predecessors) {
            if (predecessor >= successor && reaches(successor, predecessor))
                dropped.append({predecessor, successor});
        }
    }
    for (const QPair<int, int> &order : dropped) {
        const QString &predecessor = m_nodes[order.first].name;
        const QString &successor = m_nodes[order.second].name;
        if (order.first == order.second)
            KV_LOG_ERROR("task \"%s\" follows itself; the order is ignored", KV_CSTR(successor));
        else
            KV_LOG_ERROR("tasks \"%s\" and \"%s\" wait for each other; \"%s\" no longer follows \"%s\"",
                         KV_CSTR(successor), KV_CSTR(predecessor), KV_CSTR(successor), KV_CSTR(predecessor));
    }
    // Removed only after the search, so every decision sees the graph as built.
    for (const QPair<int, int> &order : dropped)
        removeOrder(order.first, order.second);
    return dropped.size();
}

bool KvScheduleGraph::reaches(int from, int to) const
{
    QVector<bool> seen(m_nodes.size(), false);
    QVector<int> stack{from};
    seen[from] = true;
    while (!stack.isEmpty()) {
        const int current = stack.takeLast();
        if (current == to)
            return true;
        for (int next : m_nodes[current].successors) {
            if (!seen[next]) {
                seen[next] = true;
                stack.append(next);
            }
        }
    }
    return false;
}

void KvScheduleGraph::removeOrder(int predecessor, int successor)
{
    m_nodes[successor].predecessors.removeAll(predecessor);
    m_nodes[predecessor].successors.removeAll(successor);
}
