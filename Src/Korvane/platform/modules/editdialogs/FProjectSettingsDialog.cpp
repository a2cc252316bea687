#include "FProjectSettingsDialog.h"

#include "IKvBaseLog.h"
#include "IKvProject.h"
#include "KvProjectAspectRatioType.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

struct AspectRow
{
    KvProjectAspectRatioType type;
    const char *text;
};

constexpr AspectRow kAspects[] = {
    {KvProjectAspectRatio_16_9, QT_TRANSLATE_NOOP("FProjectSettingsDialog", "16:9 (Widescreen)")},
    {KvProjectAspectRatio_4_3, QT_TRANSLATE_NOOP("FProjectSettingsDialog", "4:3 (Standard)")},
    {KvProjectAspectRatio_1_1, QT_TRANSLATE_NOOP("FProjectSettingsDialog", "1:1 (Square)")},
    {KvProjectAspectRatio_9_16, QT_TRANSLATE_NOOP("FProjectSettingsDialog", "9:16 (Portrait)")},
    {KvProjectAspectRatio_21_9, QT_TRANSLATE_NOOP("FProjectSettingsDialog", "21:9 (Cinema)")},
    {KvProjectAspectRatio_4_5, QT_TRANSLATE_NOOP("FProjectSettingsDialog", "4:5 (Social)")},
    {KvProjectAspectRatio_3_4, QT_TRANSLATE_NOOP("FProjectSettingsDialog", "3:4 (Portrait)")},
};

} // namespace

FProjectSettingsDialog::FProjectSettingsDialog(IKvProject *project, QWidget *parent)
    : KvFramelessDialog(parent, NarrowWidth)
    , m_project(project)
    , m_aspect(new QComboBox(this))
    , m_width(new QSpinBox(this))
    , m_height(new QSpinBox(this))
    , m_frameRate(new QDoubleSpinBox(this))
    , m_error(new QLabel(this))
{
    setObjectName("FProjectSettingsDialog");
    setTitle(tr("Project Settings"));
    m_aspect->addItem(tr("Custom"), 0);
    for (const AspectRow &row : kAspects)
        m_aspect->addItem(tr(row.text), int(row.type));
    m_aspect->setObjectName("FProjectSettingsDialog_Aspect");
    m_aspect->setAccessibleName(tr("Aspect ratio"));
    for (QSpinBox *box : {m_width, m_height}) {
        box->setRange(KvProjectLimits::kMinDimension, KvProjectLimits::kMaxDimension);
        box->setSuffix(tr(" px"));
    }
    m_width->setObjectName("FProjectSettingsDialog_Width");
    m_width->setAccessibleName(tr("Width"));
    m_height->setObjectName("FProjectSettingsDialog_Height");
    m_height->setAccessibleName(tr("Height"));
    m_frameRate->setRange(1.0, KvProjectLimits::kMaxFrameRate);
    m_frameRate->setDecimals(2);
    m_frameRate->setObjectName("FProjectSettingsDialog_FrameRate");
    m_frameRate->setAccessibleName(tr("Frame rate"));
    m_error->setObjectName("FProjectSettingsDialog_Error");
    m_error->hide();

    addButton(tr("Cancel"), Closed);
    addButton(tr("Apply"), Applied, true);

    auto *form = new QFormLayout;
    form->addRow(tr("Aspect ratio:"), m_aspect);
    form->addRow(tr("Width:"), m_width);
    form->addRow(tr("Height:"), m_height);
    form->addRow(tr("Frame rate:"), m_frameRate);
    auto *layout = new QVBoxLayout(contentWidget());
    layout->addLayout(form);
    layout->addWidget(m_error);

    setSettings(m_project ? m_project->settings() : KvProjectSettings());
    connect(m_aspect, QOverload<int>::of(&QComboBox::activated), this, &FProjectSettingsDialog::onAspectChosen);
    // Editing a size by hand makes it a custom size.
    for (QSpinBox *box : {m_width, m_height})
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { m_aspect->setCurrentIndex(0); });
}

FProjectSettingsDialog::~FProjectSettingsDialog() = default;

void FProjectSettingsDialog::done(int result)
{
    if (result == Applied && !apply())
        return;
    KvFramelessDialog::done(result);
}

KvProjectSettings FProjectSettingsDialog::settings() const
{
    KvProjectSettings settings;
    settings.width = m_width->value();
    settings.height = m_height->value();
    settings.frameRate = m_frameRate->value();
    return settings;
}

void FProjectSettingsDialog::setSettings(const KvProjectSettings &settings)
{
    const QSignalBlocker blockWidth(m_width);
    const QSignalBlocker blockHeight(m_height);
    m_width->setValue(settings.width);
    m_height->setValue(settings.height);
    m_frameRate->setValue(settings.frameRate);
    int index = 0;
    for (int i = 1; i < m_aspect->count() && index == 0; ++i) {
        KvProjectSettings preset;
        if (KvProjectAspectRatio::settingsFor(m_aspect->itemData(i).toInt(), &preset) && preset.width == settings.width
            && preset.height == settings.height)
            index = i;
    }
    m_aspect->setCurrentIndex(index);
}

bool FProjectSettingsDialog::apply()
{
    if (!m_project) {
        KV_LOG_ERROR("no project to apply settings to");
        return false;
    }
    const KvProjectSettings wanted = settings();
    if (!m_project->setSettings(wanted)) {
        KV_LOG_ERROR("project refused %dx%d at %.2f fps", wanted.width, wanted.height, wanted.frameRate);
        m_error->setText(tr("These settings cannot be used for the project."));
        m_error->show();
        return false;
    }
    KV_LOG_INFO("project settings now %dx%d at %.2f fps", wanted.width, wanted.height, wanted.frameRate);
    return true;
}

void FProjectSettingsDialog::onAspectChosen(int index)
{
    KvProjectSettings preset;
    if (!KvProjectAspectRatio::settingsFor(m_aspect->itemData(index).toInt(), &preset))
        return;
    preset.frameRate = m_frameRate->value();
    setSettings(preset);
}
