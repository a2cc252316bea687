#include "KorvaneMainFormPresenter.h"

#include "FGeneralSettings.h"
#include "FExceptionFeedbackDialog.h"
#include "FRecentProjectDialog.h"
#include "IKvBaseLog.h"
#include "IKvProjectManager.h"
#include "KorvaneMainFormPresenterPrivate.h"
#include "KvAppSettings.h"
#include "KvCommunicatorServer.h"
#include "KvDataMessage.h"
#include "KvEditingMessageId.h"
#include "KvMainFormMessageId.h"
#include "KvUIView.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace {

FSettings &settings()
{
    return KvAppSettings::GetInstance()->GetSettings();
}

} // namespace

KorvaneMainFormPresenter::KorvaneMainFormPresenter(QObject *parent)
    : KvPresenter(parent)
    , d(std::make_unique<KorvaneMainFormPresenterPrivate>(this))
{
}

KorvaneMainFormPresenter::~KorvaneMainFormPresenter()
{
    if (isScreenRecorderRunning())
        d->askRecorderToExit();
}

QString KorvaneMainFormPresenter::screenRecorderPath()
{
    return QDir::fromNativeSeparators(QStringLiteral("%1/Quenfel.exe").arg(QCoreApplication::applicationDirPath()));
}

bool KorvaneMainFormPresenter::isScreenRecorderRunning()
{
    return KvCommunicatorServer::GetInstance()->IsProcessStarted(screenRecorderPath());
}


bool KorvaneMainFormPresenter::dispatchMessage(KvMessage *message)
{
    if (!message)
        return false;
    const int code = message->code();
    auto *data = dynamic_cast<KvDataMessage *>(message);
    if (code >= KvMainFormMsg::PresenterHandledFirst && code <= KvMainFormMsg::PresenterHandledLast) {
        switch (code) {
        case KvMainFormMsg::ShowFloatingEdit:
            if (data)
                emit sigShowFloatingEditWidget(data->data().toPoint());
            break;
        case KvMainFormMsg::FeedbackDialog:
        {
            auto *dialog = new FExceptionFeedbackDialog(FExceptionFeedbackDialog::Mode::Information,
                                                        view() ? view()->widget() : nullptr);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->show();
            break;
        }
        case KvMainFormMsg::ShowLoginDialog:
            emit sigShowLoginDialog();
            break;
        case KvMainFormMsg::ShowPreferences:
            if (data)
                emit sigShowPreferencesDialog(data->data().toInt());
            break;
        default:
            break;
        }
        return true;
    }
    switch (code) {
    case KvMainFormMsg::FeedbackFromProject:
        settings().GetGeneralSetting().SetMediaMatchProjShow(true);
        reset();
        d->send(KvEditingMessageId::HidePropertyPanel);
        return true;
    case KvMainFormMsg::ExceptionFeedback: {
        QWidget *parent = view() ? view()->widget() : nullptr;
        auto *dialog = new FExceptionFeedbackDialog(FExceptionFeedbackDialog::Mode::Exception, parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return true;
    }
    case KvMainFormMsg::RecentProjects: {
        FRecentProjectDialog dialog(view() ? view()->widget() : nullptr);
        dialog.DoModal();
        return true;
    }
    case KvMainFormMsg::WebcamRecord:
        d->startWebcamRecording();
        return true;
    case KvMainFormMsg::ScreenRecord:
        d->startScreenRecorder();
        return true;
    case KvMainFormMsg::VoiceOverRecord:
        d->startVoiceOverRecording();
        return true;
    case KvMainFormMsg::AutoRenderFolderChanged: {
        // The Performance page sends its four change flags and the previous
        // folder; the first flag is the folder's. A plain bool means the same.
        const QVariant payload = data ? data->data() : QVariant();
        const bool folderChanged =
            payload.type() == QVariant::List ? payload.toList().value(0).toBool() : payload.toBool();
        if (folderChanged)
            d->processAutoRenderFolderChanged();
        return false;
    }
    case KvEditingMessageId::ShowPropertyPanel:
        emit sigShowPropertyPanel(true);
        return false;
    case KvEditingMessageId::HidePropertyPanel:
        emit sigShowPropertyPanel(false);
        emit sigHideTextController();
        return false;
    case KvMainFormMsg::AutoBackupSwitch:
        IKvProjectManager::getInstance()->setAutoBackupEnabled(settings().GetSaveSettings().GetAutoBackupProject());
        return true;
    case KvMainFormMsg::AutoBackupInterval:
        IKvProjectManager::getInstance()->setAutoBackupInterval(
            settings().GetSaveSettings().GetAutoBackupProjectTime() * 60, 10);
        return true;
    case KvMainFormMsg::AutoBackupFolder:
        IKvProjectManager::getInstance()->setBackupProjectFile(settings().GetSaveSettings().GetBackupProjectFile());
        return true;
    case KvMainFormMsg::CleanRenderCache:
        d->processCleanRenderCache();
        return false;
    case KvMainFormMsg::DownloadFolderChanged:
        handleDownloadFolderChanged();
        return false;
    default:
        return false;
    }
}
