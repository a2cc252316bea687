#include "FMediaLibraryModel.h"

#include "FTimelineTrackView.h"
#include "KvSkin.h"

#include <QMimeData>

#include <algorithm>

namespace {

QString iconName(KvMediaType type)
{
    switch (type) {
    case KvMediaType::Video: return QStringLiteral("video");
    case KvMediaType::Audio: return QStringLiteral("audio");
    case KvMediaType::Image: return QStringLiteral("image");
    case KvMediaType::Subtitle: return QStringLiteral("message");
    case KvMediaType::Unknown: break;
    }
    return QStringLiteral("failed");
}

} // namespace

FMediaLibraryModel::FMediaLibraryModel(QObject *parent)
    : QAbstractListModel(parent)
{
    connect(&m_loader, &FMediaFactsLoader::sigReady, this, &FMediaLibraryModel::factsReady);
}

QString FMediaLibraryModel::fileNameOf(const QString &path)
{
    // Paths in a project are clean absolute paths; no file system call needed.
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString FMediaLibraryModel::sizeText(qint64 bytes)
{
    if (bytes < 0)
        return tr("missing");
    if (bytes < 1024)
        return tr("%1 B").arg(bytes);
    if (bytes < 1024 * 1024)
        return tr("%1 KB").arg(double(bytes) / 1024.0, 0, 'f', 1);
    if (bytes < 1024LL * 1024 * 1024)
        return tr("%1 MB").arg(double(bytes) / (1024.0 * 1024.0), 0, 'f', 1);
    return tr("%1 GB").arg(double(bytes) / (1024.0 * 1024.0 * 1024.0), 0, 'f', 2);
}

void FMediaLibraryModel::setMedia(const QStringList &paths)
{
    beginResetModel();
    if (paths != m_paths) {
        m_loader.forget();
        m_facts.clear();
        m_thumbnails.clear();
    }
    m_paths = paths;
    rebuildRows();
    endResetModel();
}

void FMediaLibraryModel::appendMedia(const QStringList &paths)
{
    const int first = m_paths.size();
    m_paths += paths;
    QVector<int> added;
    for (int id = first; id < m_paths.size(); ++id) {
        if (matches(id))
            added << id;
    }
    if (added.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size() + added.size() - 1);
    m_rows += added;
    endInsertRows();
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

bool FMediaLibraryModel::matches(int id) const
{
    return m_filter.isEmpty() || fileNameOf(m_paths.at(id)).contains(m_filter, Qt::CaseInsensitive);
}

void FMediaLibraryModel::rebuildRows()
{
    m_rows.clear();
    m_rows.reserve(m_paths.size());
    for (int i = 0; i < m_paths.size(); ++i) {
        if (matches(i))
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
    const QString &path = m_paths.at(id);
    const auto facts = m_facts.constFind(path);
    const bool known = facts != m_facts.constEnd();
    const KvMediaType type = known ? facts->type : KvMediaProbe::typeBySuffix(path);
    switch (role) {
    case Qt::DisplayRole: {
        if (!known)
            m_loader.request(path);
        const QString details = known ? QStringLiteral("%1 \u00b7 %2").arg(KvMediaProbe::typeName(type), sizeText(facts->size))
                                      : KvMediaProbe::typeName(type);
        return QStringLiteral("%1\n%2").arg(fileNameOf(path), details);
    }
    case Qt::AccessibleTextRole:
        return fileNameOf(path);
    case Qt::DecorationRole: {
        const auto thumbnail = m_thumbnails.constFind(path);
        if (thumbnail != m_thumbnails.constEnd())
            return *thumbnail;
        return KvSkin::instance()->icon(iconName(type));
    }
    case Qt::ToolTipRole:
        return known ? QStringLiteral("%1\n%2, %3").arg(path, KvMediaProbe::typeName(type), sizeText(facts->size))
                     : path;
    case IdRole:
        return id;
    case TypeRole:
        return int(type);
    case SizeRole:
        return known ? facts->size : qint64(-1);
    default:
        return QVariant();
    }
}

Qt::ItemFlags FMediaLibraryModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (index.isValid())
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList FMediaLibraryModel::mimeTypes() const
{
    return {FTimelineTrackView::mediaIdsMimeType()};
}

QMimeData *FMediaLibraryModel::mimeData(const QModelIndexList &indexes) const
{
    QStringList ids;
    for (const QModelIndex &index : indexes)
        ids << QString::number(idAt(index.row()));
    auto *mime = new QMimeData;
    mime->setData(FTimelineTrackView::mediaIdsMimeType(), ids.join(QLatin1Char(',')).toLatin1());
    return mime;
}

void FMediaLibraryModel::factsReady(const QString &path, const FMediaFacts &facts)
{
    m_facts.insert(path, facts);
    if (!facts.thumbnail.isNull())
        m_thumbnails.insert(path, QPixmap::fromImage(facts.thumbnail));
    // Views repaint only the rows on screen; finding the one row would cost a
    // search through every path.
    if (!m_rows.isEmpty())
        emit dataChanged(index(0), index(m_rows.size() - 1), {Qt::DisplayRole, Qt::DecorationRole, Qt::ToolTipRole});
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
