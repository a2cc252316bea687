#pragma once

#include "KvScheduleGraph.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class IKvScheduleTaskCratetor;
class KvScheduleProject;
class QObject;

// Describes a task graph, one task at a time:
//
//     KvScheduleProjectBuilder builder(creator);
//     builder.add("Init Environment", initEnvironment).runInMainThread().setPriority(100);
//     builder.add("Init Network Proxy", loadProxy).after("Init Environment");
//     KvScheduleProject *project = builder.create();
//
// after() may name a task added later; names are resolved by create(). An
// unknown name is offered to the creator's createTaskByName(), and when that
// gives nothing the order is logged at error level and ignored. Orders that
// close a cycle are logged and dropped (see KvScheduleGraph::breakCycles), so
// every task of the graph runs and the project always finishes. A name added
// twice is logged; both tasks run and after() refers to the first. Each of
// these mistakes is also returned by errors(), so that a caller (or a test of
// the graph) can refuse a graph that is not what it describes.
class KvScheduleProjectBuilder
{
public:
    // Takes ownership of `creator`; without one, tasks are KvDefaultScheduleTask.
    explicit KvScheduleProjectBuilder(IKvScheduleTaskCratetor *creator);
    ~KvScheduleProjectBuilder();

    KvScheduleProjectBuilder(const KvScheduleProjectBuilder &) = delete;
    KvScheduleProjectBuilder &operator=(const KvScheduleProjectBuilder &) = delete;

    // Adds a task and makes it the current one. A task the creator refuses is
    // logged and left out, together with what is set on it until the next add.
    KvScheduleProjectBuilder &add(const QString &name, std::function<bool()> function);
    // The current task starts only after the task called `name` has ended.
    KvScheduleProjectBuilder &after(const QString &name);
    KvScheduleProjectBuilder &runInMainThread();
    KvScheduleProjectBuilder &setPriority(int priority);

    // The project of every task added so far, not started. The caller owns it
    // (or `parent`, which must live in the main thread). The project lives in
    // the application's main thread wherever it is created. The builder is
    // empty afterwards and may describe another graph.
    KvScheduleProject *create(QObject *parent = nullptr);

    // The mistakes in the description of the graph last created: refused
    // adds, names added twice, orders naming no task, orders closing a
    // cycle. Empty when the graph is
    // exactly as described.
    QStringList errors() const { return m_lastErrors; }

private:
    // Whether there is a current task; logs when a call has none to act on.
    bool hasCurrent(const char *operation) const;

    std::unique_ptr<IKvScheduleTaskCratetor> m_creator;
    KvScheduleGraph m_graph;
    QHash<int, QStringList> m_after;
    int m_current = -1;
    bool m_lastAddFailed = false;
    QStringList m_errors;
    QStringList m_lastErrors;
};
