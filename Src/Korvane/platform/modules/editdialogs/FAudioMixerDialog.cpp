#include "FAudioMixerDialog.h"

#include "IKvProject.h"

#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <set>

namespace {

// The session's levels by project file (empty key: the untitled project).
QHash<QString, QMap<int, int>> &storedLevels()
{
    static QHash<QString, QMap<int, int>> levels;
    return levels;
}

} // namespace

FAudioMixerDialog::FAudioMixerDialog(IKvProject *project, QWidget *parent)
    : KvFramelessDialog(parent, StandardWidth)
    , m_projectKey(project ? project->filePath() : QString())
{
    setObjectName("FAudioMixerDialog");
    setTitle(tr("Audio Mixer"));
    auto *layout = new QVBoxLayout(contentWidget());
    addRow(layout, kMasterTrack, tr("Master"));
    for (int track : tracksOf(project))
        addRow(layout, track, tr("Track %1").arg(track + 1));

    const QMap<int, int> stored = storedLevels().value(m_projectKey);
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        setVolume(it.key(), it.value());

    auto *reset = new QPushButton(tr("Reset"), contentWidget());
    reset->setObjectName("FAudioMixerDialog_ResetBtn");
    reset->setAccessibleName(tr("Reset"));
    layout->addWidget(reset, 0, Qt::AlignLeft);
    addButton(tr("OK"), 1, true);
    connect(reset, &QPushButton::clicked, this, &FAudioMixerDialog::resetVolumes);
}

FAudioMixerDialog::~FAudioMixerDialog() = default;

QMap<int, int> FAudioMixerDialog::volumes() const
{
    QMap<int, int> volumes;
    for (auto it = m_sliders.cbegin(); it != m_sliders.cend(); ++it)
        volumes.insert(it.key(), it.value()->value());
    return volumes;
}

void FAudioMixerDialog::setVolume(int track, int volume)
{
    if (QSlider *slider = m_sliders.value(track))
        slider->setValue(qBound(0, volume, kMaxVolume));
}

void FAudioMixerDialog::resetVolumes()
{
    for (QSlider *slider : qAsConst(m_sliders))
        slider->setValue(kDefaultVolume);
}

QList<int> FAudioMixerDialog::tracksOf(const IKvProject *project)
{
    std::set<int> tracks;
    if (project) {
        for (const KvTimelineClip &clip : project->clips())
            tracks.insert(clip.track);
    }
    return QList<int>(tracks.begin(), tracks.end());
}

void FAudioMixerDialog::addRow(QVBoxLayout *layout, int track, const QString &name)
{
    auto *label = new QLabel(name, this);
    auto *slider = new QSlider(Qt::Horizontal, this);
    auto *value = new QLabel(this);
    slider->setRange(0, kMaxVolume);
    slider->setObjectName(QStringLiteral("FAudioMixerDialog_Volume%1").arg(track));
    slider->setAccessibleName(tr("%1 volume").arg(name));
    value->setText(QStringLiteral("%1%").arg(kDefaultVolume));
    value->setMinimumWidth(40);
    slider->setValue(kDefaultVolume);
    connect(slider, &QSlider::valueChanged, this, [this, track, value](int volume) {
        value->setText(QStringLiteral("%1%").arg(volume));
        store();
        emit sigVolumeChanged(track, volume);
    });
    auto *row = new QHBoxLayout;
    row->addWidget(label, 1);
    row->addWidget(slider, 3);
    row->addWidget(value);
    layout->addLayout(row);
    m_sliders.insert(track, slider);
}

void FAudioMixerDialog::store() const
{
    storedLevels().insert(m_projectKey, volumes());
}
