#pragma once

#include "AppTestResult.h"
#include "FApplication.h"
#include "FForwardCommand.h"
#include "KvVelloqHelper.h"

#include <QMap>
#include <QMutex>
#include <QStringList>

#include <atomic>
#include <memory>

class FAppLaunchTest;
class FCBSUpdater;
class FSplashScreen;
class FProjectDocProxy;
class FStartUpTasks;
class KvScheduleProject;
class FSystemMonitorThread;
class FTerminationSignals;
class QObject;

// The editor's application object. Either it forwards its command line to
// the instance that already runs and ends, or it becomes that instance.
//
// Termination signals are handled from init() on. One that arrives before the
// first page is up ends start-up at the next step: what has started is
// released in the usual order, the crash flag is cleared and the exit status
// is 0. Once the event loop runs, a signal closes the editor like its close
// button.
class KorvaneApp : public FApplication
{
    Q_OBJECT

public:
    // One command for the running instance.
    using ForwardCommand = FForwardCommand;

    KorvaneApp(int &argc, char **argv);
    ~KorvaneApp() override;

    // Before the application object exists: process-wide settings the toolkit
    // reads at its start. The xcb GL integration is turned off, since nothing
    // in the editor draws with OpenGL and loading the GL driver costs memory
    // and start-up time; a value the user set in the environment wins.
    static void prepareProcessEnvironment();

    bool notify(QObject *receiver, QEvent *event) override;

    QString productName() const override;
    bool init() override;
    bool prepareRun() override;
    void alreadyRun() override;
    int doRun() override;
    void runFinished() override;
    void initDirInfo() override;
    QString productFullName() const override;
    QString logName() const override;
    void showSplash() override;
    bool initMainAppFlag() override;
    bool needSingleInstance() const override;

    // Sends the command line to the running instance: one command, delivered
    // within a few seconds or reported as lost; true when delivered.
    bool callExistAppDoSomething();

    // The first instance's reading of its command line (a start-up task on a
    // worker thread): remembers what to open once the editor is up.
    void extractArgs();

    bool checkUnsavedProject() const { return m_checkUnsavedProject; }
    bool pathNotWritable() const { return m_pathNotWritable.load(); }
    FSplashScreen *splash() const { return m_splash; }
    const AppTestResult &launchResult() const { return m_launchResult; }

    // The command a second instance sends for `map`, the first that applies:
    // open, launcher template, share, else a plain "bring to front".
    static ForwardCommand forwardCommandFor(const QMap<QString, QString> &map, const KvVelloqHelper &velloq);

    // Hands what `map` names to the document service for after the start;
    // returns the new value of check-unsaved-project.
    static bool applyStartArgs(const QMap<QString, QString> &map, const KvVelloqHelper &velloq,
                               FProjectDocProxy *docProxy, bool checkUnsavedProject);

    // Names of the tasks of the first start-up graph, in the order they are added.
    QStringList firstGraphTaskNames() const { return m_firstGraphTaskNames; }

    // Collects the existing folders of `folders` that cannot be written to;
    // missing folders are not collected.
    static QStringList unwritableFolders(const QStringList &folders);

    // True once a termination signal arrived before the event loop; start-up
    // then skips what is left. Any thread.
    bool startUpInterrupted();

private:
    friend class FStartUpTasks;

    // 1 when the first-run test ran (and with it the base preparation), else 0.
    int runLaunchTest();
    void startSecondGraph();
    FCBSUpdater *cbsUpdater();
    void onTerminationSignal(int signalNumber);
    static void closeModalDialogs();
    void initRegistryInfo();
    int runRecoveryPrompt(bool *unsavedProjectFound);

    std::unique_ptr<FAppLaunchTest> m_launchTest;
    FSplashScreen *m_splash = nullptr;
    KvVelloqHelper m_velloqHelper;
    std::unique_ptr<KvScheduleProject> m_secondTaskProject;
    AppTestResult m_launchResult;
    FCBSUpdater *m_cbsUpdater = nullptr; // child of this object
    std::atomic<bool> m_pathNotWritable{false};
    bool m_checkUnsavedProject = true;
    qint32 m_userTimeMs = 0;
    std::unique_ptr<FSystemMonitorThread> m_memoryMonitor;
    QMutex m_memoryMonitorMutex;
    QStringList m_firstGraphTaskNames;
    std::unique_ptr<FStartUpTasks> m_startUpTasks;
    std::unique_ptr<FTerminationSignals> m_terminationSignals;
    std::atomic<bool> m_startUpInterrupted{false};
    bool m_inEventLoop = false;
};
