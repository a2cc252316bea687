#pragma once

#include "AppTestResult.h"
#include "FApplication.h"
#include "FForwardCommand.h"
#include "KvVelloqHelper.h"

#include <QMap>
#include <QMutex>
#include <QPointer>
#include <QStringList>

#include <atomic>
#include <memory>

class FAppLaunchTest;
class FCBSUpdater;
class FSplashScreen;
class FProjectDocProxy;
class KvScheduleProject;
class FSystemMonitorThread;
class FTerminationSignals;
class QObject;

// The editor's application object. Either it forwards its command line to
// the instance that already runs and ends, or it becomes that instance.
class KorvaneApp : public FApplication
{
    Q_OBJECT

public:
    // One command for the running instance.
    using ForwardCommand = FForwardCommand;

    KorvaneApp(int &argc, char **argv);
    ~KorvaneApp() override;

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

    // Sends the command line to the running instance: one command, then a
    // 200 ms pause so that it leaves before this process ends.
    void callExistAppDoSomething();

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

private:
    // Start-up graph tasks.
    bool runLaunchTest();
    bool initKvEnv();
    bool checkFolderPermission();
    bool initProjectEditor();
    void startSecondGraph();
    bool initProject();
    bool initTcPush();
    bool connectSignals();
    void onLanguageChanged();
    FCBSUpdater *cbsUpdater();
    QString tcPushDataDir() const;

    void initRegistryInfo();
    int runRecoveryPrompt(bool *unsavedProjectFound);

    std::unique_ptr<FAppLaunchTest> m_launchTest;
    FSplashScreen *m_splash = nullptr;
    KvVelloqHelper m_velloqHelper;
    KvScheduleProject *m_secondTaskProject = nullptr;
    AppTestResult m_launchResult;
    FCBSUpdater *m_cbsUpdater = nullptr;
    std::atomic<bool> m_pathNotWritable{false};
    bool m_checkUnsavedProject = true;
    qint32 m_userTimeMs = 0;
    std::unique_ptr<FSystemMonitorThread> m_memoryMonitor;
    QMutex m_memoryMonitorMutex;
    QStringList m_firstGraphTaskNames;
    FTerminationSignals *m_terminationSignals = nullptr;
};
