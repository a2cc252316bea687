#pragma once

#include <QString>
#include <QVector>

class IKvScheduleTask;

// The tasks of a project and who follows whom, by index in the order the
// tasks were added. It does not own the tasks.
class KvScheduleGraph
{
public:
    struct Node
    {
        IKvScheduleTask *task = nullptr;
        QString name;
        bool mainThread = false;
        QVector<int> predecessors;
        QVector<int> successors;
    };

    int addTask(IKvScheduleTask *task, const QString &name, bool mainThread);
    void setMainThread(int index, bool mainThread);
    // `successor` follows `predecessor`; a repeated order counts once.
    void addOrder(int predecessor, int successor);
    // The first task added under `name`, or -1.
    int indexOf(const QString &name) const;

    // Drops every order that closes a cycle and logs it: within a group of
    // tasks that wait for each other, an order that makes a task wait for one
    // added after it goes, an order added first-to-last stays. Returns how
    // many orders went; the graph is acyclic afterwards.
    int breakCycles();

    const QVector<Node> &nodes() const { return m_nodes; }
    int size() const { return m_nodes.size(); }

private:
    // Whether `to` is reachable from `from` along the orders.
    bool reaches(int from, int to) const;
    void removeOrder(int predecessor, int successor);

    QVector<Node> m_nodes;
};
