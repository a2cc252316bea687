#pragma once

#include "AppTestResult.h"
#include "FApplication.h"
#include "KvVelloqHelper.h"

#include <QMap>
#include <QPointer>
#include <QStringList>

#include <atomic>
#include <memory>

class FAppLaunchTest;
class FSplashScreen;
class FProjectDocProxy;
class KvScheduleProject;
class KorvaneBootWindow;
class FSystemMonitorThread;
class QObject;

// The editor's application object. Either it forwards its command line to
// the instance that already runs and ends, or it becomes that instance.
class KorvaneApp : public FApplication
{
    Q_OBJECT

public:
    // One command for the running instance.
    struct ForwardCommand
    {
        QString command;
        QStringList contents;
    };

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
    const AppTestResult &launchResult() const { return m_launchResult; }

    // The command a second instance sends for `map`, the first that applies:
    // open, launcher template, share, else a plain "bring to front".
    static ForwardCommand forwardCommandFor(const QMap<QString, QString> &map, const KvVelloqHelper &velloq);

    // Hands what `map` names to the document service for after the start;
    // returns the new value of check-unsaved-project.
    static bool applyStartArgs(const QMap<QString, QString> &map, const KvVelloqHelper &velloq,
                               FProjectDocProxy *docProxy, bool checkUnsavedProject);

private:
    void initRegistryInfo();
    int runRecoveryPrompt(bool *unsavedProjectFound);

    FAppLaunchTest *m_launchTest = nullptr;
    FSplashScreen *m_splash = nullptr;
    KvVelloqHelper m_velloqHelper;
    KvScheduleProject *m_secondTaskProject = nullptr;
    AppTestResult m_launchResult;
    QObject *m_cbsUpdater = nullptr;
    std::atomic<bool> m_pathNotWritable{false};
    bool m_checkUnsavedProject = true;
    qint32 m_userTimeMs = 0;
    FSystemMonitorThread *m_memoryMonitor = nullptr;

    std::unique_ptr<KorvaneBootWindow> m_bootWindow;
};
