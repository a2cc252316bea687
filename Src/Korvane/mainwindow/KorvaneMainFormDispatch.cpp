// The messages the main form handles itself (its override of
// KvUIView::dispatchMessage); every other code goes on to the presenter and
// the modules.
#include "KorvaneMainForm.h"

#include "FMaskManager.h"
#include "FMessageDialog.h"
#include "FQuickStartMgr.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "KorvaneMainFormPresenter.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvDataMessage.h"
#include "KvEditingViewType.h"
#include "KvEditingMessageId.h"
#include "KvMainFormMessageId.h"
#include "KvMainWindowTracking.h"
#include "KvMediaImportMessage.h"
#include "KvTipWidget.h"
#include "KvToast.h"

#include <QDesktopServices>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>

namespace {

void openWebPage(const QString &pageKey)
{
    const QString address = KvConfig::Instance()->GetCBSUrl(pageKey);
    if (address.isEmpty()) {
        KV_LOG_INFO("no address is configured for the page %s", KV_CSTR(pageKey));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl(address)))
        KV_LOG_ERROR("the page %s could not be opened", KV_CSTR(address));
}

} // namespace

bool KorvaneMainForm::dispatchMessage(KvMessage *message)
{
    if (!message)
        return false;
    auto *data = dynamic_cast<KvDataMessage *>(message);
    switch (message->code()) {
    case KvMainFormMsg::ExportRequest: {
        const IKvProject *project = IKvProjectManager::getInstance()->currentProject();
        if (project && project->mediaCount() > 0) {
            KvMainWindowTracking::send(KvMainWindowTracking::ExportButton);
            KvMessage stop(KvEditingMessageId::PlayerStop);
            sendMessageToScene(&stop);
            const QVariantList numbers = data ? data->data().toList() : QVariantList();
            emit sigExportTimeline(numbers.value(0).toInt(), numbers.value(1).toInt());
        } else {
            showInformation(KvCustomProductInfo::FGetProductName(),
                            tr("You have no resource in project, please import media files first."),
                            "KorvaneMainForm_NoResource");
        }
        break;
    }
    case KvMainFormMsg::DeferredWindowAction: {
        const int delay = data ? data->data().toInt() : 0;
        QTimer::singleShot(qMax(0, delay), this, &QWidget::showMinimized);
        break;
    }
    case KvMainFormMsg::CenterTip:
        showCenterTip(data ? data->data().toString() : QString());
        break;
    case KvMainFormMsg::RestartRequest:
        restartRequest();
        break;
    case KvMainFormMsg::ForwardToModuleStack: {
        for (int type : {KvEditingViewType::MediaLibrary, KvEditingViewType::PropertyPanel}) {
            KvUIView *module = view(type);
            if (module && module->widget() == m_moduleStack->currentWidget())
                return module->dispatchMessage(message);
        }
        return false;
    }
    case KvMainFormMsg::FailureToast:
        KvToast::showFailure(this, data ? data->data().toString() : QString());
        break;
    case KvMainFormMsg::Login:
        emit sigLogin();
        break;
    case KvMainFormMsg::OnlineSupport:
        openWebPage(QStringLiteral("SupportPage"));
        break;
    case KvMainFormMsg::AiRequirementNotice: {
        FMessageDialog dialog(this);
        dialog.setObjectName(QStringLiteral("KorvaneMainForm_AiRequirement"));
        dialog.setTitle(KvCustomProductInfo::FGetProductName());
        dialog.setText(tr("This computer does not meet the minimum requirements for running AI machine learning "
                          "related features like Auto Reframe and AI Portrait. These features require Intel 6th "
                          "Gen or newer CPU."));
        constexpr int learnMore = 1;
        constexpr int ok = 2;
        dialog.addButton(tr("Learn More"), learnMore);
        dialog.addButton(tr("OK"), ok);
        if (dialog.DoModal() == learnMore)
            openWebPage(QStringLiteral("MinimumRequirements"));
        break;
    }
    case KvMainFormMsg::ToggleVerticalScreen: {
        KvConfig *config = KvConfig::Instance();
        config->setVerticalScreen(!config->isVerticalScreen());
        applyScreenOrientation(config->isVerticalScreen());
        break;
    }
    case KvEditingMessageId::MediaImported:
        if (m_quickStartMgr->isRunning() && m_quickStartMgr->quickStartState() == FQuickStartMgr::ImportMedia)
            m_quickStartMgr->continueGuide();
        if (!m_presenter->isPlayerPlaying() && !m_pendingMediaList.isEmpty()) {
            const QStringList pending = m_pendingMediaList;
            m_pendingMediaList.clear();
            m_presenter->importMedia(pending, KvMediaImportMessage::SourceCloudDownload);
        }
        return KvUIView::dispatchMessage(message);
    default:
        if (dispatchDialogMessage(message))
            break;
        return KvUIView::dispatchMessage(message);
    }
    message->setHandled(true);
    return true;
}

void KorvaneMainForm::showCenterTip(const QString &text)
{
    auto *tip = new KvTipWidget(this);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->setObjectName(QStringLiteral("Tip_on_MainForm_Center"));
    tip->setPlaceholderText(tr("Put in some words"));
    tip->setTextMargins(16, 8);
    tip->setText(text);
    tip->OnShow(3);
}
