#include "KvToastWidget.h"

#include "KvSkin.h"
#include "KvToast.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kIconSize = 24;

} // namespace

KvToastWidget::KvToastWidget(QWidget *host, const QString &text, const QString &iconPath)
    : QWidget(host, host ? Qt::Widget : Qt::ToolTip | Qt::FramelessWindowHint)
    , m_text(text)
    , m_iconPath(iconPath)
    , m_icon(new QLabel(this))
    , m_label(new QLabel(text, this))
{
    setObjectName(QStringLiteral("KvToast"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(text);
    m_label->setObjectName(QStringLiteral("KvToast_Text"));
    m_label->setTextFormat(Qt::PlainText);

    QPixmap icon;
    const QString skinName = skinIconName();
    if (!skinName.isEmpty()) {
        const QString token = skinName == QLatin1String("successful") ? QStringLiteral("success") : QStringLiteral("failure");
        icon = KvSkin::instance()->pixmap(skinName, QSize(kIconSize, kIconSize) * devicePixelRatioF(), token);
        icon.setDevicePixelRatio(devicePixelRatioF());
    } else if (!iconPath.isEmpty()) {
        icon = QIcon(iconPath).pixmap(kIconSize, kIconSize);
    }
    m_icon->setPixmap(icon);
    m_icon->setVisible(!icon.isNull());

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 12, 20, 12);
    layout->setSpacing(10);
    layout->addWidget(m_icon);
    layout->addWidget(m_label);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kShowMs);
    connect(&m_timer, &QTimer::timeout, this, &KvToastWidget::finish);
}

QString KvToastWidget::skinIconName() const
{
    if (m_iconPath == KvToast::kSuccessIcon)
        return QStringLiteral("successful");
    if (m_iconPath == KvToast::kFailureIcon)
        return QStringLiteral("failed");
    return QString();
}

void KvToastWidget::popUp(QWidget *over)
{
    adjustSize();
    QRect area;
    if (over && parentWidget())
        area = QRect(over->mapTo(parentWidget(), QPoint(0, 0)), over->size());
    else if (over)
        area = QRect(over->mapToGlobal(QPoint(0, 0)), over->size());
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
    show();
    raise();
    m_timer.start();
}

void KvToastWidget::finish()
{
    m_timer.stop();
    close();
}

void KvToastWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(KvSkin::instance()->color(QStringLiteral("toastBg")));
    painter.drawRoundedRect(QRectF(rect()), 8, 8);
}
