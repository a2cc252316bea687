#include "FSettingGeneralPanel.h"
#include "FSettingPanelWidgets.h"

#include "FAppearance.h"
#include "FTranslations.h"
#include "FDataSendCloseEvent.h"
#include "FGeneralSettings.h"
#include "FMessageDialog.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvCommunicatorServer.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvDesktopService.h"
#include "KvEventTrackingProxy.h"
#include "KvLocale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

namespace {

struct ComboItem
{
    const char *text;
    int value;
};

// In the order they are listed.
const ComboItem kThemeItems[] = {
    {QT_TRANSLATE_NOOP("FSettingGeneralPanel", "Dark Mode"), ThemeDark},
    {QT_TRANSLATE_NOOP("FSettingGeneralPanel", "Light Mode"), ThemeLight},
    {QT_TRANSLATE_NOOP("FSettingGeneralPanel", "System Default"), ThemeSystemDefault},
};
const ComboItem kUpdateItems[] = {
    {QT_TRANSLATE_NOOP("FSettingGeneralPanel", "Every Day"), UpdateCheckEveryDay},
    {QT_TRANSLATE_NOOP("FSettingGeneralPanel", "Every Week"), UpdateCheckEveryWeek},
    {QT_TRANSLATE_NOOP("FSettingGeneralPanel", "Never"), UpdateCheckNever},
};

const QSize kComboSize(230, 24);
constexpr int kResetWidthEnglish = 71;
constexpr int kLaunchWrapWidth = 400;
// What the fixed-width dialog leaves a label beside a 230 pixel control; a
// longer label breaks into lines rather than pushing the control out.
constexpr int kLabelWidth = 236;

FGeneralSettings &general()
{
    return KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
}

QString translated(const char *text)
{
    return QCoreApplication::translate("FSettingGeneralPanel", text);
}

template <size_t N>
void fillCombo(QComboBox *combo, const ComboItem (&items)[N])
{
    for (const ComboItem &item : items)
        combo->addItem(translated(item.text), item.value);
}

// Texts only: the selection and the item data stay as they are.
template <size_t N>
void retextCombo(QComboBox *combo, const ComboItem (&items)[N])
{
    const QSignalBlocker blocker(combo);
    for (size_t i = 0; i < N && int(i) < combo->count(); ++i)
        combo->setItemText(int(i), translated(items[i].text));
}

// The item whose data is `value`, else the first one.
void selectByData(QComboBox *combo, int value)
{
    const int index = combo->findData(value);
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

// Check boxes do not wrap their text: the line breaks go in by hand.
QString wrapped(const QString &text, const QFontMetrics &metrics, int width)
{
    QString result;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            result += line + QLatin1Char('\n');
            line = word;
        } else {
            line = candidate;
        }
    }
    return result + line;
}

} // namespace

FSettingGeneralPanel::FSettingGeneralPanel(QWidget *parent, KvUIView *parentView)
    : FSettingPanelBase(parent, parentView)
{
    setObjectName(QStringLiteral("FSettingGeneralPanel"));
    buildUi();
    TranslateText();
}

FSettingGeneralPanel::~FSettingGeneralPanel() = default;

