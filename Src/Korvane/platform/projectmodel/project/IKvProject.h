#pragma once

#include "KvProjectData.h"

#include <QPixmap>
#include <QString>

// The project being edited. Every change marks it modified; saving (through
// the project manager) clears the mark. Used on the GUI thread only.
class IKvProject
{
public:
    virtual ~IKvProject() = default;

    // The project's display name: the file's base name once saved or opened,
    // empty for a new untitled project.
    virtual QString name() const = 0;
    // Empty until the project has been saved or when it was made from a template.
    virtual QString filePath() const = 0;
    virtual KvProjectType type() const = 0;

    virtual KvProjectSettings settings() const = 0;
    // False (and nothing changes) for settings out of range.
    virtual bool setSettings(const KvProjectSettings &settings) = 0;

    virtual QStringList mediaPaths() const = 0;
    // The index of the medium; a path already in the list is not added twice.
    // -1 for an empty path.
    virtual int addMedia(const QString &path) = 0;
    // Removes the medium and every clip that uses it.
    virtual bool removeMedia(int index) = 0;

    virtual QVector<KvTimelineClip> clips() const = 0;
    // False when the clip names no medium of the project or has no duration.
    virtual bool addClip(const KvTimelineClip &clip) = 0;
    virtual bool removeClip(int index) = 0;
    // Puts `clip` at `index` (0..count); same checks as addClip.
    virtual bool insertClip(int index, const KvTimelineClip &clip) = 0;
    // Replaces the clip at `index`; false (nothing changes) when the result
    // would not be valid.
    virtual bool setClip(int index, const KvTimelineClip &clip) = 0;
    // Replaces media and clips at once (an undo of a media removal); false,
    // and nothing changes, when they do not fit together.
    virtual bool restoreContent(const QStringList &mediaPaths, const QVector<KvTimelineClip> &clips) = 0;
    virtual int clipCount() const = 0;
    virtual KvTimelineClip clipAt(int index) const = 0;
    virtual int mediaCount() const = 0;
    virtual QString mediaPathAt(int index) const = 0;

    virtual QStringList requiredEffects() const = 0;
    virtual void setRequiredEffects(const QStringList &effects) = 0;

    virtual qint64 durationMs() const = 0;
    virtual KvProjectData data() const = 0;
    virtual bool isModified() const = 0;

    // The thumbnail of a project file: the ".fsthumb" PNG written beside it
    // when it is opened or saved, else a picture drawn from the file (frame
    // aspect, clips, name). That may read the whole project: code on the GUI
    // thread with many files to show uses KvProjectThumbnail::load on a worker.
    // A null pixmap when the file is missing or unreadable. Pixmaps need a
    // QGuiApplication (the offscreen platform will do); without one the
    // answer is null as well.
    static QPixmap getThumbnail(const QString &path);
};
