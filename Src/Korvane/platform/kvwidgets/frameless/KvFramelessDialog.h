#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// The editor's dialog: no system frame, its own title bar (title and close
// button) that moves the dialog, a content area, and an optional bar of
// buttons at the bottom. Each button carries the number that DoModal returns
// when it is clicked; the close button and Escape return Closed.
//
// Tests answer dialogs through the answerer: while one is set, DoModal hands
// it the filled dialog instead of running an event loop and returns its answer.
class KvFramelessDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result {
        Closed = 0,
    };

    // The widths dialogs come in, so that dialogs of a kind line up.
    enum WidthClass {
        NarrowWidth = 400,
        StandardWidth = 540,
        WideWidth = 720,
    };

    static constexpr int kTitleBarHeight = 40;

    using Answerer = std::function<int(KvFramelessDialog &dialog)>;

    explicit KvFramelessDialog(QWidget *parent = nullptr, WidthClass widthClass = StandardWidth);
    ~KvFramelessDialog() override;

    void setTitle(const QString &title);
    QString title() const;

    // The area between title and buttons. Give it a layout, or replace it.
    QWidget *contentWidget() const { return m_content; }
    // Takes ownership of `content`; the previous content widget is deleted.
    void setContentWidget(QWidget *content);

    // Buttons appear left to right, right-aligned, in the order they are
    // added; a primary button is drawn in the accent colour.
    QPushButton *addButton(const QString &text, int result, bool primary = false);
    QPushButton *button(int result) const;
    QStringList buttonTexts() const;
    bool hasButtonBar() const;

    QToolButton *closeButton() const { return m_closeButton; }
    void setCloseButtonVisible(bool visible);

    void setWidthClass(WidthClass widthClass);
    WidthClass widthClass() const { return m_widthClass; }

    // Shows the dialog modally and returns the number of the button clicked.
    int DoModal();

    // Empty restores the modal dialog. GUI thread only.
    static void setAnswerer(Answerer answerer);
    static bool hasAnswerer();

signals:
    void sigCloseClicked();

protected:
    // The modal run both dialogs and messages share: logs what is asked and
    // the answer; `answer` stands in for the user when set.
    int runModal(const char *kind, const QString &what, const std::function<int()> &answer);

    // The close button's action; ends the dialog with Closed unless a
    // subclass decides otherwise.
    virtual void onCloseClicked();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleTitleBarMouse(QEvent *event);

    QFrame *m_frame;
    QWidget *m_titleBar;
    QLabel *m_title;
    QToolButton *m_closeButton;
    QVBoxLayout *m_frameLayout;
    QWidget *m_content;
    QWidget *m_buttonBar;
    QHBoxLayout *m_buttons;
    WidthClass m_widthClass;
    // Dragging by hand where the window system cannot move the window.
    QPoint m_dragOffset;
    bool m_dragging = false;
};
