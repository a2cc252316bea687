#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <memory>

class FMainPlayerPresenter;
class FMainPlayheadConnector;
class FTimelineModulePresenter;
class KorvaneMainFormPresenter;
class KvAudioRecordView;
class KvClipSelectorConnector;
class KvMediaLibraryPresenter;
class KvWebcamRecordView;

// The main form presenter's state and its longer operations: recording and
// the render clean-ups.
class KorvaneMainFormPresenterPrivate
{
public:
    explicit KorvaneMainFormPresenterPrivate(KorvaneMainFormPresenter *owner);
    ~KorvaneMainFormPresenterPrivate();

    void startScreenRecorder();
    void startVoiceOverRecording();
    void startWebcamRecording();
    void processAutoRenderFolderChanged();
    void processCleanRenderCache();
    void finishVoiceOver(const QString &path, const QString &info);
    void processWebcamFile(const QString &path, const QString &info, const QString &fileInfo);
    void closeRecordViews(bool webcam, bool audio);
    void askRecorderToExit();
    void send(int code);
    void sendData(int code, const QVariant &data);

    KorvaneMainFormPresenter *owner;
    std::unique_ptr<FMainPlayheadConnector> playheadConnector;
    std::unique_ptr<KvClipSelectorConnector> clipSelectorConnector;
    QList<QString> list;
    QPointer<KvWebcamRecordView> webcamRecordView;
    QPointer<KvAudioRecordView> audioRecordView;
    bool savedMuteState = false;
    // The form's module presenters; the form outlives its presenter.
    QPointer<FTimelineModulePresenter> timelinePresenter;
    QPointer<KvMediaLibraryPresenter> mediaLibraryPresenter;
    QPointer<FMainPlayerPresenter> playerPresenter;
};
