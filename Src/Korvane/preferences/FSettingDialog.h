#pragma once

#include "KvUIView.h"

#include <QWidget>

class FSettingDialogPrivate;

// The preferences: made for one showing by whoever opens them, with that
// view as parent so that the panels' messages reach its scene.
//
//     FSettingDialog dialog(view);
//     dialog.SetCurrentTab(1);
//     if (dialog.DoModal()) ...
//
// The widget itself never shows; the dialog is its private part.
class FSettingDialog : public QWidget, public KvUIView
{
    Q_OBJECT

public:
    explicit FSettingDialog(KvUIView *parentView);
    ~FSettingDialog() override;

    void TranslateText();
    // 0 to 4 selects that tab (1 also focuses the downloaded-files field);
    // other indexes are ignored.
    void SetCurrentTab(int index);
    // 1 when the user pressed OK, 0 otherwise.
    int DoModal();

    FSettingDialogPrivate *dialog() const { return d; }

private:
    void slotEffectPacksPathChanged(const QString &path);
    void slotDownloadFolderChanged(const QString &folder);

    FSettingDialogPrivate *d;
};
