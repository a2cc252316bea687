#include "FMediaLibraryModel.h"

#include <algorithm>

FMediaLibraryModel::FMediaLibraryModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

QString FMediaLibraryModel::fileNameOf(const QString &path)
{
    // Paths in a project are clean absolute paths; no file system call needed.
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

void FMediaLibraryModel::setMedia(const QStringList &paths)
{
    beginResetModel();
    m_paths = paths;
    rebuildRows();
    endResetModel();
}

void FMediaLibraryModel::setFilter(const QString &word)
{
    const QString trimmed = word.trimmed();
    if (trimmed == m_filter)
        return;
    beginResetModel();
    m_filter = trimmed;
    rebuildRows();
    endResetModel();
}

void FMediaLibraryModel::rebuildRows()
{
    m_rows.clear();
    m_rows.reserve(m_paths.size());
    for (int i = 0; i < m_paths.size(); ++i) {
        if (m_filter.isEmpty() || fileNameOf(m_paths.at(i)).contains(m_filter, Qt::CaseInsensitive))
            m_rows << i;
    }
}

int FMediaLibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant FMediaLibraryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return QVariant();
    const int id = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return fileNameOf(m_paths.at(id));
    case Qt::ToolTipRole:
        return m_paths.at(id);
    case IdRole:
        return id;
    default:
        return QVariant();
    }
}

int FMediaLibraryModel::rowOfId(int id) const
{
    const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), id);
    return it != m_rows.cend() && *it == id ? int(it - m_rows.cbegin()) : -1;
}

int FMediaLibraryModel::idAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : -1;
}

QList<int> FMediaLibraryModel::visibleIds() const
{
    return QList<int>(m_rows.cbegin(), m_rows.cend());
}