void FSettingGeneralPanel::buildUi()
{
    m_interfaceTitle = FSettingPanelWidgets::sectionTitle(this, QStringLiteral("FSettingGeneralPanel_InterfaceTitle"));
    m_languageLabel = new QLabel(this);
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("FSettingGeneralPanel_Language"));
    FTranslations::init();
    for (int id = KvLanguageEnglish; id <= KvLanguageHindi; ++id) {
        if (KvCustomProductInfo::FCheckLanguageNeedDisplay(id))
            m_language->addItem(KvLocale::languageFamilyName(id), id);
    }
    m_themeLabel = new QLabel(this);
    m_theme = new QComboBox(this);
    m_theme->setObjectName(QStringLiteral("FSettingGeneralPanel_Theme"));
    fillCombo(m_theme, kThemeItems);

    m_miscTitle = FSettingPanelWidgets::sectionTitle(this, QStringLiteral("FSettingGeneralPanel_MiscTitle"));
    m_updateLabel = new QLabel(this);
    m_update = new QComboBox(this);
    m_update->setObjectName(QStringLiteral("FSettingGeneralPanel_CheckUpdate"));
    fillCombo(m_update, kUpdateItems);
    m_resetLabel = new QLabel(this);
    m_reset = new QPushButton(this);
    m_reset->setObjectName(QStringLiteral("FSettingGeneralPanel_Reset"));
    // Not the dialog's default button: Enter means OK.
    m_reset->setAutoDefault(false);
    m_messageLabel = new QLabel(this);
    m_dontShowMessage = new QCheckBox(this);
    m_dontShowMessage->setObjectName(QStringLiteral("FSettingGeneralPanel_DontShowMessage"));
    m_projectLibraryLabel = new QLabel(this);
    m_showProjectLibrary = new QCheckBox(this);
    m_showProjectLibrary->setObjectName(QStringLiteral("FSettingGeneralPanel_ShowProjectLibrary"));
    m_launchLabel = new QLabel(this);
    m_launchVelloq = new QCheckBox(this);
    m_launchVelloq->setObjectName(QStringLiteral("FSettingGeneralPanel_LaunchVelloq"));

    m_improveTitle = FSettingPanelWidgets::sectionTitle(this, QStringLiteral("FSettingGeneralPanel_ImproveTitle"));
    m_dataCollect = new QCheckBox(this);
    m_dataCollect->setObjectName(QStringLiteral("FSettingGeneralPanel_DataCollect"));
    m_improveText = new QLabel(this);
    m_improveText->setWordWrap(true);
    m_privacyLink = new QLabel(this);
    m_privacyLink->setObjectName(QStringLiteral("FSettingGeneralPanel_PrivacyLink"));
    m_privacyLink->setTextFormat(Qt::RichText);
    m_privacyLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_privacyLink->setFocusPolicy(Qt::StrongFocus);

    for (QComboBox *combo : {m_language, m_theme, m_update})
        combo->setFixedSize(kComboSize);

    // Check boxes stand below their label, with the whole width for their text.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    int row = 0;
    // A section starts with its title and the line under it, as on the other pages.
    const auto addSection = [&](QLabel *title, const QString &name) {
        if (row > 0)
            grid->setRowMinimumHeight(row++, 8);
        grid->addWidget(title, row++, 0, 1, 2);
        grid->addWidget(FSettingPanelWidgets::separatorLine(this, name), row++, 0, 1, 2);
    };
    addSection(m_interfaceTitle, QStringLiteral("FSettingGeneralPanel_InterfaceLine"));
    const auto addRow = [&](QLabel *label, QWidget *control) {
        label->setBuddy(control);
        grid->addWidget(label, row, 0, Qt::AlignVCenter);
        grid->addWidget(control, row++, 1, Qt::AlignLeft | Qt::AlignVCenter);
    };
    const auto addCheckRow = [&](QLabel *label, QCheckBox *box) {
        label->setBuddy(box);
        grid->addWidget(label, row++, 0, 1, 2);
        grid->addWidget(box, row++, 0, 1, 2);
    };
    addRow(m_languageLabel, m_language);
    addRow(m_themeLabel, m_theme);
    addSection(m_miscTitle, QStringLiteral("FSettingGeneralPanel_MiscLine"));
    addRow(m_updateLabel, m_update);
    addRow(m_resetLabel, m_reset);
    addCheckRow(m_messageLabel, m_dontShowMessage);
    addCheckRow(m_projectLibraryLabel, m_showProjectLibrary);
    addCheckRow(m_launchLabel, m_launchVelloq);
    addSection(m_improveTitle, QStringLiteral("FSettingGeneralPanel_ImproveLine"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 8);
    layout->setSpacing(6);
    layout->addLayout(grid);
    layout->addWidget(m_dataCollect);
    layout->addWidget(m_improveText);
    layout->addWidget(m_privacyLink);
    layout->addStretch(1);

    connect(m_language, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &FSettingGeneralPanel::slotLanguageIndexChanged);
    connect(m_theme, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &FSettingGeneralPanel::slotThemeIndexChanged);
    connect(m_reset, &QPushButton::clicked, this, &FSettingGeneralPanel::sltResetAllDlgWarnings);
    connect(m_privacyLink, &QLabel::linkActivated, this, &FSettingGeneralPanel::slotPrivacyLinkActivated);
}

