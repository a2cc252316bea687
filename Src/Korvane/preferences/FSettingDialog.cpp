#include "FSettingDialog.h"

#include "FSettingDialogPrivate.h"
#include "IKvBaseLog.h"

FSettingDialog::FSettingDialog(KvUIView *parentView)
    : QWidget(parentView ? parentView->widget() : nullptr)
    , KvUIView(this, parentView)
    , d(new FSettingDialogPrivate(parentView ? parentView->widget() : nullptr, this))
{
    setObjectName(QStringLiteral("FSettingDialogHost"));
    hide();
    connect(d, &FSettingDialogPrivate::sigEffectPacksPathChanged, this, &FSettingDialog::slotEffectPacksPathChanged);
    connect(d, &FSettingDialogPrivate::sigDownloadFolderChanged, this, &FSettingDialog::slotDownloadFolderChanged);
    TranslateText();
}

FSettingDialog::~FSettingDialog()
{
    delete d;
}

void FSettingDialog::TranslateText()
{
    d->TranslateText();
}

void FSettingDialog::SetCurrentTab(int index)
{
    d->SetCurrentTab(index);
}

int FSettingDialog::DoModal()
{
    return d->DoModal() == FSettingDialogPrivate::Accepted ? 1 : 0;
}

void FSettingDialog::slotEffectPacksPathChanged(const QString &path)
{
    KV_LOG_INFO("effect packs folder added: %s", KV_CSTR(path));
}

void FSettingDialog::slotDownloadFolderChanged(const QString &folder)
{
    KV_LOG_INFO("downloads folder changed: %s", KV_CSTR(folder));
}
