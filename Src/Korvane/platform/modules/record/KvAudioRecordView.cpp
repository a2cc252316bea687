#include "KvAudioRecordView.h"

#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvWavFile.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace {

QString clockText(qint64 ms)
{
    return QTime(0, 0).addMSecs(int(qMin<qint64>(ms, 24 * 3600 * 1000 - 1))).toString("hh:mm:ss");
}

} // namespace

KvAudioRecordView::KvAudioRecordView(QWidget *parent)
    : KvFramelessDialog(parent, NarrowWidth)
    , m_outputFolder(KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetRecorderVoiceFolder())
    , m_recordButton(new QPushButton(tr("Record"), this))
    , m_muteBox(new QCheckBox(tr("Mute the timeline while recording"), this))
    , m_timeLabel(new QLabel(clockText(0), this))
    , m_statusLabel(new QLabel(this))
{
    setObjectName("KvAudioRecordView");
    setTitle(tr("Record Voiceover"));
    m_recordButton->setObjectName("KvAudioRecordView_RecordBtn");
    m_recordButton->setAccessibleName(tr("Record"));
    m_muteBox->setObjectName("KvAudioRecordView_MuteBox");
    m_muteBox->setAccessibleName(m_muteBox->text());
    m_timeLabel->setObjectName("KvAudioRecordView_TimeLab");
    m_statusLabel->setObjectName("KvAudioRecordView_StatusLab");
    m_statusLabel->setWordWrap(true);

    auto *layout = new QVBoxLayout(contentWidget());
    layout->addWidget(m_timeLabel, 0, Qt::AlignHCenter);
    layout->addWidget(m_muteBox);
    layout->addWidget(m_statusLabel);
    layout->addWidget(m_recordButton, 0, Qt::AlignHCenter);

    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &KvAudioRecordView::onTick);
    connect(m_recordButton, &QPushButton::clicked, this, &KvAudioRecordView::onRecordClicked);
    connect(m_muteBox, &QCheckBox::toggled, this, &KvAudioRecordView::sigMute);
}

KvAudioRecordView::~KvAudioRecordView() = default;

bool KvAudioRecordView::startCapture()
{
    if (m_capturing)
        return true;
    if (m_outputFolder.isEmpty() || !QDir().mkpath(m_outputFolder) || !QFileInfo(m_outputFolder).isWritable()) {
        KV_LOG_ERROR("cannot record into \"%s\"", KV_CSTR(m_outputFolder));
        m_statusLabel->setText(tr("The recording folder cannot be written: %1").arg(m_outputFolder));
        emit sigStartCaptureFailed();
        return false;
    }
    m_capturing = true;
    m_statusLabel->clear();
    m_recordButton->setText(tr("Stop"));
    m_recordButton->setAccessibleName(tr("Stop"));
    emit sigStartCapture();
    m_clock.start();
    m_progressTimer.start();
    return true;
}

void KvAudioRecordView::stopCapture()
{
    if (m_capturing)
        finishCapture(m_clock.elapsed());
}

void KvAudioRecordView::finishCapture(qint64 recordedMs)
{
    if (!m_capturing)
        return;
    m_capturing = false;
    m_progressTimer.stop();
    recordedMs = qMax<qint64>(0, recordedMs);
    emit sigCaptureDoing(recordedMs);

    const QString path = nextFilePath();
    KvWavFile::Format format;
    QString error;
    if (!KvWavFile::writeSilence(path, recordedMs, format, &error)) {
        KV_LOG_ERROR("writing \"%s\" failed: %s", KV_CSTR(path), KV_CSTR(error));
        m_statusLabel->setText(tr("The recording could not be saved."));
        m_recordButton->setText(tr("Record"));
        m_recordButton->setAccessibleName(tr("Record"));
        emit sigFinished(QString(), QString(), QString());
        return;
    }
    m_recordedPath = path;
    KV_LOG_INFO("recorded %lld ms into \"%s\"", recordedMs, KV_CSTR(path));
    const QJsonObject info{{"duration", recordedMs},
                           {"sample_rate", format.sampleRate},
                           {"channels", format.channels},
                           {"file_format", "wav"},
                           {"audio_codec", "pcm_s16le"}};
    emit sigFinished(path, QString::fromUtf8(QJsonDocument(info).toJson(QJsonDocument::Compact)), QString());
    done(Recorded);
}

void KvAudioRecordView::done(int result)
{
    // Closing while recording keeps what was recorded, as the record button would.
    if (m_capturing) {
        stopCapture();
        if (m_closeSent)
            return;
    }
    KvFramelessDialog::done(result);
    if (!m_closeSent) {
        m_closeSent = true;
        emit sigClose();
    }
}

void KvAudioRecordView::onRecordClicked()
{
    if (m_capturing)
        stopCapture();
    else
        startCapture();
}

void KvAudioRecordView::onTick()
{
    const qint64 position = m_clock.elapsed();
    m_timeLabel->setText(clockText(position));
    emit sigCaptureDoing(position);
}

QString KvAudioRecordView::nextFilePath() const
{
    const QString stem = QDir(m_outputFolder).filePath(
        "Voiceover_" + QDateTime::currentDateTime().toString("yyyyMMdd_hhmmss"));
    QString path = stem + ".wav";
    for (int n = 1; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1_%2.wav").arg(stem).arg(n);
    return path;
}