void FSettingGeneralPanel::TranslateText()
{
    const auto setLabel = [](QLabel *label, const QString &text) {
        label->setText(wrapped(text, label->fontMetrics(), kLabelWidth));
        label->setAccessibleName(text);
    };
    m_interfaceTitle->setText(tr("User Interface:"));
    setLabel(m_languageLabel, tr("Language:"));
    setLabel(m_themeLabel, tr("Appearance:"));
    m_miscTitle->setText(tr("Miscellaneous:"));
    setLabel(m_updateLabel, tr("Check for updates automatically:"));
    setLabel(m_resetLabel, tr("Reset all program warnings:"));
    m_reset->setText(tr("Reset"));
    m_messageLabel->setText(tr("Message Center:"));
    m_dontShowMessage->setText(tr("Don't show messages automatically"));
    m_projectLibraryLabel->setText(tr("Project Library Window at Startup:"));
    m_showProjectLibrary->setText(tr("Show this Startup window when Korvane launches"));
    m_launchLabel->setText(tr("Launch:"));
    const QString launch = tr("Launch Tessaracorp Velloq when Tessaracorp Korvane launches");
    const QString launchLines = wrapped(launch, m_launchVelloq->fontMetrics(), kLaunchWrapWidth);
    m_launchVelloq->setText(launchLines);
    // The skin's check box rule sizes for one line only.
    m_launchVelloq->setMinimumHeight((launchLines.count(QLatin1Char('\n')) + 1) * m_launchVelloq->fontMetrics().lineSpacing() + 4);
    m_launchVelloq->setAccessibleName(launch);
    m_improveTitle->setText(tr("Improvement program"));
    m_dataCollect->setText(tr("Help us to improve Tessaracorp Korvane"));
    m_improveText->setText(tr("Korvane will use the information collected only to enhance the user experience, "
                              "improve, and enhance our new features."));
    const QString linkText = tr("Read Our Privacy Policy");
    m_privacyLink->setText(QStringLiteral("<p><a style=\"color:#50e3c2;\" href=\"href\">%1</a></p>").arg(linkText));
    m_privacyLink->setAccessibleName(linkText);

    m_language->setAccessibleName(m_languageLabel->accessibleName());
    m_theme->setAccessibleName(m_themeLabel->accessibleName());
    m_update->setAccessibleName(m_updateLabel->accessibleName());
    m_reset->setAccessibleName(m_resetLabel->accessibleName());
    retextCombo(m_theme, kThemeItems);
    retextCombo(m_update, kUpdateItems);
    applySizes();
}

void FSettingGeneralPanel::applySizes()
{
    // Other languages need the room their longer words take.
    if (KvLocale::instance()->isLanguageType(KvLanguageEnglish)) {
        m_reset->setFixedWidth(kResetWidthEnglish);
        m_dontShowMessage->setFixedHeight(20);
        m_showProjectLibrary->setFixedHeight(20);
    } else {
        m_reset->setMinimumWidth(0);
        m_reset->setMaximumWidth(QWIDGETSIZE_MAX);
        m_dontShowMessage->setFixedHeight(30);
        m_showProjectLibrary->setFixedHeight(30);
    }
}

void FSettingGeneralPanel::Load()
{
    const FGeneralSettings &settings = general();
    m_loadedLanguage = settings.GetLanguage();
    m_loadedTheme = settings.GetUITheme();
    const QSignalBlocker blockLanguage(m_language);
    const QSignalBlocker blockTheme(m_theme);
    const QSignalBlocker blockUpdate(m_update);
    const QSignalBlocker blockMessage(m_dontShowMessage);
    const QSignalBlocker blockLibrary(m_showProjectLibrary);
    const QSignalBlocker blockVelloq(m_launchVelloq);
    const QSignalBlocker blockCollect(m_dataCollect);
    selectByData(m_language, m_loadedLanguage);
    selectByData(m_theme, m_loadedTheme);
    selectByData(m_update, settings.GetCheckUpdate());
    m_dontShowMessage->setChecked(settings.GetDontShowMessage());
    m_showProjectLibrary->setChecked(settings.GetShowProjectLibrary());
    m_launchVelloq->setChecked(settings.GetLaunchVelloq());
    m_dataCollect->setChecked(settings.isDataCollectEnable());
}

