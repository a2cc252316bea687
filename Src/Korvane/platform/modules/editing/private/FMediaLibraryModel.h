#pragma once

#include "FMediaFactsLoader.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <QVector>

// The media library's rows: the project's media that match the search word,
// in project order. A row's id (IdRole) is the medium's index in the
// project. A row shows the name, the type and size, and a thumbnail for an
// image or a type icon: names are made when the view asks for a row, the
// rest is read by FMediaFactsLoader for the rows the view asks for, so a
// fill costs one pass over the paths however large the project is.
class FMediaLibraryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int IdRole = Qt::UserRole;
    static constexpr int TypeRole = Qt::UserRole + 1; // KvMediaType as int
    static constexpr int SizeRole = Qt::UserRole + 2; // bytes, -1 unknown or gone

    explicit FMediaLibraryModel(QObject *parent = nullptr);

    // Each is one model reset.
    void setMedia(const QStringList &paths);
    void setFilter(const QString &word);
    // Rows for media appended to the project (ids from the current count on).
    void appendMedia(const QStringList &paths);
    int mediaCount() const { return m_paths.size(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

    // The row showing medium `id`, -1 when the filter hides it or there is none.
    int rowOfId(int id) const;
    int idAt(int row) const;
    QList<int> visibleIds() const;
    // Facts read so far for the path; none while they are being read.
    bool hasFacts(const QString &path) const { return m_facts.contains(path); }
    FMediaFactsLoader *loader() { return &m_loader; }

    static QString fileNameOf(const QString &path);
    // "1.5 MB" and the like.
    static QString sizeText(qint64 bytes);

private:
    void rebuildRows();
    bool matches(int id) const;
    void factsReady(const QString &path, const FMediaFacts &facts);

    QStringList m_paths;
    QString m_filter;
    // Ascending media indices of the rows.
    QVector<int> m_rows;
    mutable FMediaFactsLoader m_loader;
    QHash<QString, FMediaFacts> m_facts;
    QHash<QString, QPixmap> m_thumbnails;
};
