#pragma once

#include <QKeySequence>
#include <QWidget>

class LineEditWithClearBtn;

// The key field of one command in the shortcut dialog. It turns key presses
// into key sequences (KvShortcutKeyCapture) and shows the sequence it was
// last given; a half-typed state never outlives the focus.
//
// Text states, read by the style sheet through the "WorkType" property:
//   unbound -> "Add" (tool tip "Add Shortcut"), "WaitInput"; or the
//              command's mouse alternative when it has one, "Normal"
//   bound   -> the sequence's display text, "Normal"
class FShortCutLineEidt : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 212;

    explicit FShortCutLineEidt(QWidget *parent = nullptr);

    // Shows `sequence` and remembers it as the field's text.
    void setKeySequence(const QKeySequence &sequence);
    QKeySequence keySequence() const { return m_sequence; }
    // Shown instead of "Add" while unbound (the command's mouse gesture).
    void setUnboundText(const QString &text);

    QString shownText() const;
    QString workType() const;
    LineEditWithClearBtn *lineEdit() const { return m_edit; }

signals:
    void sigKeySequenceChanged(const QKeySequence &sequence);
    void sigSetEmptyBtnClickedFromBase();
    void sigLineEditLoseFocus();
    void sigInvalidKeyPressEvent();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKeyPress(QKeyEvent *event);
    void showRemembered();
    void updateClearButton();

    LineEditWithClearBtn *m_edit;
    QKeySequence m_sequence;
    QString m_rememberedText;
    QString m_unboundText;
};
