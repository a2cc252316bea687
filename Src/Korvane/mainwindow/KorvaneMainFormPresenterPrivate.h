#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QVariant>

class KorvaneMainFormPresenter;
class KvAudioRecordView;
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
    QList<QString> list;
    QPointer<KvWebcamRecordView> webcamRecordView;
    QPointer<KvAudioRecordView> audioRecordView;
    bool savedMuteState = false;
    bool playheadConnectorEnabled = true;
};
