#include "FQuenfelRecorder.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvHelperChannel.h"
#include "KvPaths.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QString defaultCaptureFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("KV_QUENFEL_CAPTURE_DIR");
    return fromEnvironment.isEmpty() ? QDir(KvPaths::documentsDir()).filePath("Recorded") : fromEnvironment;
}

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

FQuenfelRecorder::FQuenfelRecorder(KvHelperChannel *channel, int dpiMode, QObject *parent)
    : QObject(parent)
    , m_channel(channel)
    , m_dpiMode(dpiMode)
    , m_captureFolder(QDir::cleanPath(defaultCaptureFolder()))
    , m_autoRecord(qEnvironmentVariableIntValue("KV_QUENFEL_AUTO_RECORD") == 1)
{
    connect(m_channel, &KvHelperChannel::sigMessage, this, &FQuenfelRecorder::onMessage);
}

FQuenfelRecorder::~FQuenfelRecorder()
{
    delete m_window;
}

void FQuenfelRecorder::start()
{
    KV_LOG_INFO("recording into \"%s\", DPI mode %d", KV_CSTR(m_captureFolder), m_dpiMode);
    m_channel->send(QString(KvCommand::RecorderCapturedirNotifiy), {m_captureFolder});
    if (m_autoRecord)
        record();
}

void FQuenfelRecorder::record()
{
    if (!m_window || !m_window->isVisible()) {
        grabAndReport();
        return;
    }
    m_window->hide();
    QTimer::singleShot(kHideDelayMs, this, [this] {
        grabAndReport();
        if (m_window)
            m_window->show();
    });
}

bool FQuenfelRecorder::grabAndReport()
{
    auto fail = [this](const QString &why) {
        KV_LOG_ERROR("recording failed: %s", KV_CSTR(why));
        if (m_status)
            m_status->setText(QObject::tr("Recording failed: %1").arg(why));
        return false;
    };
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return fail(QStringLiteral("no screen"));
    if (!QDir().mkpath(m_captureFolder))
        return fail(QStringLiteral("cannot create \"%1\"").arg(m_captureFolder));

    QPixmap shot = screen->grabWindow(0);
    if (shot.isNull()) {
        // Platforms without a picture of the screen (offscreen, some Wayland
        // compositors) give nothing: the recording is a black frame of the
        // screen's size, as a capture of an empty screen would be.
        const QSize size = screen->geometry().size() * screen->devicePixelRatio();
        if (size.isEmpty())
            return fail(QStringLiteral("the screen could not be grabbed"));
        KV_LOG_INFO("the platform gives no picture of the screen; recording a black frame");
        shot = QPixmap(size);
        shot.fill(Qt::black);
    }

    const QString path = nextFilePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !shot.save(&file, "PNG") || !file.commit())
        return fail(QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString()));

    const QJsonObject recording{{"frame_rate", "1"},
                                {"video_resolution", QStringLiteral("%1*%2").arg(shot.width()).arg(shot.height())},
                                {"duration", 0},
                                {"dpi_mode", m_dpiMode}};
    const QJsonObject fileFacts{
        {"file_type", "image"}, {"file_format", "png"}, {"video_codec", "png"}, {"video_muxer", "image2"}};
    KV_LOG_INFO("recorded \"%s\"", KV_CSTR(path));
    if (m_status)
        m_status->setText(QObject::tr("Saved %1").arg(QFileInfo(path).fileName()));
    m_channel->send(QString(KvCommand::RecorderFilepathNotifiy), {path, compact(recording), compact(fileFacts)});
    return true;
}

void FQuenfelRecorder::onMessage(const KvCommunicatorMsg &message)
{
    if (message.contains(QString(KvCommand::RecorderActiveRequest))) {
        activate();
        if (m_autoRecord)
            record();
    } else if (message.contains(QString(KvCommand::RecorderEixtRequest))) {
        exitRecorder();
    } else {
        KV_LOG_INFO("ignoring %s", KV_CSTR(message.command()));
    }
}

void FQuenfelRecorder::activate()
{
    if (!m_window) {
        m_window = new QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        m_window->setObjectName("Quenfel_MainWnd");
        m_window->setWindowTitle(QObject::tr("Screen Recorder"));
        m_status = new QLabel(QObject::tr("Ready"), m_window);
        m_status->setObjectName("Quenfel_Status");
        auto *recordButton = new QPushButton(QObject::tr("Record"), m_window);
        recordButton->setObjectName("Quenfel_RecordBtn");
        recordButton->setAccessibleName(QObject::tr("Record"));
        auto *exitButton = new QPushButton(QObject::tr("Exit"), m_window);
        exitButton->setObjectName("Quenfel_ExitBtn");
        exitButton->setAccessibleName(QObject::tr("Exit"));
        auto *buttons = new QHBoxLayout;
        buttons->addWidget(recordButton);
        buttons->addWidget(exitButton);
        auto *layout = new QVBoxLayout(m_window);
        layout->addWidget(m_status);
        layout->addLayout(buttons);
        connect(recordButton, &QPushButton::clicked, this, &FQuenfelRecorder::record);
        connect(exitButton, &QPushButton::clicked, this, &FQuenfelRecorder::exitRecorder);
    }
    KV_LOG_INFO("showing the recorder window");
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

void FQuenfelRecorder::exitRecorder()
{
    KV_LOG_INFO("ending as asked");
    if (m_window)
        m_window->hide();
    // The channel hands what is queued to the system when it goes, so the
    // notice reaches the editor although the process ends now.
    m_channel->send(QString(KvCommand::RecorderEixtNotifiy), {});
    QCoreApplication::exit(0);
}

QString FQuenfelRecorder::nextFilePath() const
{
    const QString stem = QDir(m_captureFolder).filePath(
        "Screen_Recording_" + QDateTime::currentDateTime().toString("yyyyMMdd_hhmmss"));
    QString path = stem + ".png";
    for (int n = 1; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1_%2.png").arg(stem).arg(n);
    return path;
}
