#include "FShortCutItemWid.h"

#include "FShortCutLineEidt.h"
#include "KvShortcutCommands.h"
#include "KvSkin.h"
#include "LineEditWithClearBtn.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int kButtonSize = 24;

QPushButton *makeSquareButton(QWidget *parent, const QString &objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

FShortCutItemWid::FShortCutItemWid(int commandId, const QString &name, const QString &moduleName,
                                   const QKeySequence &sequence, const QKeySequence &defaultSequence, QWidget *parent)
    : QWidget(parent)
    , m_commandId(commandId)
    , m_defaultSequence(defaultSequence)
    , m_name(new QLabel(name, this))
    , m_module(new QLabel(moduleName, this))
    , m_keyField(new FShortCutLineEidt(this))
    , m_restore(makeSquareButton(this, QStringLiteral("FComlib_FShortCut_RefreshButton")))
    , m_placeholder(makeSquareButton(this, QStringLiteral("FComlib_FShortCut_LayoutHelperBtn")))
{
    setObjectName(QStringLiteral("FComlib_FShortCutItemWid"));
    setFixedHeight(kHeight);
    m_name->setFixedSize(200, 24);
    m_name->setTextFormat(Qt::PlainText);
    m_module->setObjectName(QStringLiteral("ShortCutSettingModuleLab"));
    m_module->setMinimumWidth(130);
    m_module->setTextFormat(Qt::PlainText);
    // Lets the end-to-end step driver find a command's field by its id.
    m_keyField->lineEdit()->setObjectName(QStringLiteral("FShortCutKeyField_%1").arg(commandId));
    m_keyField->lineEdit()->setAccessibleName(tr("Shortcut of %1").arg(name));
    m_keyField->setUnboundText(KvShortcutCommands::mouseAlternative(commandId));
    m_restore->setIcon(KvSkin::instance()->icon(QStringLiteral("restore")));
    m_restore->setToolTip(tr("Restore Default"));
    m_restore->setAccessibleName(m_restore->toolTip());
    // Takes the restore button's place so that every row's key field lines up.
    m_placeholder->setEnabled(false);
    m_placeholder->setAccessibleName(QStringLiteral(" "));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 2, 0);
    layout->setSpacing(3);
    layout->addWidget(m_name);
    layout->addWidget(m_module, 1);
    layout->addWidget(m_keyField);
    layout->addWidget(m_restore);
    layout->addWidget(m_placeholder);

    connect(m_keyField, &FShortCutLineEidt::sigKeySequenceChanged, this, &FShortCutItemWid::slotKeySequenceChanged);
    connect(m_keyField, &FShortCutLineEidt::sigSetEmptyBtnClickedFromBase, this,
            &FShortCutItemWid::slotSetEmptyBtnClicked);
    connect(m_keyField, &FShortCutLineEidt::sigLineEditLoseFocus, this, &FShortCutItemWid::sigLineEidtLoseFocusToDialog);
    connect(m_keyField, &FShortCutLineEidt::sigInvalidKeyPressEvent, this,
            [this] { emit sigInvalidKeyPressEventToDialog(m_commandId); });
    connect(m_restore, &QPushButton::clicked, this, &FShortCutItemWid::slotRestoreBtnCliked);

    m_keyField->setKeySequence(sequence);
    slotRestoreBtnStates();
}

QString FShortCutItemWid::name() const
{
    return m_name->text();
}

void FShortCutItemWid::setKeySequence(const QKeySequence &sequence)
{
    const QSignalBlocker blocker(this);
    m_keyField->setKeySequence(sequence);
    slotRestoreBtnStates();
}

QKeySequence FShortCutItemWid::keySequence() const
{
    return m_keyField->keySequence();
}

bool FShortCutItemWid::isRestoreVisible() const
{
    return m_keyField->keySequence() != m_defaultSequence;
}

void FShortCutItemWid::slotRestoreBtnStates()
{
    const bool visible = isRestoreVisible();
    m_restore->setVisible(visible);
    m_placeholder->setVisible(!visible);
    if (m_restore->property("visable").toBool() != visible) {
        m_restore->setProperty("visable", visible);
        m_restore->style()->unpolish(m_restore);
        m_restore->style()->polish(m_restore);
    }
}

void FShortCutItemWid::slotKeySequenceChanged(const QKeySequence &sequence)
{
    emit sigKeySequenceChanged(m_commandId, sequence);
}

void FShortCutItemWid::slotRestoreBtnCliked()
{
    emit sigSingleRestoreRequest(m_commandId, m_defaultSequence);
}

void FShortCutItemWid::slotSetEmptyBtnClicked()
{
    m_keyField->setKeySequence(QKeySequence());
    emit sigKeySequenceChanged(m_commandId, QKeySequence());
    slotRestoreBtnStates();
    m_keyField->lineEdit()->clearFocus();
}
