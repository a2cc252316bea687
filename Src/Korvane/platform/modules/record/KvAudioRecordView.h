#pragma once

#include "KvFramelessDialog.h"

#include <QElapsedTimer>
#include <QTimer>

class QCheckBox;
class QLabel;
class QPushButton;

// The voice-over window. There is no capture device to rely on, so a
// recording is a silent 16-bit PCM WAV of the recorded length, written into
// the voice-over folder of the folder settings; everything after the file
// (import, timeline placement) runs as for a real recording.
//
// Signals come in this order: sigStartCapture (or sigStartCaptureFailed),
// sigCaptureDoing while recording, sigFinished once, and sigClose when the
// window closes, whichever way.
class KvAudioRecordView : public KvFramelessDialog
{
    Q_OBJECT

public:
    explicit KvAudioRecordView(QWidget *parent = nullptr);
    ~KvAudioRecordView() override;

    // DoModal answers Recorded when a file was written, else Closed.
    enum Result { Recorded = 1 };

    // Where files go; the voice-over folder of the settings by default.
    QString outputFolder() const { return m_outputFolder; }
    void setOutputFolder(const QString &folder) { m_outputFolder = folder; }

    bool isCapturing() const { return m_capturing; }
    // The path of the last recording; empty before one.
    QString recordedPath() const { return m_recordedPath; }

    // Starts recording; false (and sigStartCaptureFailed) when the output
    // folder cannot be made or written.
    bool startCapture();
    // Ends recording after the real time that has passed.
    void stopCapture();
    // Ends recording as if `recordedMs` had passed, so callers that drive the
    // window (tests, automation) need not wait in real time.
    void finishCapture(qint64 recordedMs);

    // Position updates while recording, in milliseconds.
    static constexpr int kProgressIntervalMs = 100;

signals:
    void sigStartCaptureFailed();
    void sigStartCapture();
    // Milliseconds recorded so far.
    void sigCaptureDoing(qint64 position);
    void sigMute(bool mute);
    // path is empty when no file could be written; info is a JSON object of
    // the recording's facts.
    void sigFinished(const QString &path, const QString &info, const QString &extra);
    void sigClose();

protected:
    void done(int result) override;

private:
    void onRecordClicked();
    void onTick();
    QString nextFilePath() const;

    QString m_outputFolder;
    QString m_recordedPath;
    QPushButton *m_recordButton;
    QCheckBox *m_muteBox;
    QLabel *m_timeLabel;
    QLabel *m_statusLabel;
    QTimer m_progressTimer;
    QElapsedTimer m_clock;
    bool m_capturing = false;
    bool m_closeSent = false;
};
