#include "FLoadingAnimation.h"

#include <QPainter>
#include <QTimerEvent>

#include <cmath>

FLoadingAnimation::FLoadingAnimation(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FLoadingAnimation"));
    setFixedSize(kSide, kSide);
}

void FLoadingAnimation::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor accent = palette().color(QPalette::Highlight);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double radius = kSide / 2.0 - 6.0;
    for (int i = 0; i < kDots; ++i) {
        // The dot at the current step is the head; the ones behind it fade.
        const int behind = (m_step - i + kDots) % kDots;
        QColor colour = accent;
        colour.setAlphaF(1.0 - 0.8 * behind / (kDots - 1));
        painter.setBrush(colour);
        const double angle = 2.0 * M_PI * i / kDots - M_PI / 2.0;
        const double dotRadius = 4.5 - 2.0 * behind / (kDots - 1);
        painter.drawEllipse(centre + QPointF(radius * std::cos(angle), radius * std::sin(angle)), dotRadius,
                            dotRadius);
    }
}

void FLoadingAnimation::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_timer.start(kTickMs, this);
}

void FLoadingAnimation::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

void FLoadingAnimation::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_step = (m_step + 1) % kDots;
    update();
}
