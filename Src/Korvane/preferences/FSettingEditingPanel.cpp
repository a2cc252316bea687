#include "FSettingEditingPanel.h"

#include "FSettingPanelWidgets.h"
#include "FTimerDurationView.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvMessage.h"
#include "KvSettingsMessageId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace FSettingPanelWidgets;

namespace {

struct DurationRow
{
    const char *objectName;
    const char *label;
    int (FEditingSettings::*frames)() const;
    int (FEditingSettings::*type)() const;
    void (FEditingSettings::*setFrames)(int);
    void (FEditingSettings::*setType)(int);
};

// In the order of FSettingEditingPanel::Duration.
const DurationRow kDurationRows[FSettingEditingPanel::DurationCount] = {
    {"PhotoDuration", QT_TRANSLATE_NOOP("FSettingEditingPanel", "Photo Duration:"), &FEditingSettings::GetPhotoDuration,
     &FEditingSettings::GetPhotoDurationType, &FEditingSettings::SetPhotoDuration,
     &FEditingSettings::SetPhotoDurationType},
    {"TransitionDuration", QT_TRANSLATE_NOOP("FSettingEditingPanel", "Transition Duration:"),
     &FEditingSettings::GetTransitionDuration, &FEditingSettings::GetTransitionDurationType,
     &FEditingSettings::SetTransitionDuration, &FEditingSettings::SetTransitionDurationType},
    {"EffectDuration", QT_TRANSLATE_NOOP("FSettingEditingPanel", "Effect Duration:"),
     &FEditingSettings::GetEffectDuration, &FEditingSettings::GetEffectDurationType,
     &FEditingSettings::SetEffectDuration, &FEditingSettings::SetEffectDurationType},
    {"FreezeDuration", QT_TRANSLATE_NOOP("FSettingEditingPanel", "Freeze Duration:"),
     &FEditingSettings::GetFreezeDuration, &FEditingSettings::GetFreezeDurationType,
     &FEditingSettings::SetFreezeDuration, &FEditingSettings::SetFreezeDurationType},
};

// Item texts with the value each stands for.
struct Choice
{
    const char *text;
    int value;
};

const Choice kPlacements[] = {
    {QT_TRANSLATE_NOOP("FSettingEditingPanel", "Fit"), 0},
    {QT_TRANSLATE_NOOP("FSettingEditingPanel", "Crop to Fit"), 1},
    {QT_TRANSLATE_NOOP("FSettingEditingPanel", "Pan & Zoom"), 2},
};

const Choice kInsertModes[] = {
    {QT_TRANSLATE_NOOP("FSettingEditingPanel", "Split a single track"), 0},
    {QT_TRANSLATE_NOOP("FSettingEditingPanel", "Split all tracks"), 1},
};

FEditingSettings &editingSettings()
{
    return KvAppSettings::GetInstance()->GetSettings().GetEditingSettings();
}

QComboBox *comboBox(QWidget *parent, const QString &objectName, int width)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setFixedSize(width, 24);
    return combo;
}

template <size_t N>
void fillChoices(QComboBox *combo, const Choice (&choices)[N])
{
    for (const Choice &choice : choices)
        combo->addItem(QString(), choice.value);
}

template <size_t N>
void translateChoices(QComboBox *combo, const Choice (&choices)[N])
{
    const QSignalBlocker blocker(combo);
    for (int i = 0; i < int(N); ++i)
        combo->setItemText(i, QCoreApplication::translate("FSettingEditingPanel", choices[i].text));
}

} // namespace

FSettingEditingPanel::FSettingEditingPanel(QWidget *parent, KvUIView *parentView)
    : FSettingPanelBase(parent, parentView)
{
    setObjectName(QStringLiteral("FSettingEditingPanel"));
    buildUi();
    TranslateText();
}

FSettingEditingPanel::~FSettingEditingPanel() = default;

