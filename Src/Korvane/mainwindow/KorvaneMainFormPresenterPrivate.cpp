#include "KorvaneMainFormPresenterPrivate.h"

#include "FFolderSettings.h"
#include "FMainPlayerPresenter.h"
#include "FMainPlayheadConnector.h"
#include "FTimelineModulePresenter.h"
#include "FTimelineModuleWidget.h"
#include "FGeneralSettings.h"
#include "IKvBaseLog.h"
#include "KorvaneMainFormPresenter.h"
#include "KvAppSettings.h"
#include "KvAudioRecordView.h"
#include "KvCommunicatorCommands.h"
#include "KvCommunicatorServer.h"
#include "KvDataMessage.h"
#include "KvClipSelectorConnector.h"
#include "KvExportTrack.h"
#include "KvMediaImportMessage.h"
#include "KvMediaLibraryPresenter.h"
#include "KvEditingMessageId.h"
#include "KvMainFormMessageId.h"
#include "KvMainFormMinimizeMessage.h"
#include "KvMainWindowTracking.h"
#include "KvUIView.h"
#include "KvWebcamRecordView.h"

#include <QElapsedTimer>
#include <QWidget>

KorvaneMainFormPresenterPrivate::KorvaneMainFormPresenterPrivate(KorvaneMainFormPresenter *owner)
    : owner(owner)
    , playheadConnector(std::make_unique<FMainPlayheadConnector>())
    , clipSelectorConnector(std::make_unique<KvClipSelectorConnector>())
{
}

KorvaneMainFormPresenterPrivate::~KorvaneMainFormPresenterPrivate()
{
    list.clear();
}

void KorvaneMainFormPresenterPrivate::send(int code)
{
    KvMessage message(code);
    owner->sendMessageToScene(&message);
}

void KorvaneMainFormPresenterPrivate::sendData(int code, const QVariant &data)
{
    KvDataMessage message(code, data);
    owner->sendMessageToScene(&message);
}

void KorvaneMainFormPresenterPrivate::askRecorderToExit()
{
    KvCommunicatorServer::GetInstance()->SendMsgToProcess(KvCommand::RecorderEixtRequest, {},
                                                          KorvaneMainFormPresenter::screenRecorderPath());
}

void KorvaneMainFormPresenterPrivate::closeRecordViews(bool webcam, bool audio)
{
    if (webcam && webcamRecordView)
        webcamRecordView->close();
    if (audio && audioRecordView)
        audioRecordView->close();
}

void KorvaneMainFormPresenterPrivate::startScreenRecorder()
{
    closeRecordViews(true, true);
    KvCommunicatorServer *server = KvCommunicatorServer::GetInstance();
    const QString path = KorvaneMainFormPresenter::screenRecorderPath();
    if (server->IsProcessStarted(path)) {
        KvMainFormMinimizeMessage minimize(0);
        owner->sendMessageToScene(&minimize);
        server->SendMsgToProcess(KvCommand::RecorderActiveRequest, {}, path);
        return;
    }
    const int dpi = KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting().getScreenRecorderDpiParam();
    if (!server->StartProcess(path, {QString::number(dpi)}, true, true)) {
        KV_LOG_ERROR("the screen recorder %s could not be started", KV_CSTR(path));
        return;
    }
    KvMainFormMinimizeMessage minimize(1000);
    owner->sendMessageToScene(&minimize);
}

