#include "KvTipWidget.h"

#include "IKvBaseLog.h"
#include "KvSkin.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kMaxTextWidth = 320;
constexpr int kRadius = 6;

int sideOf(int arrowPosition)
{
    return arrowPosition / 10;
}

} // namespace

KvTipWidget::KvTipWidget(QWidget *parent, int arrowPosition)
    : QWidget(parent)
    , m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("KvTipWidget"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->setObjectName(QStringLiteral("KvTipWidget_Text"));
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(kAutoHideMs);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
    setArrowPosition(arrowPosition);
    hide();
}

void KvTipWidget::setArrowPosition(int arrowPosition)
{
    const int side = sideOf(arrowPosition);
    if (arrowPosition != NoArrow && (side < 1 || side > 4 || arrowPosition % 10 == 0)) {
        KV_LOG_ERROR("tip arrow position %d is not a side and a place; drawn without an arrow", arrowPosition);
        arrowPosition = NoArrow;
    }
    m_arrowPosition = arrowPosition;
    relayout();
}

void KvTipWidget::setText(const QString &text)
{
    m_text = text;
    setAccessibleName(text.isEmpty() ? m_placeholder : text);
    relayout();
}

void KvTipWidget::setPlaceholderText(const QString &text)
{
    m_placeholder = text;
    if (m_text.isEmpty())
        setAccessibleName(text);
    relayout();
}

void KvTipWidget::setTextMargins(int horizontal, int vertical)
{
    m_textMargins = QMargins(horizontal, vertical, horizontal, vertical);
    relayout();
}

QRect KvTipWidget::plateRect() const
{
    QMargins arrow;
    switch (sideOf(m_arrowPosition)) {
    case 1: arrow.setLeft(kArrowSize); break;
    case 2: arrow.setRight(kArrowSize); break;
    case 3: arrow.setTop(kArrowSize); break;
    case 4: arrow.setBottom(kArrowSize); break;
    default: break;
    }
    return rect().marginsRemoved(arrow);
}

void KvTipWidget::relayout()
{
    m_label->setText(m_text.isEmpty() ? m_placeholder : m_text);
    m_label->setMaximumWidth(kMaxTextWidth);
    // The style sheet may set the text's font; measure with it.
    m_label->ensurePolished();
    const QSize textSize = m_label->sizeHint().boundedTo(QSize(kMaxTextWidth, QWIDGETSIZE_MAX));
    QSize size = textSize.grownBy(m_textMargins);
    const int side = sideOf(m_arrowPosition);
    if (side == 1 || side == 2)
        size.rwidth() += kArrowSize;
    else if (side == 3 || side == 4)
        size.rheight() += kArrowSize;
    resize(size);
    m_label->setGeometry(plateRect().marginsRemoved(m_textMargins));
    update();
}

QPoint KvTipWidget::arrowTip() const
{
    const QRect plate = plateRect();
    const int place = m_arrowPosition % 10;
    // Keep the arrow clear of the rounded corners.
    const int inset = kRadius + kArrowSize;
    const auto along = [&](int length) { return inset + (length - 2 * inset) * (place - 1) / 8; };
    switch (sideOf(m_arrowPosition)) {
    case 1: return QPoint(0, plate.top() + along(plate.height()));
    case 2: return QPoint(width() - 1, plate.top() + along(plate.height()));
    case 3: return QPoint(plate.left() + along(plate.width()), 0);
    case 4: return QPoint(plate.left() + along(plate.width()), height() - 1);
    default: return plate.center();
    }
}

void KvTipWidget::pointAt(const QPoint &target)
{
    move(target - arrowTip());
}

void KvTipWidget::OnShow(int mode)
{
    relayout();
    if (mode == ShowCentered || mode == ShowCenteredBriefly) {
        if (QWidget *area = parentWidget()) {
            QRect frame(QPoint(0, 0), size());
            frame.moveCenter(area->rect().center());
            move(frame.topLeft());
        }
    } else if (mode != ShowInPlace && mode != ShowInPlaceBriefly) {
        KV_LOG_ERROR("tip shown in unknown mode %d; shown in place", mode);
    }
    show();
    raise();
    if (mode == ShowInPlaceBriefly || mode == ShowCenteredBriefly)
        m_hideTimer.start();
    else
        m_hideTimer.stop();
}

void KvTipWidget::paintEvent(QPaintEvent *)
{
    KvSkin *skin = KvSkin::instance();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(plateRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(plate, kRadius, kRadius);
    if (m_arrowPosition != NoArrow) {
        const QPointF tip = arrowTip();
        QPolygonF arrow;
        switch (sideOf(m_arrowPosition)) {
        case 1:
        case 2: {
            const qreal x = sideOf(m_arrowPosition) == 1 ? plate.left() + 1 : plate.right() - 1;
            arrow << QPointF(x, tip.y() - kArrowSize) << tip << QPointF(x, tip.y() + kArrowSize);
            break;
        }
        default: {
            const qreal y = sideOf(m_arrowPosition) == 3 ? plate.top() + 1 : plate.bottom() - 1;
            arrow << QPointF(tip.x() - kArrowSize, y) << tip << QPointF(tip.x() + kArrowSize, y);
            break;
        }
        }
        QPainterPath arrowPath;
        arrowPath.addPolygon(arrow);
        arrowPath.closeSubpath();
        path = path.united(arrowPath);
    }
    painter.setPen(QPen(skin->color(QStringLiteral("tipBorder")), 1));
    painter.setBrush(skin->color(QStringLiteral("tipBg")));
    painter.drawPath(path);
}

void KvTipWidget::hideEvent(QHideEvent *event)
{
    m_hideTimer.stop();
    QWidget::hideEvent(event);
    emit sigHidden();
}
