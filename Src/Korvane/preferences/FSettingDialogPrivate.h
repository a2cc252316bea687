#pragma once

#include "KvTabFramelessDialog.h"
#include "KvUIView.h"

#include <array>

class FSettingPanelBase;
class FSettingFolderPanel;

// The preferences dialog itself: five panels on tabs, OK and CANCEL.
// Every showing loads the panels from the store; OK writes them in tab
// order, saves the store and sends the preferences tracking event; CANCEL,
// Escape and the title bar's close button all cancel, so that what the
// panels applied at once is undone.
class FSettingDialogPrivate : public KvTabFramelessDialog, public KvUIView
{
    Q_OBJECT

public:
    enum Tab { GeneralTab, FoldersTab, EditingTab, SaveTab, PerformanceTab, TabCount };
    enum Result { Cancelled = 0, Accepted = 1 };
    static constexpr int kHeight = 690;

    FSettingDialogPrivate(QWidget *parent, KvUIView *parentView);
    ~FSettingDialogPrivate() override;

    FSettingPanelBase *panel(int tab) const;
    FSettingFolderPanel *folderPanel() const;

    void TranslateText();
    // Index 1 also puts the focus into the downloaded-files field; indexes
    // outside the tabs are ignored.
    void SetCurrentTab(int index);

    // OK and cancel, as the buttons do them (the dialog then closes).
    void done(int result) override;

signals:
    void sigEffectPacksPathChanged(const QString &path);
    void sigDownloadFolderChanged(const QString &folder);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void loadPanels();
    void doOk();
    void doCancel();
    void sendTrackEvent();

    std::array<FSettingPanelBase *, TabCount> m_panels{};
    int m_pendingFocusTab = -1;
    bool m_finishing = false;
};
