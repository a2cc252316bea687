#pragma once

#include "KvFramelessDialog.h"
#include "KvUIView.h"

class FSettingFolderPanel;
class QLabel;

// At start, when some of the editor's folders cannot be written: lists them
// (the Folders panel in its write-check mode) and lets the user pick others.
// "OK" stores the panel's folders and accepts (1); "Cancel", the close button
// and Escape drop the picks and reject (0).
class FPathWritableCheckDlg : public KvFramelessDialog, public KvUIView
{
    Q_OBJECT

public:
    enum Result {
        Cancel = 0,
        Ok = 1,
    };

    explicit FPathWritableCheckDlg(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FPathWritableCheckDlg() override;

    FSettingFolderPanel *panel() const { return m_panel; }
    QLabel *messageLabel() const { return m_message; }

    void done(int result) override;

private:
    QLabel *m_message;
    FSettingFolderPanel *m_panel;
};
