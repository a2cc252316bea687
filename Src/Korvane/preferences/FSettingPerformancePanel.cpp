// The Performance page: its controls, Load and the rules that tie the
// controls together. Ok and the page's actions are in
// FSettingPerformancePanelOk.cpp.

#include "FSettingPerformancePanel.h"

#include "FSettingPanelWidgets.h"
#include "KvAppSettings.h"
#include "KvCustomProductInfo.h"
#include "KvFileDialog.h"
#include "KvOpenFileLineEdit.h"
#include "KvTipWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <vector>

using namespace FSettingPanelWidgets;

namespace {

constexpr int kFieldWidth = 230;
constexpr int kFieldHeight = 24;
constexpr char kTipEnabled[] = "TipEnabled";

struct ProxyResolution
{
    const char *text;
    QSize size;
};

// %1 stands for the "x" between width and height.
const ProxyResolution kProxyResolutions[] = {
    {QT_TRANSLATE_NOOP("FSettingPerformancePanel", "1280 %1 720"), {1280, 720}},
    {QT_TRANSLATE_NOOP("FSettingPerformancePanel", "1920 %1 1080"), {1920, 1080}},
    {QT_TRANSLATE_NOOP("FSettingPerformancePanel", "3840 %1 2160"), {3840, 2160}},
};

FPerformanceSettings &performanceSettings()
{
    return KvAppSettings::GetInstance()->GetSettings().GetPerformanceSettings();
}

QCheckBox *checkBox(QWidget *parent, const QString &objectName)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(objectName);
    return box;
}

KvOpenFileLineEdit *folderField(QWidget *parent, const QString &objectName)
{
    auto *field = new KvOpenFileLineEdit(parent);
    field->setObjectName(objectName);
    field->setBrowseButtonVisible(false);
    field->lineEdit()->setMaxLength(FSettingPerformancePanel::kMaxPathLength);
    return field;
}

QGridLayout *sectionGrid()
{
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    return grid;
}

void showFolder(KvOpenFileLineEdit *field, const QString &folder)
{
    // An empty path would read as "no folder"; the field keeps what it had.
    if (!folder.isEmpty())
        field->setPath(QDir::fromNativeSeparators(folder));
}

} // namespace

FSettingPerformancePanel::FSettingPerformancePanel(QWidget *parent, KvUIView *parentView)
    : FSettingPanelBase(parent, parentView)
{
    setObjectName(QStringLiteral("FSettingPerformancePanel"));
    buildUi();
    TranslateText();
}

FSettingPerformancePanel::~FSettingPerformancePanel() = default;

void FSettingPerformancePanel::buildUi()
{
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("FSettingPerformancePanel_Scroll"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    // Long check box texts in a large font scroll rather than being cut off.
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("FSettingPerformancePanel_Content"));

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    const QList<QPair<QLabel **, QString>> titles = {
        {&m_gpuTitle, QStringLiteral("GpuTitle")},
        {&m_proxyTitle, QStringLiteral("ProxyTitle")},
        {&m_previewTitle, QStringLiteral("PreviewTitle")},
        {&m_renderTitle, QStringLiteral("RenderTitle")},
    };
    QWidget *sections[] = {buildGpuSection(content), buildProxySection(content), buildRenderSection(content), nullptr};
    for (int i = 0; i < titles.size(); ++i) {
        const QString name = QStringLiteral("FSettingPerformancePanel_") + titles.at(i).second;
        *titles.at(i).first = sectionTitle(content, name);
        if (i > 0)
            layout->addSpacing(6);
        layout->addWidget(*titles.at(i).first);
        layout->addWidget(separatorLine(content, name + QStringLiteral("Line")));
        if (sections[i])
            layout->addWidget(sections[i]);
    }
    m_latestEngine = checkBox(content, QStringLiteral("FSettingPerformancePanel_LatestEngine"));
    layout->addWidget(m_latestEngine);
    layout->addStretch();

    // Floats over the content and scrolls with it; hidden until a card is picked.
    m_tip = new KvTipWidget(content, KvTipWidget::TopCenter);
    m_tip->setObjectName(QStringLiteral("FSettingPerformancePanel_GraphicsCardTip"));
    m_tip->setProperty(kTipEnabled, true);
    m_tip->hide();

    m_scroll->setWidget(content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_scroll);
}

