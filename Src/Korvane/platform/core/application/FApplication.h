#pragma once

#include "KvApplication.h"

#include <memory>

class KvFileLock;

// The core library's application base. run() decides whether this process
// becomes the running instance of the product or hands over to the one that
// already runs, then calls the hooks below in a fixed order:
//
//   another instance holds the lock:  alreadyRun()
//   otherwise:                        init(), prepareRun(), doRun(), runFinished()
//
// run() returns doRun()'s result, or for a forwarding start what alreadyRun()
// set with setAlreadyRunResult() (0 unless it failed).
//
// The instance lock is taken before init() and held until runFinished() has
// returned. It is an flock on a file in the user's private runtime directory,
// so a lock left by a killed process, or a lock file with any contents, never
// blocks a start, and of several processes starting at once exactly one wins.
class FApplication : public KvApplication
{
    Q_OBJECT

public:
    FApplication(int &argc, char **argv);
    ~FApplication() override;

    int run();

    // Base directories of the editor: the installation (the executable's
    // folder), per-user program data and the user's documents.
    static QString appPath();
    static QString appProgramDataDir();
    static QString appDocumentDir();

    // Installs the host-name lookup the libraries' web requests use.
    static void initQueryDomainNameFunc();

    // Called before the application object exists: when another instance
    // of `productName` runs, this start will only forward its command line,
    // so it does without a display connection (faster to start and end).
    // Should the other instance end before this one takes the lock, run()
    // restarts the process with the display it was given.
    static void prepareForwardingStart(const QString &productName);

    // Path of the single-instance lock of `productName`.
    static QString instanceLockPath(const QString &productName);
    // The effect store helper's name; it holds instanceLockPath() of that
    // name for as long as it runs.
    static QString getEffectInstallAppName();

    // Virtual hooks, in the order the product overrides them.
    virtual QString productName() const;
    virtual bool canRun();
    virtual bool init();
    virtual void unInit();
    virtual bool prepareRun();
    virtual void alreadyRun();
    virtual int doRun();
    virtual void runFinished();
    virtual void initProductInfo();
    virtual void initDirInfo();
    virtual QString productFullName() const;
    virtual QString logName() const;
    virtual bool initAppLog();
    virtual void unInitAppLog();
    virtual void showSplash();
    virtual bool needInitSkin() const;
    virtual bool initMainAppFlag();
    virtual bool needSingleInstance() const;

protected:
    bool holdsInstanceLock() const;
    // The exit status of a forwarding start; non-zero when it failed.
    void setAlreadyRunResult(int result) { m_alreadyRunResult = result; }

private:
    bool acquireInstanceLock();
    void restartWithDisplay();
    void releaseInstanceLock();

    std::unique_ptr<KvFileLock> m_instanceLock;
    int m_alreadyRunResult = 0;
};
