#include "FTimelineClipModel.h"

#include "FMediaLibraryModel.h"
#include "FMediaPlayerModuleWidget.h"

#include <algorithm>

FTimelineClipModel::FTimelineClipModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void FTimelineClipModel::setClips(const QStringList &mediaPaths, const QVector<KvTimelineClip> &clips)
{
    beginResetModel();
    m_media = mediaPaths;
    m_clips = clips;
    std::stable_sort(m_clips.begin(), m_clips.end(), [](const KvTimelineClip &a, const KvTimelineClip &b) {
        return a.track != b.track ? a.track < b.track : a.startMs < b.startMs;
    });
    endResetModel();
}

int FTimelineClipModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_clips.size();
}

QVariant FTimelineClipModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QVariant();
    return textAt(index.row());
}

QString FTimelineClipModel::textAt(int row) const
{
    if (row < 0 || row >= m_clips.size())
        return QString();
    const KvTimelineClip &clip = m_clips.at(row);
    const QString name = clip.mediaIndex >= 0 && clip.mediaIndex < m_media.size()
        ? FMediaLibraryModel::fileNameOf(m_media.at(clip.mediaIndex))
        : tr("(missing medium)");
    return tr("Track %1: %2  %3 - %4")
        .arg(clip.track + 1)
        .arg(name, FMediaPlayerModuleWidget::formatDuration(clip.startMs),
             FMediaPlayerModuleWidget::formatDuration(clip.endMs()));
}