void FSettingGeneralPanel::Ok()
{
    FGeneralSettings &settings = general();
    settings.SetCheckUpdate(m_update->currentData().toInt());
    settings.SetDontShowMessage(m_dontShowMessage->isChecked());
    settings.SetShowProjectLibrary(m_showProjectLibrary->isChecked());
    settings.SetLaunchVelloq(m_launchVelloq->isChecked());
    const bool collect = m_dataCollect->isChecked();
    if (collect != settings.isDataCollectEnable()) {
        settings.setDataCollectEnable(collect);
        FDataSendCloseEvent(collect).sendEvent();
        getEventTrackingProxy()->command(QLatin1String(kDataCollectCommand),
                                         {collect ? QStringLiteral("1") : QStringLiteral("0")});
        KV_LOG_INFO("data collection %s", collect ? "on" : "off");
    }
}

void FSettingGeneralPanel::Cancel()
{
    const FGeneralSettings &settings = general();
    if (settings.GetUITheme() != m_loadedTheme)
        storeTheme(m_loadedTheme);
    if (settings.GetLanguage() != m_loadedLanguage)
        storeLanguage(m_loadedLanguage);
}

void FSettingGeneralPanel::slotLanguageIndexChanged(int index)
{
    if (index < 0)
        return;
    storeLanguage(m_language->itemData(index).toInt());
}

void FSettingGeneralPanel::slotThemeIndexChanged(int index)
{
    if (index < 0)
        return;
    storeTheme(m_theme->itemData(index).toInt());
}

void FSettingGeneralPanel::storeLanguage(int languageId)
{
    general().SetLanguage(languageId);
    sendCommand(kChangeLanguageCommand, languageId);
    FAppearance::applyLanguage(languageId);
}

void FSettingGeneralPanel::storeTheme(int theme)
{
    FGeneralSettings &settings = general();
    settings.SetUITheme(theme);
    sendCommand(kSkinChangeCommand, FGeneralSettings::ThemeTypeToSkinKind(settings.GetUITheme()));
    FAppearance::applyTheme(theme);
}

void FSettingGeneralPanel::sendCommand(const char *command, int value)
{
    const QString parameter = QString::number(value);
    KV_LOG_INFO("to the helpers: %s %s", command, KV_CSTR(parameter));
    KvCommunicatorServer::GetInstance()->SendMsgToProcess(QLatin1String(command), {parameter}, QString());
}

void FSettingGeneralPanel::sltResetAllDlgWarnings()
{
    FGeneralSettings &settings = general();
    settings.SetAlwaysAskMatchDirty(false);
    settings.SetMediaMatchProjShow(true);
    settings.SetAlwaysAskTextExtraLong(true);
    settings.SetSTTDeleteTaskNoTip(false);
    settings.SetTTSDeleteTaskNoTip(false);
    settings.setAlwaysConfirmDownlaodResolution(true);
    settings.setShowArchiveProjectTip(true);
    settings.setVCGDownloadVideoNoTip(false);
    settings.setVCGDownloadPhotoNoTip(false);

    KvConfig *config = KvConfig::Instance();
    config->setMediaDeleteConfirm(true);
    config->SetProjectTemplateGuidanceNoNeedShowThisRun(false);
    config->SetProjectTemplateGuidanceNoNeedShow(false);
    config->SetProjectTemplateBackupCustomShow(false);
    config->SetProjectTemplateShareCustomShow(false);
    config->SetProjectTemplateFirstApplyToTimeline(false);
    config->setCustomProjectTemplateShowNext(false);
    config->SetProjectTemplateInsertReplaceNoNeedShow(false);
    config->SetMediaCustomTipNoNeedShow(false);
    config->setMediaFolderNewLogo_NoNeedShow(false);
    config->setLossLessRemoveConfirm(false);
    KV_LOG_INFO("all program warnings reset");
}

void FSettingGeneralPanel::slotPrivacyLinkActivated()
{
    const QString address = KvConfig::Instance()->GetCBSUrl(QLatin1String(kPrivacyPageKey));
    if (address.isEmpty()) {
        KV_LOG_INFO("no address is configured for the page %s", kPrivacyPageKey);
        FMessageDialog::alert(this, KvCustomProductInfo::FGetProductName(),
                              tr("This page is not available: no web address is set up for it."),
                              QStringLiteral("FSettingGeneralPanel_NoPrivacyPage"));
        return;
    }
    if (!KvDesktopService::openURL(QUrl(address))) {
        KV_LOG_ERROR("the privacy page %s could not be opened", KV_CSTR(address));
        FMessageDialog::alert(this, KvCustomProductInfo::FGetProductName(),
                              tr("The privacy policy could not be opened in your web browser."),
                              QStringLiteral("FSettingGeneralPanel_PrivacyPageFailed"));
    }
}
