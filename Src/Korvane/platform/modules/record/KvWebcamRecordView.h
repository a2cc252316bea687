#pragma once

#include "KvFramelessDialog.h"

#include <QImage>

class QLabel;
class QPushButton;

// The webcam window. With no camera to rely on, a recording is one still
// frame (a PNG of kFrameSize) drawn by the window and written into the
// capture folder of the folder settings, reported with the same facts a
// video recording carries.
class KvWebcamRecordView : public KvFramelessDialog
{
    Q_OBJECT

public:
    explicit KvWebcamRecordView(QWidget *parent = nullptr);
    ~KvWebcamRecordView() override;

    // DoModal answers Recorded when a file was written, else Closed.
    enum Result { Recorded = 1 };

    QString outputFolder() const { return m_outputFolder; }
    void setOutputFolder(const QString &folder) { m_outputFolder = folder; }

    // Records one frame and closes the window; false, with a message in the
    // window and an empty sigFinished path, when the file cannot be written.
    bool record();
    QString recordedPath() const { return m_recordedPath; }

    static constexpr QSize kFrameSize = QSize(1280, 720);
    static constexpr int kFrameRate = 30;

signals:
    // info: "frame_rate", "video_resolution"; fileInfo: "file_type",
    // "file_format", "video_codec", "video_muxer". Both JSON objects.
    void sigFinished(const QString &path, const QString &info, const QString &fileInfo);
    void sigClose();

protected:
    void done(int result) override;

private:
    QImage frame() const;

    QString m_outputFolder;
    QString m_recordedPath;
    QLabel *m_preview;
    QLabel *m_statusLabel;
    bool m_closeSent = false;
};
