#pragma once

#include <QMargins>
#include <QTimer>
#include <QWidget>

class QLabel;

// A small plate of text with an arrow on one side, pointing at the control it
// talks about ("takes effect after restart"). A child of the widget it
// floats in; it takes no input.
//
// The arrow position is a two-digit code: the tens give the side the arrow
// sits on (1 left, 2 right, 3 top, 4 bottom), the units where along that
// side (1 start, 5 centre, 9 end, the rest in between). 0 has no arrow.
class KvTipWidget : public QWidget
{
    Q_OBJECT

public:
    enum ArrowPosition {
        NoArrow = 0,
        LeftTop = 11,
        LeftCenter = 15,
        LeftBottom = 19,
        RightTop = 21,
        RightCenter = 25,
        RightBottom = 29,
        TopLeft = 31,
        TopCenter = 35,
        TopRight = 39,
        BottomLeft = 41,
        BottomCenter = 45,
        BottomRight = 49,
    };

    enum ShowMode {
        // Where it stands, until hidden.
        ShowInPlace = 0,
        // Where it stands, for kAutoHideMs.
        ShowInPlaceBriefly = 1,
        // Centred in its parent, until hidden.
        ShowCentered = 2,
        // Centred in its parent, for kAutoHideMs.
        ShowCenteredBriefly = 3,
    };

    static constexpr int kAutoHideMs = 3000;
    static constexpr int kArrowSize = 6;

    explicit KvTipWidget(QWidget *parent = nullptr, int arrowPosition = NoArrow);

    void setArrowPosition(int arrowPosition);
    int arrowPosition() const { return m_arrowPosition; }

    void setText(const QString &text);
    QString text() const { return m_text; }
    // Shown while the text is empty.
    void setPlaceholderText(const QString &text);
    QString placeholderText() const { return m_placeholder; }

    // Room between the plate's edge and the text; 16 and 8 by default.
    void setTextMargins(int horizontal, int vertical);
    QMargins textMargins() const { return m_textMargins; }

    // The point of the arrow, in the tip's own coordinates (the plate's
    // centre when there is no arrow).
    QPoint arrowTip() const;
    // Moves the tip so that its arrow points at `target` (parent coordinates).
    void pointAt(const QPoint &target);

    void OnShow(int mode);

signals:
    void sigHidden();

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void relayout();
    QRect plateRect() const;

    QLabel *m_label;
    QString m_text;
    QString m_placeholder;
    QMargins m_textMargins{16, 8, 16, 8};
    int m_arrowPosition = NoArrow;
    QTimer m_hideTimer;
};
