#pragma once

#include <QLineEdit>

class QToolButton;

// A line edit with a small clear button inside its right edge. The button
// does not clear the text itself: it says so (sigSetEmptyBtnClicked) and the
// owner decides what empty means.
class LineEditWithClearBtn : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineEditWithClearBtn(QWidget *parent = nullptr);

    QToolButton *clearButton() const { return m_clearButton; }
    void setClearButtonShown(bool shown);

signals:
    void sigSetEmptyBtnClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_clearButton;
};
