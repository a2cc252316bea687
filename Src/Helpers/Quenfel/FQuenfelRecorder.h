#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class KvCommunicatorMsg;
class KvHelperChannel;
class QLabel;
class QWidget;

// The screen recorder's whole job: announce the capture folder to the
// editor, show its small window when asked, grab the screen into an image
// file in the capture folder and report it, and end when asked.
//
// Switches for tests and automation (environment):
//   KV_QUENFEL_CAPTURE_DIR=<folder>  record there instead of
//                                    "<Documents>/Korvane/Recorded"
//   KV_QUENFEL_AUTO_RECORD=1         record once right after the start and
//                                    after every activation, without a click
class FQuenfelRecorder : public QObject
{
    Q_OBJECT

public:
    FQuenfelRecorder(KvHelperChannel *channel, int dpiMode, QObject *parent = nullptr);
    ~FQuenfelRecorder() override;

    // Announces the capture folder; records once when auto-recording is on.
    void start();
    // Grabs the screen into a new file and reports it. With the recorder's
    // window on screen, the window goes away first and the grab follows
    // once the screen has been redrawn without it.
    void record();
    static constexpr int kHideDelayMs = 200;

    QString captureFolder() const { return m_captureFolder; }

private:
    void onMessage(const KvCommunicatorMsg &message);
    void activate();
    void exitRecorder();
    // False (logged, shown in the window) when the folder or the grab fails.
    bool grabAndReport();
    QString nextFilePath() const;

    KvHelperChannel *m_channel;
    const int m_dpiMode;
    const QString m_captureFolder;
    const bool m_autoRecord;
    QPointer<QWidget> m_window;
    QLabel *m_status = nullptr;
};
