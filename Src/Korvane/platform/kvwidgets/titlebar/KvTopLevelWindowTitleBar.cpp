#include "KvTopLevelWindowTitleBar.h"

#include "KvSkin.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int kButtonHeight = 24;
constexpr int kDragThreshold = 3;

QToolButton *makeWindowButton(QWidget *parent, const char *objectName, const QString &text, const QString &icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setToolTip(text);
    button->setAccessibleName(text);
    button->setIcon(KvSkin::instance()->icon(icon));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

KvTopLevelWindowTitleBar::KvTopLevelWindowTitleBar(QWidget *topLevelWindow, QWidget *dragArea)
    : QWidget(dragArea)
    , m_window(topLevelWindow)
    , m_dragArea(dragArea)
{
    m_minButton = makeWindowButton(this, "KvTitleBar_MinBtn", tr("Minimize"), QStringLiteral("minimize"));
    m_maxButton = makeWindowButton(this, "KvTitleBar_MaxBtn", tr("Maximize"), QStringLiteral("maximize"));
    m_closeButton = makeWindowButton(this, "KvTitleBar_CloseBtn", tr("Close"), QStringLiteral("close"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 8, 0);
    layout->setSpacing(8);
    layout->addWidget(m_minButton);
    layout->addWidget(m_maxButton);
    layout->addWidget(m_closeButton);
    setButtonWidth(24);

    connect(m_minButton, &QToolButton::clicked, this, [this] {
        if (m_window)
            m_window->showMinimized();
    });
    connect(m_maxButton, &QToolButton::clicked, this, &KvTopLevelWindowTitleBar::toggleMaximized);
    connect(m_closeButton, &QToolButton::clicked, this, [this] {
        emit sigCloseClicked();
        if (m_window)
            m_window->close();
    });

    // Presses anywhere in the window must be seen for the edge resize, also
    // over child widgets that would otherwise take them.
    qApp->installEventFilter(this);
    updateMaximizeButton();
    placeInDragArea();
}

KvTopLevelWindowTitleBar::~KvTopLevelWindowTitleBar()
{
    qApp->removeEventFilter(this);
}

void KvTopLevelWindowTitleBar::setButtons(int buttons)
{
    m_buttons = buttons;
    m_minButton->setVisible(buttons & MinimizeButton);
    m_maxButton->setVisible(buttons & MaximizeButton);
    m_closeButton->setVisible(buttons & CloseButton);
    placeInDragArea();
}

void KvTopLevelWindowTitleBar::setSystemBorderVisible(bool visible)
{
    if (!m_window || visible)
        return;
    m_window->setWindowFlag(Qt::FramelessWindowHint, true);
}

void KvTopLevelWindowTitleBar::setButtonWidth(int width)
{
    for (QToolButton *button : {m_minButton, m_maxButton, m_closeButton}) {
        button->setFixedSize(width, kButtonHeight);
        button->setIconSize(QSize(qMin(width, 16), 16));
    }
    placeInDragArea();
}

void KvTopLevelWindowTitleBar::initMaximizeButtonState()
{
    updateMaximizeButton();
}

bool KvTopLevelWindowTitleBar::isMaximized() const
{
    return m_selfMaximized || (m_window && m_window->isMaximized());
}

void KvTopLevelWindowTitleBar::setMaximized(bool maximized)
{
    if (!m_window || maximized == isMaximized())
        return;
    if (maximized) {
        const QScreen *screen = m_window->screen();
        if (!screen)
            return;
        m_normalGeometry = m_window->geometry();
        // Set first: the window's resize handler asks for the state.
        m_selfMaximized = true;
        m_window->setGeometry(screen->availableGeometry());
    } else if (m_selfMaximized) {
        m_selfMaximized = false;
        if (m_normalGeometry.isValid())
            m_window->setGeometry(m_normalGeometry);
    } else {
        m_window->showNormal();
    }
    updateMaximizeButton();
    emit sigMaximizedChanged(isMaximized());
}

void KvTopLevelWindowTitleBar::toggleMaximized()
{
    setMaximized(!isMaximized());
}

Qt::Edges KvTopLevelWindowTitleBar::edgesAt(const QPoint &windowPos) const
{
    Qt::Edges edges;
    if (!m_window || !m_resizable || isMaximized())
        return edges;
    const QRect rect = m_window->rect();
    if (!rect.contains(windowPos))
        return edges;
    if (windowPos.x() < kResizeBorder)
        edges |= Qt::LeftEdge;
    else if (windowPos.x() >= rect.width() - kResizeBorder)
        edges |= Qt::RightEdge;
    if (windowPos.y() < kResizeBorder)
        edges |= Qt::TopEdge;
    else if (windowPos.y() >= rect.height() - kResizeBorder)
        edges |= Qt::BottomEdge;
    return edges;
}

bool KvTopLevelWindowTitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_window || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (watched == m_window && event->type() == QEvent::WindowStateChange) {
        updateMaximizeButton();
        emit sigMaximizedChanged(isMaximized());
        return false;
    }
    if (watched == m_dragArea && event->type() == QEvent::Resize) {
        placeInDragArea();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick:
        break;
    default:
        return false;
    }
    if (widget->window() != m_window)
        return false;
    if (handleWindowMouse(widget, event))
        return true;
    return widget == m_dragArea && handleDragAreaMouse(event);
}

bool KvTopLevelWindowTitleBar::handleWindowMouse(QWidget *receiver, QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint windowPos = m_window->mapFromGlobal(mouse->globalPos());
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_manual == Manual::Resize) {
            m_window->setGeometry(resizedGeometry(mouse->globalPos()));
            return true;
        }
        if (m_manual == Manual::Move) {
            m_window->move(m_pressGeometry.topLeft() + mouse->globalPos() - m_pressGlobal);
            return true;
        }
        if (!(mouse->buttons() & Qt::LeftButton))
            updateCursor(edgesAt(windowPos));
        return false;
    case QEvent::MouseButtonPress: {
        if (mouse->button() != Qt::LeftButton)
            return false;
        const Qt::Edges edges = edgesAt(windowPos);
        if (!edges)
            return false;
        QWindow *handle = m_window->windowHandle();
        if (handle && handle->startSystemResize(edges))
            return true;
        m_manual = Manual::Resize;
        m_manualEdges = edges;
        m_pressGlobal = mouse->globalPos();
        m_pressGeometry = m_window->geometry();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_manual == Manual::Move || m_manual == Manual::Resize) {
            m_manual = Manual::None;
            return true;
        }
        Q_UNUSED(receiver)
        return false;
    default:
        return false;
    }
}

