#pragma once

#include "FStartUpGraphs.h"

#include <QHash>
#include <QString>

class KorvaneApp;

// The work of the start-up tasks, on the application object's state. Which
// task runs when is FStartUpGraphs' business; this class only answers
// stepFor(name). Every step first asks whether start-up was interrupted by
// a termination signal and, if so, does nothing, so that an interrupted
// graph runs out within moments.
class FStartUpTasks
{
public:
    explicit FStartUpTasks(KorvaneApp &app);

    // The work of the task called `name`; a step that logs and fails for a
    // name no task has (the graphs' test keeps that from happening).
    FStartUpGraphs::Step stepFor(QLatin1String name) const;
    // Every task name this class has work for.
    QStringList taskNames() const { return m_steps.keys(); }

    // Folder check of the first graph: flags the application object when one
    // of the preference folders exists and cannot be written to. Never fails
    // the task; the flag carries the finding.
    bool checkFolderPermission();

private:
    bool initKvEnv();
    bool initProjectEditor();
    bool initProject();
    bool initTcPush();
    bool connectSignals();
    bool startSystemMonitor();
    void onLanguageChanged();
    QString tcPushDataDir() const;

    KorvaneApp &m_app;
    QHash<QString, FStartUpGraphs::Step> m_steps;
};
