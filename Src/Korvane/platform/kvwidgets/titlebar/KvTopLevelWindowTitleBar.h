#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

class QToolButton;

// The window buttons and the window handling of a frameless top-level
// window. It sits at the right end of a title strip (its parent, the drag
// area) and makes the strip behave like a system title bar:
//   - a press on the strip moves the window, a double-click maximizes or
//     restores it;
//   - a press within a few pixels of the window's edge resizes it;
//   - the buttons minimize, maximize/restore and close.
// Moving and resizing go through the window manager (startSystemMove /
// startSystemResize). When no window manager answers (a bare X server) the
// window is moved and sized here. Maximizing keeps the normal geometry and
// fills the screen's available area itself, so it works the same with or
// without a window manager.
class KvTopLevelWindowTitleBar : public QWidget
{
    Q_OBJECT

public:
    // Bits of setButtons(); 52 is the usual minimize, maximize and close.
    enum Button {
        MinimizeButton = 0x04,
        MaximizeButton = 0x10,
        CloseButton = 0x20,
    };

    // The pixels along the window's edges that start a resize.
    static constexpr int kResizeBorder = 4;

    KvTopLevelWindowTitleBar(QWidget *topLevelWindow, QWidget *dragArea);
    ~KvTopLevelWindowTitleBar() override;

    void setButtons(int buttons);
    int buttons() const { return m_buttons; }
    void setResizable(bool resizable) { m_resizable = resizable; }
    bool isResizable() const { return m_resizable; }
    // Dragging a maximized window restores it under the pointer.
    void setMaximizeByDrag(bool enable) { m_maximizeByDrag = enable; }
    void setSystemBorderVisible(bool visible);
    void setIconLabelVisible(bool visible) { m_iconLabelVisible = visible; }
    void setButtonWidth(int width);
    // Reads the window's state into the maximize button.
    void initMaximizeButtonState();

    bool isMaximized() const;
    void setMaximized(bool maximized);
    void toggleMaximized();
    QRect normalGeometry() const { return m_normalGeometry; }

    // Which edges a point (window coordinates) is on; none when the window
    // is maximized or not resizable.
    Qt::Edges edgesAt(const QPoint &windowPos) const;

    QToolButton *minimizeButton() const { return m_minButton; }
    QToolButton *maximizeButton() const { return m_maxButton; }
    QToolButton *closeButton() const { return m_closeButton; }

signals:
    void sigMaximizedChanged(bool maximized);
    void sigCloseClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleWindowMouse(QWidget *receiver, QEvent *event);
    bool handleDragAreaMouse(QEvent *event);
    void placeInDragArea();
    void updateMaximizeButton();
    void updateCursor(Qt::Edges edges);
    QRect resizedGeometry(const QPoint &globalPos) const;

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_dragArea;
    QToolButton *m_minButton = nullptr;
    QToolButton *m_maxButton = nullptr;
    QToolButton *m_closeButton = nullptr;
    int m_buttons = MinimizeButton | MaximizeButton | CloseButton;
    bool m_resizable = true;
    bool m_maximizeByDrag = true;
    bool m_iconLabelVisible = false;
    bool m_selfMaximized = false;
    bool m_cursorSet = false;
    QRect m_normalGeometry;

    // A move or resize carried out here because no window manager took it.
    enum class Manual { None, Pending, Move, Resize };
    Manual m_manual = Manual::None;
    Qt::Edges m_manualEdges;
    QPoint m_pressGlobal;
    QRect m_pressGeometry;
};
