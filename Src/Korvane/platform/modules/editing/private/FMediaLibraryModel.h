#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QVector>

// The media library's rows: the project's media that match the search word,
// in project order. A row's id (Qt::UserRole) is the medium's index in the
// project. Texts are made when the view asks for a row, so a fill costs one
// pass over the paths however large the project is.
class FMediaLibraryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int IdRole = Qt::UserRole;

    explicit FMediaLibraryModel(QObject *parent = nullptr);

    // Each is one model reset.
    void setMedia(const QStringList &paths);
    void setFilter(const QString &word);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The row showing medium `id`, -1 when the filter hides it or there is none.
    int rowOfId(int id) const;
    int idAt(int row) const;
    QList<int> visibleIds() const;

    static QString fileNameOf(const QString &path);

private:
    void rebuildRows();

    QStringList m_paths;
    QString m_filter;
    // Ascending media indices of the rows.
    QVector<int> m_rows;
};
