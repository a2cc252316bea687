#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

// What kind of editor a project belongs to. Stored in project files and in the
// recent list by number, so the values never change.
enum class KvProjectType : int {
    Normal = 0,      // the timeline editor
    InstantMode = 1, // the template mode
};

struct KvProjectSettings
{
    int width = 1920;
    int height = 1080;
    double frameRate = 30.0;

    bool operator==(const KvProjectSettings &other) const;
    bool operator!=(const KvProjectSettings &other) const { return !(*this == other); }
};

// One clip on the timeline: a stretch [inMs, outMs) of a medium placed at
// startMs on a track. Times are milliseconds.
struct KvTimelineClip
{
    int mediaIndex = 0;
    int track = 0;
    qint64 startMs = 0;
    qint64 inMs = 0;
    qint64 outMs = 0;
    // Percent of the medium's own loudness, 0 to kMaxVolume; files without
    // it (older ones) play clips at 100.
    int volume = 100;

    qint64 durationMs() const { return outMs - inMs; }
    qint64 endMs() const { return startMs + durationMs(); }
    bool operator==(const KvTimelineClip &other) const;
    bool operator!=(const KvTimelineClip &other) const { return !(*this == other); }
};

// Everything a project file holds. Media are referenced by absolute path in
// memory; the file may store them relative to itself (archives do).
struct KvProjectData
{
    QString name;
    KvProjectType type = KvProjectType::Normal;
    KvProjectSettings settings;
    QStringList mediaPaths;
    QVector<KvTimelineClip> clips;
    // Plug-in effects the timeline uses; opening warns about those not installed.
    QStringList requiredEffects;

    qint64 durationMs() const;
    // Empty when the data is consistent, else why not (for the log).
    QString validate() const;

    bool operator==(const KvProjectData &other) const;
    bool operator!=(const KvProjectData &other) const { return !(*this == other); }
};

// Limits that keep a hostile or broken file from asking for absurd sizes.
namespace KvProjectLimits {
constexpr int kMinDimension = 16;
constexpr int kMaxDimension = 16384;
constexpr double kMaxFrameRate = 480.0;
constexpr int kMaxTrack = 999;
constexpr int kMaxVolume = 200;
} // namespace KvProjectLimits

Q_DECLARE_METATYPE(KvProjectData)
