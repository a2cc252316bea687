#include "FUpgradeCoordinator.h"

#include "IKvBaseLog.h"
#include "IKvUpgradeModule.h"
#include "KvProcess.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// The editor's own upgrade module, as opposed to a helper's.
constexpr int kEditorUpgradeMode = 0;
// QCoreApplication::exit code that asks the launcher to start us again.
constexpr int kRestartExitCode = 1;

} // namespace

void FUpgradeCoordinator::ModuleDeleter::operator()(IKvUpgradeModule *module) const
{
    releaseUpgradeModule(module);
}

FUpgradeCoordinator::FUpgradeCoordinator(QObject *parent)
    : QObject(parent)
    , m_module(createUpgradeModule(kEditorUpgradeMode))
{
}

FUpgradeCoordinator::~FUpgradeCoordinator() = default;

void FUpgradeCoordinator::scheduleUpdaterCheck()
{
    QTimer::singleShot(kUpdaterPollMs, this, &FUpgradeCoordinator::checkUpdaterExe);
}

void FUpgradeCoordinator::checkUpdaterExe()
{
    // An updater that still runs holds its executable; replacing it must wait.
    if (KvProcess::hasSameNameProcess(IKvUpgradeModule::updaterExecutableName())) {
        scheduleUpdaterCheck();
        return;
    }
    m_module->checkAndInstallUpdateExe();
}

void FUpgradeCoordinator::checkUpdate(int reason)
{
    m_module->checkUpdate(reason);
}

bool FUpgradeCoordinator::canCloseNow() const
{
    return m_module->canCloseNow();
}

void FUpgradeCoordinator::setParentWidget(QWidget *page)
{
    m_module->setParentWidget(page);
}

void FUpgradeCoordinator::exitForForceUpgrade(const std::function<bool()> &settlePage)
{
    KV_LOG_INFO("exit for a forced upgrade");
    if (settlePage)
        settlePage();
    QCoreApplication::quit();
}

bool FUpgradeCoordinator::restartForUpgrade(const std::function<bool()> &settlePage)
{
    if (settlePage && !settlePage()) {
        KV_LOG_INFO("restart for upgrade refused by the page");
        return false;
    }
    QCoreApplication::exit(kRestartExitCode);
    return true;
}
