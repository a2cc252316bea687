#pragma once

#include "LineEditWithClearBtn.h"

// The shortcut dialog's search field. Every change of its text is announced
// trimmed and in lower case; Escape does nothing here (it would close the
// dialog).
class FShortCutSearchLineEdit : public LineEditWithClearBtn
{
    Q_OBJECT

public:
    explicit FShortCutSearchLineEdit(QWidget *parent = nullptr);

    static QString placeholder();
    bool isSearching() const { return m_searching; }

signals:
    void sigSendSearchString(const QString &text);
    // True on entering a search (first non-empty text), false on leaving it.
    void sigSearchingStateChanged(bool searching);

public slots:
    void slotClearBtnClicked();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onTextChanged(const QString &text);

    bool m_searching = false;
};
