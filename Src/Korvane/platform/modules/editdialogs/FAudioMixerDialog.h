#pragma once

#include "KvFramelessDialog.h"
#include <QMap>

class IKvProject;
class QSlider;
class QVBoxLayout;

// Volume per track of the project, in percent (0 to 200), and a master
// volume. Levels are kept per project file for the session, so reopening the
// mixer shows what was set.
class FAudioMixerDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    static constexpr int kMaxVolume = 200;
    static constexpr int kDefaultVolume = 100;
    // Key of the master volume in volumes().
    static constexpr int kMasterTrack = -1;

    explicit FAudioMixerDialog(IKvProject *project, QWidget *parent = nullptr);
    ~FAudioMixerDialog() override;


    // Track number to volume, the master under kMasterTrack.
    QMap<int, int> volumes() const;
    // Out-of-range values are clamped; unknown tracks are ignored.
    void setVolume(int track, int volume);
    void resetVolumes();
    QSlider *slider(int track) const { return m_sliders.value(track); }

    // Tracks a project's clips use, in order.
    static QList<int> tracksOf(const IKvProject *project);

signals:
    void sigVolumeChanged(int track, int volume);

private:
    void addRow(QVBoxLayout *layout, int track, const QString &name);
    void store() const;

    QString m_projectKey;
    QMap<int, QSlider *> m_sliders;
};
