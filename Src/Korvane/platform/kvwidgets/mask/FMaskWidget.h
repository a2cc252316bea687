#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

class QLabel;
class QToolButton;

// The shade FMaskManager lays over a window. It keeps the window's size and
// swallows the input meant for what it covers. A guide step cuts a lit hole
// round the control it explains and shows its text beside it, with a close
// button.
class FMaskWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FMaskWidget(QWidget *window);

    // `target` (a descendant of the window, may be null) is lit; the text
    // stands below it, or above when there is no room below.
    void setGuide(QWidget *target, const QString &text);
    // The lit rectangle in the mask's coordinates; empty without a guide.
    QRect highlightRect() const;
    QString guideText() const;
    QToolButton *closeButton() const { return m_closeButton; }

signals:
    void sigCloseClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void placeGuide();

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_target;
    QWidget *m_guide;
    QLabel *m_text;
    QToolButton *m_closeButton;
};
