#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The editor's updater. No update server is reachable from this platform:
// update checks are logged and find nothing, so neither a forced exit nor a
// restart is ever requested by the module itself. What it does for real is
// the hand-over of a new updater executable: one staged in
// "<user data dir>/Upgrade/" replaces the one in the application directory
// when no updater runs (checkAndInstallUpdateExe).
class IKvUpgradeModule : public QObject
{
    Q_OBJECT

public:
    // `mode` 0 is the editor's own module; other modes are logged only.
    explicit IKvUpgradeModule(int mode, QObject *parent = nullptr);

    static QString updaterExecutableName();
    // Where a downloaded updater waits to be installed.
    static QString stagedUpdaterPath();

    int mode() const { return m_mode; }
    // False while an update is being installed: closing then would leave a
    // half-replaced installation.
    bool canCloseNow() const { return m_canCloseNow; }
    // `reason`: 0 automatic at start, 1 from a menu, 2 asked for by the user.
    void checkUpdate(int reason);
    int lastCheckReason() const { return m_lastCheckReason; }

    // The window the module's dialogs are shown over; null detaches it.
    void setParentWidget(QWidget *parent) { m_parentWidget = parent; }
    QWidget *parentWidget() const { return m_parentWidget; }

    // Installs a staged updater; false when none was staged or it failed
    // (logged). Call only while no updater process runs.
    bool checkAndInstallUpdateExe();

    // Test seam.
    void setCanCloseNow(bool canClose) { m_canCloseNow = canClose; }

signals:
    void sigExitForForceUpgrade();
    void sigRestartForUpgrade();

private:
    int m_mode;
    bool m_canCloseNow = true;
    int m_lastCheckReason = -1;
    QPointer<QWidget> m_parentWidget;
};

IKvUpgradeModule *createUpgradeModule(int mode);
void releaseUpgradeModule(IKvUpgradeModule *module);
