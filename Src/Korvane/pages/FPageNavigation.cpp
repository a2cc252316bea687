#include "FPageNavigation.h"

#include "FAccountSession.h"
#include "FPageNotices.h"
#include "FStreamPlayerInfoHelper.h"
#include "FTemplateUseMessage.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KorvaneMainForm.h"
#include "KorvanePageMgr.h"
#include "KorvaneScene.h"
#include "KvCheck.h"
#include "KvMediaLibraryCategory.h"
#include "KvMediaLibraryGoToMsg.h"
#include "TemplateModeScene.h"

#include <QString>

namespace {

// The start page's tool tile that opens the portrait effects instead of a
// tool of the main form.
constexpr int kPortraitToolIndex = 3;
const QString kPortraitEffectItem = QStringLiteral("effect_AIPortrait");

} // namespace

void FPageNavigation::useTemplate(KorvanePageMgr &mgr, QObject *templateMedia, const QString &first,
                                  const QString &second)
{
    mgr.switchToPage(KorvanePageMgr::TemplateEditor);
    KV_CHECK(mgr.m_templateModeScene, return);
    FTemplateUseMessage message(templateMedia, first, second);
    mgr.m_templateModeScene->sendMessage(&message);
}

void FPageNavigation::enterTemplateMode(KorvanePageMgr &mgr)
{
    mgr.m_account->showLoginDialog();
    if (!mgr.m_account->isLoggedIn()) {
        KV_LOG_INFO("template mode needs a logged-in user");
        return;
    }
    FStreamPlayerInfoHelper::getInstance()->init();
    mgr.switchToPage(KorvanePageMgr::TemplateEditor);
}

void FPageNavigation::locateInMediaLibrary(KorvanePageMgr &mgr, const QString &itemName)
{
    if (mgr.m_pageState == KorvanePageMgr::TemplateEditor || mgr.m_pageState == KorvanePageMgr::TemplateList) {
        FPageNotices::showInformation(
            mgr.currentPageWidget(),
            KorvanePageMgr::tr("Please close current project and open another project again after back to homepage"));
        return;
    }
    const int itemId = itemName.isEmpty() ? -1
                                          : IKvProjectManager::getInstance()->mediaLibraryItemId(
                                                KvMediaLibraryCategory::ProjectTemplate, itemName);
    if (itemId < 0) {
        KV_LOG_INFO("template \"%s\" is not in the media library", KV_CSTR(itemName));
        return;
    }
    goToMediaLibrary(mgr, KvMediaLibraryCategory::ProjectTemplate, itemId, itemName);
}

void FPageNavigation::goToMediaLibrary(KorvanePageMgr &mgr, int categoryType, int id, const QString &keyWord)
{
    mgr.switchToPage(KorvanePageMgr::EditingScene);
    KV_CHECK(mgr.m_korvaneScene, return);
    KvMediaLibraryGoToMsg message(categoryType, id, keyWord);
    mgr.m_korvaneScene->sendMessage(&message);
}

void FPageNavigation::openHomePageTool(KorvanePageMgr &mgr, int toolIndex)
{
    if (toolIndex != kPortraitToolIndex) {
        mgr.switchToPage(KorvanePageMgr::EditingScene);
        KV_CHECK(mgr.m_korvaneScene, return);
        mgr.m_korvaneScene->mainForm()->handleToolIndex(toolIndex);
        return;
    }
    const int itemId =
        IKvProjectManager::getInstance()->mediaLibraryItemId(KvMediaLibraryCategory::Effect, kPortraitEffectItem);
    mgr.slotOpenMediaFolderAndSearch(KvMediaLibraryCategory::Effect, itemId, QString());
}
