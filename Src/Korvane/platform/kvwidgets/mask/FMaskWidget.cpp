#include "FMaskWidget.h"

#include "KvSkin.h"
#include "KvToolButtonFactory.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <QToolButton>

namespace {

constexpr int kHighlightMargin = 6;
constexpr int kGuideGap = 12;
constexpr int kGuideMaxWidth = 340;

} // namespace

FMaskWidget::FMaskWidget(QWidget *window)
    : QWidget(window)
    , m_window(window)
    , m_guide(new QWidget(this))
    , m_text(new QLabel(m_guide))
    , m_closeButton(KvToolButtonFactory::create(m_guide, QStringLiteral("FMaskManager_GuideCloseBtn"), tr("Close guide"),
                                                QStringLiteral("close"), QSize(24, 24)))
{
    setObjectName(QStringLiteral("FMaskManager_Mask"));
    m_guide->setObjectName(QStringLiteral("FMaskManager_Guide"));
    m_guide->setAttribute(Qt::WA_StyledBackground);
    m_text->setObjectName(QStringLiteral("FMaskManager_GuideText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    auto *layout = new QHBoxLayout(m_guide);
    layout->setContentsMargins(16, 12, 8, 12);
    layout->setSpacing(8);
    layout->addWidget(m_text, 1, Qt::AlignVCenter);
    layout->addWidget(m_closeButton, 0, Qt::AlignTop);
    m_guide->hide();
    connect(m_closeButton, &QToolButton::clicked, this, &FMaskWidget::sigCloseClicked);

    if (window) {
        window->installEventFilter(this);
        setGeometry(window->rect());
    }
    show();
    raise();
}

void FMaskWidget::setGuide(QWidget *target, const QString &text)
{
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = target;
    if (target)
        target->installEventFilter(this);
    m_text->setText(text);
    m_guide->setAccessibleName(text);
    m_guide->setVisible(!text.isEmpty());
    placeGuide();
    update();
}

QRect FMaskWidget::highlightRect() const
{
    if (!m_target || !m_window || !m_target->isVisible())
        return QRect();
    const QRect target(m_target->mapTo(m_window, QPoint(0, 0)), m_target->size());
    return target.adjusted(-kHighlightMargin, -kHighlightMargin, kHighlightMargin, kHighlightMargin).intersected(rect());
}

QString FMaskWidget::guideText() const
{
    return m_text->text();
}

void FMaskWidget::placeGuide()
{
    // The lit control stays usable: input falls through the hole.
    const QRect lit = highlightRect();
    QRegion shaded(rect());
    if (!lit.isEmpty())
        shaded -= QRegion(lit);
    setMask(shaded);
    if (m_guide->isHidden())
        return;
    m_guide->setFixedWidth(qMin(kGuideMaxWidth, qMax(160, width() - 2 * kGuideGap)));
    m_guide->adjustSize();
    QRect frame(QPoint(0, 0), m_guide->size());
    if (lit.isEmpty()) {
        frame.moveCenter(rect().center());
    } else {
        frame.moveLeft(lit.left());
        if (lit.bottom() + kGuideGap + frame.height() <= height())
            frame.moveTop(lit.bottom() + kGuideGap);
        else
            frame.moveBottom(lit.top() - kGuideGap);
    }
    // Keep the whole text on the window.
    frame.moveLeft(qBound(0, frame.left(), qMax(0, width() - frame.width())));
    frame.moveTop(qBound(0, frame.top(), qMax(0, height() - frame.height())));
    m_guide->move(frame.topLeft());
}

bool FMaskWidget::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_window && type == QEvent::Resize) {
        setGeometry(m_window->rect());
        placeGuide();
        update();
    } else if (watched == m_target && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show
                                       || type == QEvent::Hide)) {
        placeGuide();
        update();
    }
    return false;
}

void FMaskWidget::paintEvent(QPaintEvent *)
{
    KvSkin *skin = KvSkin::instance();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The mask region leaves the lit rectangle out; its frame is drawn
    // just outside it.
    painter.fillRect(rect(), skin->color(QStringLiteral("shade")));
    const QRect lit = highlightRect();
    if (!lit.isEmpty()) {
        painter.setPen(QPen(skin->color(QStringLiteral("guideHighlight")), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(lit).adjusted(-1, -1, 1, 1));
    }
    if (!m_guide->isHidden()) {
        painter.setPen(QPen(skin->color(QStringLiteral("tipBorder")), 1));
        painter.setBrush(skin->color(QStringLiteral("tipBg")));
        painter.drawRoundedRect(QRectF(m_guide->geometry()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
}
