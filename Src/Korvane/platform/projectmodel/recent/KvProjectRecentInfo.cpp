#include "KvProjectRecentInfo.h"

#include <QFileInfo>

KvProjectRecentInfo::KvProjectRecentInfo(const QString &path, KvProjectType type, const QDateTime &modifyTime)
    : m_path(path)
    , m_type(type)
    , m_modifyTime(modifyTime)
{
}

bool KvProjectRecentInfo::exists() const
{
    return !m_path.isEmpty() && QFileInfo(m_path).isFile();
}

bool KvProjectRecentInfo::operator==(const KvProjectRecentInfo &other) const
{
    return m_path == other.m_path && m_type == other.m_type && m_modifyTime == other.m_modifyTime;
}
