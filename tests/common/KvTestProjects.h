#pragma once

#include "IKvProjectRecentManager.h"
#include "KvProjectRecentInfo.h"

#include <QByteArray>
#include <QStringList>

// Project files and project-service views that several tests share.
namespace KvTestProjects {

// The smallest project the document service opens.
inline const QByteArray kGoodProject = R"({"format":"korvane-project","version":1,"name":"Good","type":0,
    "settings":{"width":1920,"height":1080,"frameRate":30},"media":[],"clips":[],"effects":[]})";

// The recent list's paths, newest first.
inline QStringList recentPaths()
{
    QStringList paths;
    for (const KvProjectRecentInfo &info : IKvProjectRecentManager::getInstance()->recentList())
        paths << info.getPath();
    return paths;
}

} // namespace KvTestProjects