void FSettingEditingPanel::buildUi()
{
    m_durationTitle = sectionTitle(this, QStringLiteral("FSettingEditingPanel_DurationTitle"));
    m_timelineTitle = sectionTitle(this, QStringLiteral("FSettingEditingPanel_TimelineTitle"));

    auto *durations = new QGridLayout;
    durations->setHorizontalSpacing(16);
    durations->setVerticalSpacing(10);
    durations->setColumnStretch(2, 1);
    for (int row = 0; row < DurationCount; ++row) {
        const QString name = QLatin1String(kDurationRows[row].objectName);
        m_durationLabels[row] = new QLabel(this);
        m_durationLabels[row]->setObjectName(QStringLiteral("FSettingEditingPanel_Label_") + name);
        m_durations[row] = new FTimerDurationView(this);
        m_durations[row]->setObjectName(QStringLiteral("FSettingEditingPanel_") + name);
        m_durationLabels[row]->setBuddy(m_durations[row]->spinBox());
        durations->addWidget(m_durationLabels[row], row, 0);
        durations->addWidget(m_durations[row], row, 1);
    }

    m_snapshotFormat = comboBox(this, QStringLiteral("FSettingEditingPanel_SnapshotFormat"), 230);
    for (const QString &format : {QStringLiteral("PNG"), QStringLiteral("JPG")})
        m_snapshotFormat->addItem(format, format);
    m_photoPlacement = comboBox(this, QStringLiteral("FSettingEditingPanel_PhotoPlacement"), 172);
    fillChoices(m_photoPlacement, kPlacements);
    m_insertMode = comboBox(this, QStringLiteral("FSettingEditingPanel_InsertMode"), 172);
    fillChoices(m_insertMode, kInsertModes);
    m_blankClickMove = new QCheckBox(this);
    m_blankClickMove->setObjectName(QStringLiteral("FSettingEditingPanel_BlankClickMove"));
    m_splitButton = new QCheckBox(this);
    m_splitButton->setObjectName(QStringLiteral("FSettingEditingPanel_SplitButton"));

    auto *timeline = new QGridLayout;
    timeline->setHorizontalSpacing(16);
    timeline->setVerticalSpacing(10);
    timeline->setColumnStretch(1, 1);
    const QList<QWidget *> controls = {m_snapshotFormat, m_photoPlacement, m_insertMode, m_blankClickMove,
                                       m_splitButton};
    QList<QLabel **> labels = {&m_snapshotLabel, &m_placementLabel, &m_insertLabel, &m_cursorLabel, &m_splitLabel};
    int gridRow = 0;
    for (int row = 0; row < controls.size(); ++row) {
        QLabel *label = new QLabel(this);
        label->setObjectName(controls.at(row)->objectName() + QStringLiteral("_Label"));
        label->setBuddy(controls.at(row));
        *labels[row] = label;
        // The check boxes' long texts go under their labels.
        if (qobject_cast<QCheckBox *>(controls.at(row))) {
            timeline->addWidget(label, gridRow++, 0, 1, 2);
            timeline->addWidget(controls.at(row), gridRow++, 0, 1, 2);
        } else {
            timeline->addWidget(label, gridRow, 0);
            timeline->addWidget(controls.at(row), gridRow++, 1, Qt::AlignLeft);
        }
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(m_durationTitle);
    layout->addWidget(separatorLine(this, QStringLiteral("FSettingEditingPanel_DurationLine")));
    layout->addLayout(durations);
    layout->addSpacing(10);
    layout->addWidget(m_timelineTitle);
    layout->addWidget(separatorLine(this, QStringLiteral("FSettingEditingPanel_TimelineLine")));
    layout->addLayout(timeline);
    layout->addStretch();
}

void FSettingEditingPanel::TranslateText()
{
    m_durationTitle->setText(tr("Default Duration:"));
    m_timelineTitle->setText(tr("Timeline Edit:"));
    for (int row = 0; row < DurationCount; ++row) {
        const QString label = tr(kDurationRows[row].label);
        m_durationLabels[row]->setText(label);
        m_durations[row]->TranslateText();
        m_durations[row]->setAccessibleName(accessibleText(label));
    }
    m_snapshotLabel->setText(tr("Snapshot Format:"));
    m_placementLabel->setText(tr("Photo Placement:"));
    m_insertLabel->setText(tr("Insert Mode:"));
    m_cursorLabel->setText(tr("Cursor jump method:"));
    m_splitLabel->setText(tr("Split Button:"));
    translateChoices(m_photoPlacement, kPlacements);
    translateChoices(m_insertMode, kInsertModes);
    m_blankClickMove->setText(tr("Click on the blank area to jump to the cursor position"));
    m_splitButton->setText(tr("Show the split button on timeline playhead"));

    m_snapshotFormat->setAccessibleName(accessibleText(m_snapshotLabel->text()));
    m_photoPlacement->setAccessibleName(accessibleText(m_placementLabel->text()));
    m_insertMode->setAccessibleName(accessibleText(m_insertLabel->text()));
}

void FSettingEditingPanel::Load()
{
    const FEditingSettings &editing = editingSettings();
    const double fps = FEditingSettings::GetTimerViewFps();
    for (int row = 0; row < DurationCount; ++row) {
        const DurationRow &entry = kDurationRows[row];
        // Through locals: GCC's bounds check misreads a member-function
        // pointer called straight out of the array.
        const auto frames = entry.frames;
        const auto type = entry.type;
        m_durations[row]->setDuration((editing.*frames)(), (editing.*type)(), fps);
    }
    const QSignalBlocker snapshot(m_snapshotFormat);
    const QSignalBlocker placement(m_photoPlacement);
    const QSignalBlocker insert(m_insertMode);
    const QSignalBlocker blankClick(m_blankClickMove);
    const QSignalBlocker split(m_splitButton);
    selectByText(m_snapshotFormat, editing.GetSnapshotFormat());
    selectByData(m_photoPlacement, editing.GetPhotoPlacement());
    selectByData(m_insertMode, editing.GetSplitMode());
    m_blankClickMove->setChecked(editing.playheadBlankClickMoveEnabled());
    m_splitButton->setChecked(editing.GetShowSplitButton());
}

int FSettingEditingPanel::storeDuration(Duration duration)
{
    FEditingSettings &editing = editingSettings();
    const DurationRow &entry = kDurationRows[duration];
    const int frames = m_durations[duration]->durationFrames(FEditingSettings::GetTimerViewFps());
    const auto setFrames = entry.setFrames;
    const auto setType = entry.setType;
    (editing.*setFrames)(frames);
    (editing.*setType)(m_durations[duration]->unit());
    return frames;
}

void FSettingEditingPanel::Ok()
{
    FEditingSettings &editing = editingSettings();
    const int storedPhotoFrames = editing.GetPhotoDuration();
    const int photoFrames = storeDuration(PhotoDuration);
    const bool photoChanged = photoFrames > 0 && photoFrames != storedPhotoFrames;
    storeDuration(TransitionDuration);
    storeDuration(EffectDuration);
    editing.SetPhotoPlacement(m_photoPlacement->currentData().toInt());
    editing.SetSnapshotFormat(m_snapshotFormat->currentData().toString());
    editing.SetSplitMode(m_insertMode->currentData().toInt());
    if (photoChanged) {
        KV_LOG_INFO("photo duration %d frames", photoFrames);
        KvMessage message(KvSettingsMsg::PhotoDurationChanged);
        sendMessageToScene(&message);
    }
    storeDuration(FreezeDuration);

    if (m_blankClickMove->isChecked() != editing.playheadBlankClickMoveEnabled())
        editing.setPlayheadBlankClickMoveEnabled(m_blankClickMove->isChecked());
    if (m_splitButton->isChecked() != editing.GetShowSplitButton()) {
        editing.SetShowSplitButton(m_splitButton->isChecked());
        KvMessage message(KvSettingsMsg::ShowSplitButtonChanged);
        sendMessageToScene(&message);
    }
}
