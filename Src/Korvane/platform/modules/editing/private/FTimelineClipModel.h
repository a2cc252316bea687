#pragma once

#include "KvProjectData.h"

#include <QAbstractListModel>
#include <QStringList>
#include <QVector>

// The timeline's rows: the project's clips in track and time order, one text
// per clip naming its track, medium and place. Texts are made when the view
// asks for a row, so a fill is one sort however large the project is.
class FTimelineClipModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit FTimelineClipModel(QObject *parent = nullptr);

    // One model reset.
    void setClips(const QStringList &mediaPaths, const QVector<KvTimelineClip> &clips);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    QString textAt(int row) const;

private:
    QStringList m_media;
    QVector<KvTimelineClip> m_clips;
};
