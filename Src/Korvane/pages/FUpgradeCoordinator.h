#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class IKvUpgradeModule;
class QWidget;

// Owns the editor's upgrade module for the page manager: update checks, the
// hand-over of a new updater once no updater runs, the veto on closing
// while an update installs, and the exits a forced upgrade or a restart
// ask for. The module's dialogs follow the current page.
class FUpgradeCoordinator : public QObject
{
    Q_OBJECT

public:
    // How long to wait between looks for a running updater.
    static constexpr int kUpdaterPollMs = 1000;

    explicit FUpgradeCoordinator(QObject *parent = nullptr);
    ~FUpgradeCoordinator() override;

    IKvUpgradeModule *module() const { return m_module.get(); }

    // First look for a running updater one poll interval from now.
    void scheduleUpdaterCheck();
    void checkUpdate(int reason);
    bool canCloseNow() const;
    // Null detaches the module's dialogs from any page.
    void setParentWidget(QWidget *page);

    // A forced upgrade: the page settles its project whatever it answers,
    // then the editor quits.
    void exitForForceUpgrade(const std::function<bool()> &settlePage);
    // A restart for an upgrade: only when the page agrees does the editor
    // leave with the restart code 1. True when it is leaving.
    bool restartForUpgrade(const std::function<bool()> &settlePage);

private:
    void checkUpdaterExe();

    struct ModuleDeleter
    {
        void operator()(IKvUpgradeModule *module) const;
    };
    std::unique_ptr<IKvUpgradeModule, ModuleDeleter> m_module;
};
