#include "FPageLeaveSteps.h"

#include "FProjectDocProxy.h"
#include "FStartupBackgroundWork.h"
#include "FThirdPartyCloud.h"
#include "FUpgradeCoordinator.h"
#include "IKvBaseLog.h"
#include "KorvaneMainForm.h"
#include "KorvanePageMgr.h"
#include "KorvaneScene.h"
#include "KvCheck.h"
#include "KvIniWriter.h"
#include "KvPaths.h"
#include "TemplateModeScene.h"

#include <QCoreApplication>
#include <QDir>

bool FPageLeaveSteps::editingFormAgrees(KorvanePageMgr &mgr)
{
    if (mgr.m_pageState != KorvanePageMgr::EditingScene)
        return true;
    KV_CHECK(mgr.m_korvaneScene, return true);
    return mgr.m_korvaneScene->mainForm()->closeProject();
}

bool FPageLeaveSteps::pageAgreesToLeave(KorvanePageMgr &mgr)
{
    switch (mgr.m_pageState) {
    case KorvanePageMgr::EditingScene:
        return FProjectDocProxy::instance()->exit();
    case KorvanePageMgr::TemplateEditor:
    case KorvanePageMgr::TemplateList:
        return !mgr.m_templateModeScene || mgr.m_templateModeScene->prepareExitForUpgrade();
    case KorvanePageMgr::StartPage:
    case KorvanePageMgr::NoPage:
        break;
    }
    return true;
}

void FPageLeaveSteps::close(KorvanePageMgr &mgr, bool &ignore)
{
    if (!mgr.m_upgrade->canCloseNow()) {
        KV_LOG_INFO("close refused: an update is being installed");
        ignore = true;
        return;
    }
    if (!FThirdPartyCloud::closeCloudDiskManageDialog()) {
        ignore = true;
        return;
    }
    KV_LOG_INFO("slot close");
    mgr.m_background->runSurvey(mgr.currentPageWidget());
    QCoreApplication::exit(0);
}

bool FPageLeaveSteps::requestClose(KorvanePageMgr &mgr)
{
    const KorvanePageMgr::PageState state = mgr.m_pageState;
    if (state == KorvanePageMgr::EditingScene && !editingFormAgrees(mgr)) {
        KV_LOG_INFO("close refused by the editing window");
        return false;
    }
    if ((state == KorvanePageMgr::TemplateEditor || state == KorvanePageMgr::TemplateList) && mgr.m_templateModeScene
        && !mgr.m_templateModeScene->prepareExitForUpgrade()) {
        KV_LOG_INFO("close refused by template mode");
        return false;
    }
    bool ignore = false;
    close(mgr, ignore);
    if (ignore)
        KV_LOG_INFO("close refused");
    return !ignore;
}

void FPageLeaveSteps::tellLauncherToWait()
{
    // One folder above the installation; an installation this user cannot
    // write keeps it in its state folder instead.
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString stateDir = KvPaths::installStateDir();
    const QString configure = stateDir == appDir ? QDir::cleanPath(appDir + QStringLiteral("/../Configure.ini"))
                                                 : stateDir + QStringLiteral("/Configure.ini");
    QString error;
    if (!KvIniWriter::writePrivateProfileString(QStringLiteral("Launcher"), QStringLiteral("wait_for_last_program_exit"),
                                                QStringLiteral("1"), configure, &error))
        KV_LOG_ERROR("cannot write %s: %s", KV_CSTR(configure), KV_CSTR(error));
}