bool KvTopLevelWindowTitleBar::handleDragAreaMouse(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (mouse->button() != Qt::LeftButton || !(m_buttons & MaximizeButton))
            return false;
        m_manual = Manual::None;
        toggleMaximized();
        return true;
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_manual = Manual::Pending;
        m_pressGlobal = mouse->globalPos();
        m_pressGeometry = m_window->geometry();
        return true;
    case QEvent::MouseMove: {
        if (m_manual != Manual::Pending || !(mouse->buttons() & Qt::LeftButton))
            return false;
        const QPoint delta = mouse->globalPos() - m_pressGlobal;
        if (delta.manhattanLength() < kDragThreshold)
            return true;
        const bool restored = m_selfMaximized;
        if (m_selfMaximized) {
            if (!m_maximizeByDrag) {
                m_manual = Manual::None;
                return true;
            }
            // Restore under the pointer, keeping its relative place across.
            const double ratio = double(mouse->pos().x()) / qMax(1, m_dragArea->width());
            QRect normal = m_normalGeometry.isValid() ? m_normalGeometry : m_window->geometry();
            m_selfMaximized = false;
            normal.moveTopLeft(QPoint(mouse->globalPos().x() - int(ratio * normal.width()),
                                      mouse->globalPos().y() - mouse->pos().y()));
            m_window->setGeometry(normal);
            updateMaximizeButton();
            emit sigMaximizedChanged(false);
        }
        QWindow *handle = m_window->windowHandle();
        if (handle && handle->startSystemMove()) {
            m_manual = Manual::None;
            return true;
        }
        m_manual = Manual::Move;
        if (restored) {
            m_pressGeometry = m_window->geometry();
            m_pressGlobal = mouse->globalPos();
        } else {
            m_window->move(m_pressGeometry.topLeft() + delta);
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_manual == Manual::Pending) {
            m_manual = Manual::None;
            return true;
        }
        return false;
    default:
        return false;
    }
}

QRect KvTopLevelWindowTitleBar::resizedGeometry(const QPoint &globalPos) const
{
    const QPoint delta = globalPos - m_pressGlobal;
    const QSize minimum = m_window->minimumSize();
    QRect geometry = m_pressGeometry;
    if (m_manualEdges & Qt::LeftEdge)
        geometry.setLeft(qMin(geometry.left() + delta.x(), geometry.right() - minimum.width() + 1));
    if (m_manualEdges & Qt::RightEdge)
        geometry.setRight(qMax(geometry.right() + delta.x(), geometry.left() + minimum.width() - 1));
    if (m_manualEdges & Qt::TopEdge)
        geometry.setTop(qMin(geometry.top() + delta.y(), geometry.bottom() - minimum.height() + 1));
    if (m_manualEdges & Qt::BottomEdge)
        geometry.setBottom(qMax(geometry.bottom() + delta.y(), geometry.top() + minimum.height() - 1));
    return geometry;
}

void KvTopLevelWindowTitleBar::placeInDragArea()
{
    if (!m_dragArea)
        return;
    const int width = sizeHint().width();
    setGeometry(m_dragArea->width() - width, 0, width, m_dragArea->height());
    raise();
}

void KvTopLevelWindowTitleBar::updateMaximizeButton()
{
    const bool maximized = isMaximized();
    const QString text = maximized ? tr("Restore") : tr("Maximize");
    m_maxButton->setToolTip(text);
    m_maxButton->setAccessibleName(text);
    // Not "maximized": every widget has a read-only property of that name.
    if (m_maxButton->property("windowMaximized").toBool() != maximized) {
        m_maxButton->setProperty("windowMaximized", maximized);
        m_maxButton->style()->unpolish(m_maxButton);
        m_maxButton->style()->polish(m_maxButton);
    }
    // After the polish, so that a style sheet's icon does not win.
    m_maxButton->setIcon(KvSkin::instance()->icon(maximized ? QStringLiteral("restore") : QStringLiteral("maximize")));
}

void KvTopLevelWindowTitleBar::updateCursor(Qt::Edges edges)
{
    if (!edges) {
        if (m_cursorSet) {
            m_window->unsetCursor();
            m_cursorSet = false;
        }
        return;
    }
    Qt::CursorShape shape = Qt::SizeHorCursor;
    if ((edges & Qt::TopEdge && edges & Qt::LeftEdge) || (edges & Qt::BottomEdge && edges & Qt::RightEdge))
        shape = Qt::SizeFDiagCursor;
    else if ((edges & Qt::TopEdge && edges & Qt::RightEdge) || (edges & Qt::BottomEdge && edges & Qt::LeftEdge))
        shape = Qt::SizeBDiagCursor;
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        shape = Qt::SizeVerCursor;
    m_window->setCursor(shape);
    m_cursorSet = true;
}
