#include "FSettingDialogPrivate.h"

#include "FEditingSettings.h"
#include "FGeneralSettings.h"
#include "FPerformanceSettings.h"
#include "FPreferenceSettingTrackEvent.h"
#include "FSettingEditingPanel.h"
#include "FSettingFolderPanel.h"
#include "FSettingGeneralPanel.h"
#include "FSettingPerformancePanel.h"
#include "FSettingSavePanel.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

const char *const kTabTexts[FSettingDialogPrivate::TabCount] = {
    QT_TRANSLATE_NOOP("FSettingDialogPrivate", "General"),
    QT_TRANSLATE_NOOP("FSettingDialogPrivate", "Folders"),
    QT_TRANSLATE_NOOP("FSettingDialogPrivate", "Editing"),
    QT_TRANSLATE_NOOP("FSettingDialogPrivate", "Save"),
    QT_TRANSLATE_NOOP("FSettingDialogPrivate", "Performance"),
};

} // namespace

FSettingDialogPrivate::FSettingDialogPrivate(QWidget *parent, KvUIView *parentView)
    : KvTabFramelessDialog(parent, StandardWidth)
    , KvUIView(this, parentView)
{
    setObjectName(QStringLiteral("FSettingDialog"));
    m_panels[GeneralTab] = new FSettingGeneralPanel(nullptr, this);
    auto *folders = new FSettingFolderPanel(nullptr, this);
    m_panels[FoldersTab] = folders;
    m_panels[EditingTab] = new FSettingEditingPanel(nullptr, this);
    m_panels[SaveTab] = new FSettingSavePanel(nullptr, this);
    m_panels[PerformanceTab] = new FSettingPerformancePanel(nullptr, this);
    for (int tab = 0; tab < TabCount; ++tab)
        addTab(m_panels[tab], QString());
    // Five tabs in the standard width, in the longer languages too.
    tabWidget()->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding-left: 10px; padding-right: 10px; }"));
    tabWidget()->tabBar()->setElideMode(Qt::ElideRight);
    tabWidget()->setUsesScrollButtons(false);
    addButton(QString(), Accepted, true)->setObjectName(QStringLiteral("FSettingDialog_Ok"));
    addButton(QString(), Cancelled)->setObjectName(QStringLiteral("FSettingDialog_Cancel"));
    setFixedSize(StandardWidth, kHeight);
    setCurrentTab(GeneralTab);

    connect(folders, &FSettingFolderPanel::sigEffectPacksPathChanged, this,
            &FSettingDialogPrivate::sigEffectPacksPathChanged);
    connect(folders, &FSettingFolderPanel::sigDownloadFolderChanged, this,
            &FSettingDialogPrivate::sigDownloadFolderChanged);
}

FSettingDialogPrivate::~FSettingDialogPrivate() = default;

FSettingPanelBase *FSettingDialogPrivate::panel(int tab) const
{
    return tab >= 0 && tab < TabCount ? m_panels[tab] : nullptr;
}

FSettingFolderPanel *FSettingDialogPrivate::folderPanel() const
{
    return static_cast<FSettingFolderPanel *>(m_panels[FoldersTab]);
}

void FSettingDialogPrivate::TranslateText()
{
    setTitle(tr("Preferences"));
    for (int tab = 0; tab < TabCount; ++tab) {
        const QString text = QCoreApplication::translate("FSettingDialogPrivate", kTabTexts[tab]);
        tabWidget()->setTabText(tab, text);
        m_panels[tab]->setAccessibleName(text);
    }
    for (const auto &entry : {std::make_pair(int(Accepted), tr("OK")), std::make_pair(int(Cancelled), tr("CANCEL"))}) {
        QPushButton *pushButton = button(entry.first);
        pushButton->setText(entry.second);
        pushButton->setAccessibleName(entry.second);
    }
    for (FSettingPanelBase *page : m_panels)
        page->TranslateText();
}

void FSettingDialogPrivate::SetCurrentTab(int index)
{
    if (index < 0 || index >= TabCount) {
        KV_LOG_INFO("preferences have no tab %d; the tab stays", index);
        return;
    }
    setCurrentTab(index);
    if (index == FoldersTab) {
        folderPanel()->focusDownloadFolder();
        // A hidden dialog drops the focus; it is given again when shown.
        m_pendingFocusTab = index;
    }
}

void FSettingDialogPrivate::showEvent(QShowEvent *event)
{
    loadPanels();
    KvTabFramelessDialog::showEvent(event);
    if (m_pendingFocusTab == FoldersTab && currentTab() == FoldersTab)
        folderPanel()->focusDownloadFolder();
    m_pendingFocusTab = -1;
}

void FSettingDialogPrivate::changeEvent(QEvent *event)
{
    // The language was picked in this very dialog, or elsewhere while it is open.
    if (event->type() == QEvent::LanguageChange)
        TranslateText();
    KvTabFramelessDialog::changeEvent(event);
}

void FSettingDialogPrivate::loadPanels()
{
    m_finishing = false;
    for (FSettingPanelBase *page : m_panels)
        page->Load();
}

void FSettingDialogPrivate::done(int result)
{
    // Closing runs once per showing, whichever way it is asked for.
    if (m_finishing)
        return;
    m_finishing = true;
    if (result == Accepted) {
        doOk();
        KvTabFramelessDialog::done(Accepted);
    } else {
        doCancel();
        KvTabFramelessDialog::done(Cancelled);
    }
}

void FSettingDialogPrivate::doOk()
{
    for (int tab = 0; tab < tabCount(); ++tab) {
        KV_LOG_INFO("DoOk %d", tab);
        m_panels[tab]->Ok();
    }
    KV_LOG_INFO("Done Finished");
    KvAppSettings::Save();
    KV_LOG_INFO("FSETTINGS Save Finished");
    sendTrackEvent();
}

void FSettingDialogPrivate::doCancel()
{
    for (FSettingPanelBase *page : m_panels)
        page->Cancel();
}

void FSettingDialogPrivate::sendTrackEvent()
{
    const FSettings &settings = KvAppSettings::GetInstance()->GetSettings();
    const FGeneralSettings &general = settings.GetGeneralSetting();
    const FEditingSettings &editing = settings.GetEditingSettings();
    const FPerformanceSettings &performance = settings.GetPerformanceSettings();
    FPreferenceSettingTrackEvent event;
    event.setTheme(general.GetUITheme());
    event.setUpdateCheck(general.GetCheckUpdate());
    event.setDontShowMessage(general.GetDontShowMessage());
    event.setSnapshotFormat(editing.GetSnapshotFormat());
    event.setHardwareRendering(performance.GetNextTimeEnableOpenCL());
    event.setBackgroundRender(performance.GetAutoRender());
    event.setBackgroundRenderDelay(performance.GetAutoRenderAfterSeconds());
    event.setDeleteRenderFiles(performance.GetAutomaticallyDeleteRenderFile());
    event.setCreateProxies(performance.GetAutomaticallyCreateProxy());
    event.setProxyResolution(performance.GetAutomaticallyCreateProxyResolution());
    event.setDeleteProxies(performance.GetAutomaticallyDeleteProxy());
    event.sendEvent();
}