QWidget *FSettingPerformancePanel::buildGpuSection(QWidget *content)
{
    auto *section = new QWidget(content);
    auto *grid = sectionGrid();
    section->setLayout(grid);
    m_gpuCheckLabel = new QLabel(section);
    m_gpuCheck = pushButton(section, QStringLiteral("FSettingPerformancePanel_GpuCheck"));
    m_gpuCheckLabel->setBuddy(m_gpuCheck);
    m_rendering = checkBox(section, QStringLiteral("FSettingPerformancePanel_Rendering"));
    m_decoding = checkBox(section, QStringLiteral("FSettingPerformancePanel_Decoding"));
    m_graphicsCardLabel = new QLabel(section);
    m_graphicsCard = new QComboBox(section);
    m_graphicsCard->setObjectName(QStringLiteral("FSettingPerformancePanel_GraphicsCard"));
    m_graphicsCard->setFixedWidth(kFieldWidth);
    m_graphicsCardLabel->setBuddy(m_graphicsCard);

    grid->addWidget(m_gpuCheckLabel, 0, 0);
    grid->addWidget(m_gpuCheck, 0, 1, Qt::AlignLeft);
    grid->addWidget(m_rendering, 1, 0, 1, 3);
    grid->addWidget(m_decoding, 2, 0, 1, 3);
    grid->addWidget(m_graphicsCardLabel, 3, 0);
    grid->addWidget(m_graphicsCard, 3, 1, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    connect(m_gpuCheck, &QPushButton::clicked, this, &FSettingPerformancePanel::slotStartGpuCheck);
    connect(m_rendering, &QCheckBox::toggled, this, &FSettingPerformancePanel::onRenderingToggled);
    connect(m_graphicsCard, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &FSettingPerformancePanel::slotCurrentGPUIndexChanged);
    return section;
}

QWidget *FSettingPerformancePanel::buildProxySection(QWidget *content)
{
    auto *section = new QWidget(content);
    auto *grid = sectionGrid();
    section->setLayout(grid);
    m_createProxy = checkBox(section, QStringLiteral("FSettingPerformancePanel_CreateProxy"));
    m_proxyResolution = new QComboBox(section);
    m_proxyResolution->setObjectName(QStringLiteral("FSettingPerformancePanel_ProxyResolution"));
    m_proxyResolution->setFixedSize(kFieldWidth, kFieldHeight);
    for (const ProxyResolution &resolution : kProxyResolutions)
        m_proxyResolution->addItem(QString(), resolution.size);
    m_proxyFolderLabel = new QLabel(section);
    m_proxyFolder = folderField(section, QStringLiteral("FSettingPerformancePanel_ProxyFolder"));
    m_proxyFolderLabel->setBuddy(m_proxyFolder->lineEdit());
    m_proxyBrowse = pushButton(section, QStringLiteral("FSettingPerformancePanel_ProxyBrowse"));
    m_deleteProxy = checkBox(section, QStringLiteral("FSettingPerformancePanel_DeleteProxy"));
    m_cleanProxy = pushButton(section, QStringLiteral("FSettingPerformancePanel_CleanProxy"));

    auto *folderRow = new QHBoxLayout;
    folderRow->setSpacing(12);
    folderRow->addWidget(m_proxyFolder);
    folderRow->addWidget(m_proxyBrowse);
    folderRow->addStretch();
    auto *deleteRow = new QHBoxLayout;
    deleteRow->setSpacing(12);
    deleteRow->addWidget(m_deleteProxy);
    deleteRow->addWidget(m_cleanProxy);
    deleteRow->addStretch();
    grid->addWidget(m_createProxy, 0, 0);
    grid->addWidget(m_proxyResolution, 1, 0, Qt::AlignLeft);
    grid->addWidget(m_proxyFolderLabel, 2, 0);
    grid->addLayout(folderRow, 3, 0);
    grid->addLayout(deleteRow, 4, 0);

    connect(m_createProxy, &QCheckBox::toggled, this, &FSettingPerformancePanel::updateEnabling);
    connect(m_proxyBrowse, &QPushButton::clicked, this, &FSettingPerformancePanel::slotBrowseProxyFolder);
    connect(m_cleanProxy, &QPushButton::clicked, this, &FSettingPerformancePanel::slotCleanProxyFiles);
    return section;
}

QWidget *FSettingPerformancePanel::buildRenderSection(QWidget *content)
{
    auto *section = new QWidget(content);
    auto *grid = sectionGrid();
    section->setLayout(grid);
    m_backgroundRender = checkBox(section, QStringLiteral("FSettingPerformancePanel_BackgroundRender"));
    m_startAfter = new QLabel(section);
    m_startAfter->setObjectName(QStringLiteral("FSettingPerformancePanel_StartAfter"));
    m_renderDelay = new QDoubleSpinBox(section);
    m_renderDelay->setObjectName(QStringLiteral("FSettingPerformancePanel_RenderDelay"));
    m_renderDelay->setDecimals(0);
    m_renderDelay->setRange(5, 60);
    m_renderDelay->setFixedHeight(kFieldHeight);
    m_startAfter->setBuddy(m_renderDelay);
    m_seconds = new QLabel(section);
    m_seconds->setObjectName(QStringLiteral("FSettingPerformancePanel_Seconds"));
    auto *delayRow = new QHBoxLayout;
    delayRow->setSpacing(8);
    delayRow->addWidget(m_backgroundRender);
    delayRow->addSpacing(8);
    delayRow->addWidget(m_startAfter);
    delayRow->addWidget(m_renderDelay);
    delayRow->addWidget(m_seconds);
    delayRow->addStretch();

    m_renderFolderLabel = new QLabel(section);
    m_renderFolder = folderField(section, QStringLiteral("FSettingPerformancePanel_RenderFolder"));
    m_renderFolderLabel->setBuddy(m_renderFolder->lineEdit());
    m_renderBrowse = pushButton(section, QStringLiteral("FSettingPerformancePanel_RenderBrowse"));
    m_cleanRender = pushButton(section, QStringLiteral("FSettingPerformancePanel_CleanRender"));
    m_deleteRender = checkBox(section, QStringLiteral("FSettingPerformancePanel_DeleteRender"));

    grid->addLayout(delayRow, 0, 0, 1, 4);
    grid->addWidget(m_renderFolderLabel, 1, 0, 1, 4);
    grid->addWidget(m_renderFolder, 2, 0);
    grid->addWidget(m_renderBrowse, 2, 1);
    grid->addWidget(m_cleanRender, 2, 2, Qt::AlignLeft);
    grid->addWidget(m_deleteRender, 3, 0, 1, 4);
    grid->setColumnStretch(3, 1);

    connect(m_backgroundRender, &QCheckBox::toggled, this, &FSettingPerformancePanel::updateEnabling);
    connect(m_renderBrowse, &QPushButton::clicked, this, &FSettingPerformancePanel::slotBrowseRenderFolder);
    connect(m_cleanRender, &QPushButton::clicked, this, &FSettingPerformancePanel::slotCleanRenderFiles);
    return section;
}

void FSettingPerformancePanel::TranslateText()
{
    m_gpuTitle->setText(tr("GPU Acceleration:"));
    m_proxyTitle->setText(tr("Proxy:"));
    m_previewTitle->setText(tr("Preview Render:"));
    m_renderTitle->setText(tr("Render:"));

    m_gpuCheckLabel->setText(tr("GPU Check"));
    m_gpuCheck->setText(tr("START"));
    m_gpuCheck->setAccessibleName(tr("Start the GPU check"));
    m_rendering->setText(tr("Enable Hardware Acceleration for video rendering and playback"));
    m_decoding->setText(tr("Enable Hardware Acceleration for video decoding"));
    m_graphicsCardLabel->setText(tr("Select the Graphics card in use:"));
    m_graphicsCard->setAccessibleName(accessibleText(m_graphicsCardLabel->text()));

    m_createProxy->setText(tr("Automatically create proxies when resolution is higher than:"));
    {
        const QSignalBlocker blocker(m_proxyResolution);
        int index = 0;
        for (const ProxyResolution &resolution : kProxyResolutions)
            m_proxyResolution->setItemText(index++, tr(resolution.text).arg(QStringLiteral("x")));
    }
    m_proxyResolution->setAccessibleName(tr("Proxy resolution"));
    m_proxyFolderLabel->setText(tr("Proxy location:"));
    m_proxyFolder->setAccessibleName(accessibleText(m_proxyFolderLabel->text()));
    m_deleteProxy->setText(tr("Automatically delete proxies when a project is closed."));
    m_cleanProxy->setText(tr("CLEAN"));
    m_cleanProxy->setAccessibleName(tr("Clean proxy files"));

    m_backgroundRender->setText(tr("Background render"));
    m_startAfter->setText(tr("Start after"));
    // The key names the word after the delay; without a catalogue entry it
    // would show as the key itself.
    const QString secondsAfter = tr("seconds_after");
    m_seconds->setText(secondsAfter == QLatin1String("seconds_after") ? tr("seconds") : secondsAfter);
    m_renderDelay->setAccessibleName(tr("Background render delay in seconds"));
    m_renderFolderLabel->setText(tr("Preview Render files folder:"));
    m_renderFolder->setAccessibleName(accessibleText(m_renderFolderLabel->text()));
    m_cleanRender->setText(tr("CLEAN"));
    m_cleanRender->setAccessibleName(tr("Clean render files"));
    m_deleteRender->setText(tr("Automatically delete render file when closing a project file"));

    for (QPushButton *browse : {m_proxyBrowse, m_renderBrowse})
        browse->setText(tr("BROWSE"));
    m_proxyBrowse->setAccessibleName(tr("Browse: %1").arg(accessibleText(m_proxyFolderLabel->text())));
    m_renderBrowse->setAccessibleName(tr("Browse: %1").arg(accessibleText(m_renderFolderLabel->text())));

    m_latestEngine->setText(tr("Playback with latest rendering engine for better performance."));
    m_tip->setText(tr("The new selected Graphics card will take effect after restart Korvane."));
}

void FSettingPerformancePanel::Load()
{
    const FPerformanceSettings &performance = performanceSettings();
    const QList<QObject *> controls = {m_rendering,        m_decoding,     m_graphicsCard,   m_createProxy,
                                       m_proxyResolution,  m_deleteProxy,  m_backgroundRender, m_renderDelay,
                                       m_deleteRender,     m_latestEngine, m_proxyFolder,    m_renderFolder};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(controls.size());
    for (QObject *control : controls)
        blockers.emplace_back(control);

    m_rendering->setChecked(performance.GetNextTimeEnableOpenCL());
    m_rendering->setEnabled(performance.GetOpenCLCanBeChanged());
    m_decoding->setChecked(performance.GetNextTimeEnableGPUDeCode());
    m_graphicsCard->clear();
    m_graphicsCard->addItems(performance.GetAllOpenCLGPUDevice());
    selectByText(m_graphicsCard, performance.GetCurrentOpenCLGPU());

    m_createProxy->setChecked(performance.GetAutomaticallyCreateProxy());
    selectByData(m_proxyResolution, performance.GetAutomaticallyCreateProxyResolution());
    showFolder(m_proxyFolder, performance.GetProxyFileFolder());
    m_deleteProxy->setChecked(performance.GetAutomaticallyDeleteProxy());

    m_backgroundRender->setChecked(performance.GetAutoRender());
    m_renderDelay->setValue(performance.GetAutoRenderAfterSeconds());
    showFolder(m_renderFolder, performance.GetPreviewRenderFilesFolder());
    m_deleteRender->setChecked(performance.GetAutomaticallyDeleteRenderFile());
    m_latestEngine->setChecked(performance.GetD3DRenderView());

    updateEnabling();
    m_tip->hide();
    m_tip->setProperty(kTipEnabled, true);
}

void FSettingPerformancePanel::onRenderingToggled(bool checked)
{
    // Decoding on the GPU needs the GPU path for rendering.
    if (!checked)
        m_decoding->setChecked(false);
    updateEnabling();
}

void FSettingPerformancePanel::updateEnabling()
{
    const bool rendering = m_rendering->isChecked();
    m_decoding->setEnabled(rendering);
    m_graphicsCard->setEnabled(rendering);
    m_proxyResolution->setEnabled(m_createProxy->isChecked());
    const bool background = m_backgroundRender->isChecked();
    for (QWidget *widget : {static_cast<QWidget *>(m_startAfter), static_cast<QWidget *>(m_renderDelay),
                            static_cast<QWidget *>(m_seconds)})
        widget->setEnabled(background);
}

void FSettingPerformancePanel::slotCurrentGPUIndexChanged(int index)
{
    if (index < 0 || !m_tip->property(kTipEnabled).toBool())
        return;
    m_tip->setText(tr("The new selected Graphics card will take effect after restart Korvane."));
    m_tip->setArrowPosition(KvTipWidget::TopCenter);
    m_tip->OnShow(KvTipWidget::ShowCenteredBriefly);
    const QPoint topCentre(m_graphicsCard->width() / 2, 0);
    m_tip->pointAt(m_graphicsCard->mapTo(m_tip->parentWidget(), topCentre));
    m_tip->setProperty(kTipEnabled, false);
}

void FSettingPerformancePanel::slotBrowseProxyFolder()
{
    browse(m_proxyFolder);
}

void FSettingPerformancePanel::slotBrowseRenderFolder()
{
    browse(m_renderFolder);
}

void FSettingPerformancePanel::browse(KvOpenFileLineEdit *field)
{
    showFolder(field, KvFileDialog::getExistingDirectory(this, KvCustomProductInfo::FGetProductName(), field->path()));
}
