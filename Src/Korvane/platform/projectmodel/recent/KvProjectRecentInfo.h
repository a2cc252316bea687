#pragma once

#include "KvProjectData.h"

#include <QDateTime>
#include <QString>

// One entry of the recent-project list.
class KvProjectRecentInfo
{
public:
    KvProjectRecentInfo() = default;
    KvProjectRecentInfo(const QString &path, KvProjectType type, const QDateTime &modifyTime);

    QString getPath() const { return m_path; }
    KvProjectType getType() const { return m_type; }
    // The file's modification time when the entry was last added (opened or
    // saved); the time of adding when the file did not exist then.
    QDateTime getModifyTime() const { return m_modifyTime; }
    // Whether the file is there now; entries of vanished files stay listed.
    bool exists() const;

    bool operator==(const KvProjectRecentInfo &other) const;

private:
    QString m_path;
    KvProjectType m_type = KvProjectType::Normal;
    QDateTime m_modifyTime;
};