void KorvaneMainFormPresenterPrivate::startVoiceOverRecording()
{
    if (audioRecordView)
        return;
    closeRecordViews(true, false);
    if (KorvaneMainFormPresenter::isScreenRecorderRunning())
        askRecorderToExit();
    savedMuteState = owner->isPlayerMuted();
    KV_LOG_INFO("Main player's mute property is %d", int(savedMuteState));

    QWidget *parent = owner->view() ? owner->view()->widget() : nullptr;
    auto *view = new KvAudioRecordView(parent);
    view->setAttribute(Qt::WA_DeleteOnClose);
    audioRecordView = view;
    QObject::connect(view, &KvAudioRecordView::sigStartCaptureFailed, owner, [this] {
        send(KvEditingMessageId::PlayerStop);
        owner->setPlayheadConnectorEnabled(true);
    });
    QObject::connect(view, &KvAudioRecordView::sigStartCapture, owner, [this] {
        owner->sendRecordingPhase(0, 0);
        owner->setPlayheadConnectorEnabled(false);
        owner->prepareRecordingAtPlayhead();
    });
    QObject::connect(view, &KvAudioRecordView::sigCaptureDoing, owner,
                     [this](qint64 position) { owner->sendRecordingPhase(1, position); });
    QObject::connect(view, &KvAudioRecordView::sigMute, owner, [this](bool mute) { owner->setPlayerMuted(mute); });
    QObject::connect(view, &KvAudioRecordView::sigFinished, owner,
                     [this](const QString &path, const QString &info, const QString &) { finishVoiceOver(path, info); });
    QObject::connect(view, &KvAudioRecordView::sigClose, owner, [this] {
        owner->setPlayerMuted(savedMuteState);
        audioRecordView = nullptr;
    });
    owner->pausePlayer();
    view->DoModal();
}

void KorvaneMainFormPresenterPrivate::finishVoiceOver(const QString &path, const QString &info)
{
    if (!path.isEmpty()) {
        const QVariantMap facts = KvExportTrack::parseObject(info);
        if (!facts.isEmpty())
            KvMainWindowTracking::sendFields(KvMainWindowTracking::AudioRecording, facts);
        const int item = owner->importMedia({path}, KvMediaImportMessage::SourceVoiceOver);
        owner->sendRecordingPhase(2, 0, item);
    }
    send(KvEditingMessageId::PlayerStop);
    owner->setPlayheadConnectorEnabled(true);
}

void KorvaneMainFormPresenterPrivate::startWebcamRecording()
{
    if (webcamRecordView)
        return;
    closeRecordViews(false, true);
    if (KorvaneMainFormPresenter::isScreenRecorderRunning())
        askRecorderToExit();
    QWidget *parent = owner->view() ? owner->view()->widget() : nullptr;
    auto *view = new KvWebcamRecordView(parent);
    view->setAttribute(Qt::WA_DeleteOnClose);
    webcamRecordView = view;
    QObject::connect(view, &KvWebcamRecordView::sigFinished, owner,
                     [this](const QString &path, const QString &info, const QString &fileInfo) {
                         if (!path.isEmpty())
                             processWebcamFile(path, info, fileInfo);
                     });
    QObject::connect(view, &KvWebcamRecordView::sigClose, owner, [this] { webcamRecordView = nullptr; });
    owner->pausePlayer();
    view->DoModal();
}

void KorvaneMainFormPresenterPrivate::processWebcamFile(const QString &path, const QString &info,
                                                       const QString &fileInfo)
{
    const QVariantMap facts = KvExportTrack::parseObject(info);
    if (!facts.isEmpty())
        KvMainWindowTracking::sendFields(KvMainWindowTracking::VideoRecording, facts);
    KvExportTrackRecord record = KvExportTrack::recordFromRecorder(path, info, fileInfo);
    record.source = QStringLiteral("record");
    KvExportTrack::trackExportSuccessInRecord(record);
    owner->importMedia({path}, KvMediaImportMessage::SourceWebcam);
}

void KorvaneMainFormPresenterPrivate::processAutoRenderFolderChanged()
{
    KV_LOG_INFO("CleanLastRenderFile start");
    owner->stopMainPlayer();
    owner->deleteRenderFiles();
    KV_LOG_INFO("CleanLastRenderFile end");
}

void KorvaneMainFormPresenterPrivate::processCleanRenderCache()
{
    QElapsedTimer elapsed;
    elapsed.start();
    owner->stopMainPlayer();
    owner->deleteRenderFiles();
    KV_LOG_INFO("wait clean_render_file use: %ld MS", long(elapsed.elapsed()));
}
