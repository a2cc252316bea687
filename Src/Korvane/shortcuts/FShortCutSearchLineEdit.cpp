#include "FShortCutSearchLineEdit.h"

#include <QKeyEvent>
#include <QToolButton>

FShortCutSearchLineEdit::FShortCutSearchLineEdit(QWidget *parent)
    : LineEditWithClearBtn(parent)
{
    setObjectName(QStringLiteral("FShortcutSearchLineEdit"));
    setPlaceholderText(placeholder());
    setAccessibleName(placeholder());
    clearButton()->setObjectName(QStringLiteral("FShortcutSearchLineEdit_ClearBtn"));
    connect(this, &LineEditWithClearBtn::sigSetEmptyBtnClicked, this, &FShortCutSearchLineEdit::slotClearBtnClicked);
    connect(this, &QLineEdit::textChanged, this, &FShortCutSearchLineEdit::onTextChanged);
}

QString FShortCutSearchLineEdit::placeholder()
{
    return tr("Search keyboard shortcuts");
}

void FShortCutSearchLineEdit::slotClearBtnClicked()
{
    clear();
    setClearButtonShown(false);
}

void FShortCutSearchLineEdit::focusInEvent(QFocusEvent *event)
{
    setPlaceholderText(QString());
    LineEditWithClearBtn::focusInEvent(event);
}

void FShortCutSearchLineEdit::focusOutEvent(QFocusEvent *event)
{
    setPlaceholderText(placeholder());
    setClearButtonShown(!text().isEmpty());
    LineEditWithClearBtn::focusOutEvent(event);
}

void FShortCutSearchLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    LineEditWithClearBtn::keyPressEvent(event);
}

void FShortCutSearchLineEdit::onTextChanged(const QString &text)
{
    setClearButtonShown(!text.isEmpty());
    const QString search = text.trimmed().toLower();
    const bool searching = !search.isEmpty();
    if (searching != m_searching) {
        m_searching = searching;
        emit sigSearchingStateChanged(searching);
    }
    emit sigSendSearchString(search);
}
