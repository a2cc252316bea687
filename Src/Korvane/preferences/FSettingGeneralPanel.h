#pragma once

#include "FSettingPanelBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The General page of the preferences: interface language and theme, update
// checks, the remembered answers, start-up behaviour and the improvement
// programme. Language and theme take effect the moment they are picked and
// are told to the helper processes; Cancel puts back what Load found. Every
// other control reaches the store on Ok.
class FSettingGeneralPanel : public FSettingPanelBase
{
    Q_OBJECT

public:
    // Commands to the helper processes.
    static constexpr const char *kChangeLanguageCommand = "CMD_CHANGE_KORVANE_LANG";
    static constexpr const char *kSkinChangeCommand = "CMD_NATIVEENGINE_METHORD_SKINTYPE_CHANGE";
    static constexpr const char *kDataCollectCommand = "TESSARACORPCMD_TRACKER_DATA_COLLECT";
    static constexpr const char *kPrivacyPageKey = "TessaracorpPrivacyPageC115";

    explicit FSettingGeneralPanel(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FSettingGeneralPanel() override;

    void TranslateText() override;
    void Load() override;
    void Ok() override;
    void Cancel() override;

    QComboBox *languageCombo() const { return m_language; }
    QComboBox *themeCombo() const { return m_theme; }
    QComboBox *updateCombo() const { return m_update; }
    QPushButton *resetButton() const { return m_reset; }
    QCheckBox *dontShowMessageBox() const { return m_dontShowMessage; }
    QCheckBox *showProjectLibraryBox() const { return m_showProjectLibrary; }
    QCheckBox *launchVelloqBox() const { return m_launchVelloq; }
    QCheckBox *dataCollectBox() const { return m_dataCollect; }
    QLabel *privacyLink() const { return m_privacyLink; }

public slots:
    // Every remembered answer back to "ask again", at once and for good.
    void sltResetAllDlgWarnings();
    void slotLanguageIndexChanged(int index);
    void slotThemeIndexChanged(int index);
    void slotPrivacyLinkActivated();

private:
    void buildUi();
    void applySizes();
    void sendCommand(const char *command, int value);
    void storeTheme(int theme);
    void storeLanguage(int languageId);

    QLabel *m_interfaceTitle = nullptr;
    QLabel *m_languageLabel = nullptr;
    QComboBox *m_language = nullptr;
    QLabel *m_themeLabel = nullptr;
    QComboBox *m_theme = nullptr;
    QLabel *m_miscTitle = nullptr;
    QLabel *m_updateLabel = nullptr;
    QComboBox *m_update = nullptr;
    QLabel *m_resetLabel = nullptr;
    QPushButton *m_reset = nullptr;
    QLabel *m_messageLabel = nullptr;
    QCheckBox *m_dontShowMessage = nullptr;
    QLabel *m_projectLibraryLabel = nullptr;
    QCheckBox *m_showProjectLibrary = nullptr;
    QLabel *m_launchLabel = nullptr;
    QCheckBox *m_launchVelloq = nullptr;
    QLabel *m_improveTitle = nullptr;
    QCheckBox *m_dataCollect = nullptr;
    QLabel *m_improveText = nullptr;
    QLabel *m_privacyLink = nullptr;

    // What Load found: Cancel restores these.
    int m_loadedLanguage = 1;
    int m_loadedTheme = 1;
};
