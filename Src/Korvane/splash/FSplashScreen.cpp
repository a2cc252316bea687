#include "FSplashScreen.h"

#include "FStartTipLoader.h"
#include "IKvBaseLog.h"
#include "KvConfig.h"
#include "KvLocale.h"
#include "KvNetwork.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>
#include <QVersionNumber>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdio>

namespace {

constexpr QSize kSplashSize(600, 360);
constexpr QRect kTipRect(26, 250, 258, 80);
constexpr QRect kVersionRect(26, 180, 258, 30);
constexpr QRect kCopyrightRect(26, 200, 258, 30);
constexpr int kTipIntervalMs = 5000;
const QColor kProgressColour(85, 229, 197);

const QString kTipPageKey = QStringLiteral("LaunchStartupC71");
int s_downloadTimeoutMs = 90000;

QString shortVersion()
{
    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    if (version.isNull())
        return QStringLiteral(KORVANE_SHORT_VERSION);
    return QVersionNumber(version.segments().mid(0, 3)).toString();
}

// An icon of a tip, as markup; empty for no icon or a name that leaves the
// tip folder.
QString iconMarkup(const QString &tipDir, const QString &icon)
{
    if (icon.isEmpty())
        return QString();
    const QStringList parts = QString(icon).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    if (QDir::isAbsolutePath(icon) || parts.contains(QStringLiteral(".."))) {
        KV_LOG_ERROR("start tip icon \"%s\" ignored: outside the tip folder", KV_CSTR(icon));
        return QString();
    }
    return QStringLiteral("<img src=\"%1\" width=\"16\" height=\"16\" />")
        .arg((tipDir + QLatin1Char('/') + icon).toHtmlEscaped());
}

} // namespace

FSplashScreen::FSplashScreen(QScreen *screen)
    : QSplashScreen(screen)
    , m_dataDir(KvConfig::Instance()->GetKorvaneDirectory())
{
    setFixedSize(kSplashSize);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);

    m_tipLabel = new QLabel(this);
    m_tipLabel->setObjectName(QStringLiteral("tipLabel"));
    m_tipLabel->setGeometry(kTipRect);
    m_tipLabel->setStyleSheet(QStringLiteral("QLabel {font-family: 'Segoe UI'; font-size: 12px;}"));
    m_tipLabel->setAlignment(Qt::AlignTop);
    m_tipLabel->setTextFormat(Qt::RichText);
    m_tipLabel->setWordWrap(true);

    m_network = new KvNetwork(this);
    m_tipTimer = new QTimer(this);
    m_tipTimer->setInterval(kTipIntervalMs);

    // The pool thread only computes the list; it is handed over here, on the
    // window's thread, so the two threads never share the tip lists.
    auto *loader = new QFutureWatcher<QList<FStartTip>>(this);
    connect(loader, &QFutureWatcherBase::finished, this, [this, loader] {
        m_pendingTips = loader->result();
        loader->deleteLater();
        emit sigSloganReady();
    });
    const QString dataDir = m_dataDir;
    // The editor's interface language, which may differ from the system's.
    const QString languageKey = FStartTipLoader::languageKey(KvLocale::instance()->languageType());
    m_loaderFuture = QtConcurrent::run([dataDir, languageKey] { return FStartTipLoader::load(dataDir, languageKey); });
    loader->setFuture(m_loaderFuture);

    connect(this, &FSplashScreen::sigSloganReady, this, &FSplashScreen::slotSloganStart);
    connect(m_tipTimer, &QTimer::timeout, this, &FSplashScreen::slotSloganUpdate);

    m_versionText = tr("Version: ") + shortVersion();
    m_copyrightText = tr("\u00a9 %1 Tessaracorp. All rights reserved.").arg(QDate::currentDate().year());

    startDownload();
}

FSplashScreen::~FSplashScreen()
{
    // Not half-way through unpacking when the process goes on to end.
    m_loaderFuture.waitForFinished();
    if (m_network->pendingCount() > 0) {
        // Deleting the client aborts without a report: clean up here.
        delete m_network;
        m_network = nullptr;
        QFile::remove(m_downloadFile);
        KV_LOG_INFO("start tip download abandoned, partial file removed");
    }
}

void FSplashScreen::setProgress(int percent)
{
    m_progress = qBound(0, percent, 100);
    repaint();
}

void FSplashScreen::setDownloadTimeout(int milliseconds)
{
    s_downloadTimeoutMs = milliseconds;
}

void FSplashScreen::slotSloganStart()
{
    m_tipTimer->start();
    slotSloganUpdate();
}

