#include "FPathWritableCheckDlg.h"

#include "FSettingFolderPanel.h"
#include "IKvBaseLog.h"
#include "KvCustomProductInfo.h"
#include "KvSkin.h"

#include <QLabel>
#include <QVBoxLayout>

FPathWritableCheckDlg::FPathWritableCheckDlg(QWidget *parent, KvUIView *parentView)
    : KvFramelessDialog(parent, StandardWidth)
    , KvUIView(this, parentView)
    , m_message(new QLabel(contentWidget()))
    , m_panel(new FSettingFolderPanel(contentWidget(), this, FSettingFolderPanel::WriteCheckMode))
{
    setObjectName(QStringLiteral("FPathWritableCheckDlg"));
    setTitle(KvCustomProductInfo::FGetProductName());

    m_message->setObjectName(QStringLiteral("FPathWritableCheckDlg_Message"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->setText(tr("The program does not have write permission to the following directories.\n"
                          "Please select another directory to save:"));
    m_message->setAccessibleName(m_message->text());

    auto *layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 16, 24, 0);
    layout->setSpacing(0);
    layout->addWidget(m_message);
    // The panel brings its own margins.
    m_panel->layout()->setContentsMargins(0, 16, 0, 8);
    layout->addWidget(m_panel, 1);

    addButton(tr("OK"), Ok, true);
    addButton(tr("Cancel"), Cancel);
    // The texts read as those of the editor's messages.
    const QString textStyle =
        KvSkin::instance()->resolve(QStringLiteral("QLabel, QLineEdit { color: @textBright; font-size: 13px; }"));
    m_message->setStyleSheet(textStyle);
    m_panel->setStyleSheet(textStyle);
    m_panel->Load();
}

FPathWritableCheckDlg::~FPathWritableCheckDlg() = default;

void FPathWritableCheckDlg::done(int result)
{
    // Every way out passes here: the buttons, the close button, Escape.
    if (result == Ok)
        m_panel->Ok();
    else
        m_panel->Cancel();
    KvFramelessDialog::done(result);
}
