#include "FShortCutLineEidt.h"

#include "KvShortcutKeyCapture.h"
#include "LineEditWithClearBtn.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>

FShortCutLineEidt::FShortCutLineEidt(QWidget *parent)
    : QWidget(parent)
    , m_edit(new LineEditWithClearBtn(this))
{
    setFixedWidth(kWidth);
    setFocusProxy(m_edit);
    m_edit->setObjectName(QStringLiteral("FShortCutLineEidt_Edit"));
    m_edit->setContextMenuPolicy(Qt::NoContextMenu);
    // Keys become sequences here; nothing may type into the text.
    m_edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_edit->installEventFilter(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    connect(m_edit, &LineEditWithClearBtn::sigSetEmptyBtnClicked, this,
            &FShortCutLineEidt::sigSetEmptyBtnClickedFromBase);
    showRemembered();
}

void FShortCutLineEidt::setKeySequence(const QKeySequence &sequence)
{
    m_sequence = sequence;
    showRemembered();
}

void FShortCutLineEidt::setUnboundText(const QString &text)
{
    m_unboundText = text;
    showRemembered();
}

QString FShortCutLineEidt::shownText() const
{
    return m_edit->text();
}

QString FShortCutLineEidt::workType() const
{
    return m_edit->property("WorkType").toString();
}

void FShortCutLineEidt::showRemembered()
{
    QString text;
    QString toolTip;
    QString workType = QStringLiteral("Normal");
    if (!m_sequence.isEmpty()) {
        text = KvShortcutKeyCapture::displayText(m_sequence);
    } else if (!m_unboundText.isEmpty()) {
        text = m_unboundText;
    } else {
        text = tr("Add");
        toolTip = tr("Add Shortcut");
        workType = QStringLiteral("WaitInput");
    }
    m_rememberedText = text;
    m_edit->setText(text);
    m_edit->setToolTip(toolTip);
    m_edit->setAccessibleDescription(text);
    if (m_edit->property("WorkType").toString() != workType) {
        m_edit->setProperty("WorkType", workType);
        m_edit->style()->unpolish(m_edit);
        m_edit->style()->polish(m_edit);
    }
    updateClearButton();
}

void FShortCutLineEidt::updateClearButton()
{
    m_edit->setClearButtonShown(!m_sequence.isEmpty() && (m_edit->hasFocus() || underMouse()));
}

bool FShortCutLineEidt::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key is for the field while it has the focus, including the
        // ones the main window has bound.
        event->accept();
        return true;
    case QEvent::KeyPress:
        return handleKeyPress(static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        return true;
    case QEvent::FocusIn:
        m_edit->selectAll();
        updateClearButton();
        break;
    case QEvent::FocusOut:
        m_edit->setText(m_rememberedText);
        updateClearButton();
        emit sigLineEditLoseFocus();
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        updateClearButton();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool FShortCutLineEidt::handleKeyPress(QKeyEvent *event)
{
    const bool wholeSelected = !m_edit->text().isEmpty() && m_edit->selectedText() == m_edit->text();
    const KvShortcutKeyCapture::Result result = KvShortcutKeyCapture::capture(*event, wholeSelected);
    switch (result.outcome) {
    case KvShortcutKeyCapture::Outcome::RefusedPassOn:
        emit sigInvalidKeyPressEvent();
        return false;
    case KvShortcutKeyCapture::Outcome::Refused:
        emit sigInvalidKeyPressEvent();
        return true;
    case KvShortcutKeyCapture::Outcome::Ignored:
    case KvShortcutKeyCapture::Outcome::Consumed:
        return true;
    case KvShortcutKeyCapture::Outcome::Sequence:
        m_edit->setText(KvShortcutKeyCapture::displayText(result.sequence));
        emit sigKeySequenceChanged(result.sequence);
        return true;
    }
    return true;
}