void FSplashScreen::slotSloganUpdate()
{
    // Every tip once per cycle, in random order.
    if (m_pendingTips.isEmpty())
        m_pendingTips.swap(m_shownTips);
    if (m_pendingTips.isEmpty())
        return;
    const int index = int(QRandomGenerator::global()->bounded(quint32(m_pendingTips.size())));
    const FStartTip tip = m_pendingTips.takeAt(index);
    m_shownTips.append(tip);

    const QString tipDir = FStartTipLoader::tipDir(m_dataDir);
    QString leading = iconMarkup(tipDir, tip.preicon);
    if (!leading.isEmpty())
        leading += QLatin1Char(' ');
    QString trailing = iconMarkup(tipDir, tip.lasticon);
    if (!trailing.isEmpty())
        trailing.prepend(QLatin1Char(' '));
    const QString alignment = FStartTipLoader::isRightToLeft(KvLocale::instance()->languageType())
                                  ? QStringLiteral("text-align:right")
                                  : QStringLiteral("text-align:left");
    m_tipLabel->setText(
        QStringLiteral("<html><head/><body><p style=\"line-height:16px;%1\">%2%3%4</p></body></html>")
            .arg(alignment, leading, tip.value, trailing));
}

void FSplashScreen::slotSloganDownloadFinished(bool bFinished, QString filename)
{
    if (!bFinished) {
        if (QFile::exists(filename))
            QFile::remove(filename);
        KV_LOG_INFO("start tip download failed; nothing kept");
        return;
    }
    // Complete: in place for the next start, replacing a package not yet used.
    const QString package = FStartTipLoader::packageFile(m_dataDir);
    if (filename != package
        && std::rename(QFile::encodeName(filename).constData(), QFile::encodeName(package).constData()) != 0) {
        KV_LOG_ERROR("cannot move the start tip package to %s", KV_CSTR(package));
        QFile::remove(filename);
        return;
    }
    KV_LOG_INFO("start tip package downloaded for the next start: %s", KV_CSTR(package));
}

void FSplashScreen::paintEvent(QPaintEvent *event)
{
    QSplashScreen::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap &splash = picture();
    if (!splash.isNull())
        painter.drawPixmap(QRect(QPoint(0, 0), kSplashSize), splash);

    QFont font(QStringLiteral("Segoe UI"));
    font.setPointSize(9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(kVersionRect, Qt::TextWordWrap, m_versionText);
    painter.drawText(kCopyrightRect, Qt::TextWordWrap, m_copyrightText);

    const QRect area = rect();
    const qreal barWidth = m_progress / 100.0 * area.width() - 8;
    if (barWidth > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kProgressColour, 4));
        painter.setBrush(kProgressColour);
        painter.drawRoundedRect(QRectF(area.left() + 4, area.height() - 6, barWidth, 2), 25, 25, Qt::RelativeSize);
    }
}

void FSplashScreen::closeEvent(QCloseEvent *event)
{
    m_tipTimer->stop();
    QSplashScreen::closeEvent(event);
}

void FSplashScreen::startDownload()
{
    const QString address = KvConfig::Instance()->GetCBSUrl(kTipPageKey);
    if (address.isEmpty()) {
        KV_LOG_INFO("DownLoad StartTips URL err: no address for \"%s\"", KV_CSTR(kTipPageKey));
        return;
    }
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        KV_LOG_INFO("DownLoad StartTips URL err: \"%s\"", KV_CSTR(address));
        return;
    }

    // Written beside the package and renamed when complete: the next start
    // never sees half a package.
    m_downloadFile = FStartTipLoader::packageFile(m_dataDir) + QStringLiteral(".part");
    connect(m_network, &KvNetwork::sigDownloadFinished, this, &FSplashScreen::slotSloganDownloadFinished);
    connect(m_network, &KvNetwork::sigTimeout, m_network, &KvNetwork::cancelAll);
    // The time-out is a deadline for the whole transfer, so a server that
    // stalls half-way is given up as well.
    if (!m_network->downloadFile(url, m_downloadFile, s_downloadTimeoutMs)) {
        QFile::remove(m_downloadFile);
        return;
    }
    KV_LOG_INFO("start tip download begin: %s", KV_CSTR(address));
}

const QPixmap &FSplashScreen::picture()
{
    const QString name = qFuzzyCompare(devicePixelRatioF(), 1.0) ? QStringLiteral("splash-en.png")
                                                                 : QStringLiteral("splash-en_2x.png");
    const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/SplashResource/") + name;
    if (file != m_pictureFile) {
        m_pictureFile = file;
        if (!m_picture.load(file)) {
            m_picture = QPixmap();
            KV_LOG_ERROR("cannot load the splash picture %s", KV_CSTR(file));
        }
    }
    return m_picture;
}
