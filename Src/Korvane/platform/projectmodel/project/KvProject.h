#pragma once

#include "IKvProject.h"

#include <QHash>

#include <functional>

// The project model behind IKvProject. The manager owns it and listens to
// its modified state.
class KvProject final : public IKvProject
{
public:
    explicit KvProject(const KvProjectData &data, const QString &filePath = QString());

    QString name() const override { return m_data.name; }
    QString filePath() const override { return m_filePath; }
    KvProjectType type() const override { return m_data.type; }
    KvProjectSettings settings() const override { return m_data.settings; }
    bool setSettings(const KvProjectSettings &settings) override;
    QStringList mediaPaths() const override { return m_data.mediaPaths; }
    int addMedia(const QString &path) override;
    bool removeMedia(int index) override;
    QVector<KvTimelineClip> clips() const override { return m_data.clips; }
    bool addClip(const KvTimelineClip &clip) override;
    bool removeClip(int index) override;
    bool insertClip(int index, const KvTimelineClip &clip) override;
    bool setClip(int index, const KvTimelineClip &clip) override;
    bool restoreContent(const QStringList &mediaPaths, const QVector<KvTimelineClip> &clips) override;
    int clipCount() const override { return m_data.clips.size(); }
    KvTimelineClip clipAt(int index) const override { return m_data.clips.value(index); }
    int mediaCount() const override { return m_data.mediaPaths.size(); }
    QString mediaPathAt(int index) const override { return m_data.mediaPaths.value(index); }
    QStringList requiredEffects() const override { return m_data.requiredEffects; }
    void setRequiredEffects(const QStringList &effects) override;
    qint64 durationMs() const override { return m_data.durationMs(); }
    KvProjectData data() const override { return m_data; }
    bool isModified() const override { return m_modified; }

    void setName(const QString &name);
    void setFilePath(const QString &path) { m_filePath = path; }
    void setModified(bool modified);
    // Called whenever the modified state flips.
    void setModifiedListener(std::function<void(bool)> listener) { m_listener = std::move(listener); }
    // Called after every change of the content, however small (the
    // automatic backup counts them); keep it cheap.
    void setChangeListener(std::function<void()> listener) { m_changeListener = std::move(listener); }
    // Grows by one with every change; tells two states of the content apart.
    quint64 revision() const { return m_revision; }

private:
    // Checks one clip against the project without copying it.
    bool isValidClip(const KvTimelineClip &clip) const;
    void changed();

    KvProjectData m_data;
    // Path -> index of the media, built on the first addMedia, so that
    // importing thousands of files stays linear.
    QHash<QString, int> m_mediaIndex;
    bool m_mediaIndexBuilt = false;
    QString m_filePath;
    bool m_modified = false;
    std::function<void(bool)> m_listener;
    std::function<void()> m_changeListener;
    quint64 m_revision = 0;
};
