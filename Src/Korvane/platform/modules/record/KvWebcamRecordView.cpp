#include "KvWebcamRecordView.h"

#include "IKvBaseLog.h"
#include "KvAppSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

constexpr QSize KvWebcamRecordView::kFrameSize;

KvWebcamRecordView::KvWebcamRecordView(QWidget *parent)
    : KvFramelessDialog(parent, StandardWidth)
    , m_outputFolder(KvAppSettings::GetInstance()->GetSettings().GetFolderSettings().GetCaptureFileFolder())
    , m_preview(new QLabel(this))
    , m_statusLabel(new QLabel(this))
{
    setObjectName("KvWebcamRecordView");
    setTitle(tr("Record Webcam"));
    m_preview->setObjectName("KvWebcamRecordView_Preview");
    m_preview->setPixmap(QPixmap::fromImage(frame().scaled(kFrameSize / 4, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_statusLabel->setObjectName("KvWebcamRecordView_StatusLab");
    m_statusLabel->setWordWrap(true);

    auto *recordButton = new QPushButton(tr("Record"), this);
    recordButton->setObjectName("KvWebcamRecordView_RecordBtn");
    recordButton->setAccessibleName(tr("Record"));
    auto *layout = new QVBoxLayout(contentWidget());
    layout->addWidget(m_preview, 0, Qt::AlignHCenter);
    layout->addWidget(m_statusLabel);
    layout->addWidget(recordButton, 0, Qt::AlignHCenter);

    connect(recordButton, &QPushButton::clicked, this, &KvWebcamRecordView::record);
}

KvWebcamRecordView::~KvWebcamRecordView() = default;

bool KvWebcamRecordView::record()
{
    const QString stem =
        QDir(m_outputFolder).filePath("Webcam_" + QDateTime::currentDateTime().toString("yyyyMMdd_hhmmss"));
    QString path = stem + ".png";
    for (int n = 1; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1_%2.png").arg(stem).arg(n);

    QSaveFile file(path);
    const bool written = !m_outputFolder.isEmpty() && QDir().mkpath(m_outputFolder)
                         && file.open(QIODevice::WriteOnly) && frame().save(&file, "PNG") && file.commit();
    if (!written) {
        KV_LOG_ERROR("writing \"%s\" failed: %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        m_statusLabel->setText(tr("The recording could not be saved in %1.").arg(m_outputFolder));
        emit sigFinished(QString(), QString(), QString());
        return false;
    }
    m_recordedPath = path;
    KV_LOG_INFO("recorded \"%s\"", KV_CSTR(path));
    const QJsonObject info{
        {"frame_rate", QString::number(kFrameRate)},
        {"video_resolution", QStringLiteral("%1*%2").arg(kFrameSize.width()).arg(kFrameSize.height())}};
    const QJsonObject fileInfo{
        {"file_type", "image"}, {"file_format", "png"}, {"video_codec", "png"}, {"video_muxer", "image2"}};
    emit sigFinished(path, QString::fromUtf8(QJsonDocument(info).toJson(QJsonDocument::Compact)),
                     QString::fromUtf8(QJsonDocument(fileInfo).toJson(QJsonDocument::Compact)));
    done(Recorded);
    return true;
}

void KvWebcamRecordView::done(int result)
{
    KvFramelessDialog::done(result);
    if (!m_closeSent) {
        m_closeSent = true;
        emit sigClose();
    }
}

QImage KvWebcamRecordView::frame() const
{
    // A test card with the time of the shot, so that two recordings differ.
    QImage image(kFrameSize, QImage::Format_RGB32);
    image.fill(QColor(24, 26, 31));
    QPainter painter(&image);
    const int bars = 7;
    const QColor colours[bars] = {Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue};
    const int barWidth = kFrameSize.width() / bars;
    for (int i = 0; i < bars; ++i)
        painter.fillRect(i * barWidth, 0, barWidth, kFrameSize.height() * 2 / 3, colours[i].darker(130));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(40);
    painter.setFont(font);
    painter.drawText(QRect(0, kFrameSize.height() * 2 / 3, kFrameSize.width(), kFrameSize.height() / 3),
                     Qt::AlignCenter, QDateTime::currentDateTime().toString(Qt::ISODate));
    return image;
}
