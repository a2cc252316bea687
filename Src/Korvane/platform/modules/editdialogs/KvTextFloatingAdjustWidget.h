#pragma once

#include <QFrame>

class QToolButton;

// The small tool strip shown over the player for a selected text clip: edit
// the text, make it smaller or larger, step to the clip's next text item
// (only when it has two or more).
class KvTextFloatingAdjustWidget : public QFrame
{
    Q_OBJECT

public:
    explicit KvTextFloatingAdjustWidget(QWidget *parent = nullptr);
    ~KvTextFloatingAdjustWidget() override;

    void setFewerThanTwoTextItems(bool fewer);
    bool fewerThanTwoTextItems() const { return m_fewerThanTwo; }
    // Hides the strip and forgets the clip it was for.
    void detach();
    bool isAttached() const { return m_attached; }
    // Marks the strip as belonging to the current selection and shows it.
    void attach();

    static constexpr int kFontStep = 2;

signals:
    void sigEditText();
    void sigFontSizeStep(int delta);
    void sigNextTextItem();

private:
    QToolButton *makeButton(const QString &objectName, const QString &text);

    QToolButton *m_next;
    bool m_fewerThanTwo = true;
    bool m_attached = false;
};
