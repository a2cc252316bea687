#pragma once

#include "KvProjectRecentInfo.h"

#include <QList>
#include <QObject>

// The projects the user opened or saved lately, most recent first, one entry
// per file (the same file reached by another spelling or a link moves to the
// front), at most kMaxCount. Kept across runs in
// "<user data dir>/recentProjects.json" (one file per signed-in user):
//   { "version": 1, "projects": [ { "path": "...", "type": 0,
//                                   "modifyTime": "2024-01-01T10:00:00.000Z" } ] }
// The file is read once, when the list is first asked for (and again only
// for another user or an explicit reload). A file that is damaged or too
// large is moved aside (at most three such copies are kept) and the list
// starts empty. Entries whose file has vanished stay until removed;
// recentList(true) skips them. GUI thread only.
class IKvProjectRecentManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxCount = 20;

    static IKvProjectRecentManager *getInstance();
    static void releaseInstance();

    virtual QList<KvProjectRecentInfo> recentList(bool existingOnly = false) const = 0;
    virtual void add(const QString &path, KvProjectType type) = 0;
    // False when no entry names that file.
    virtual bool remove(const QString &path) = 0;
    virtual void clear() = 0;

    // Each signed-in user has a list of their own; empty = nobody signed in.
    virtual void setUserId(const QString &userId) = 0;
    virtual QString userId() const = 0;
    // Reads the list again from its file.
    virtual void reload() = 0;
    virtual QString storagePath() const = 0;
    // How often the list was read from a file since this object was made;
    // lets tests and diagnostics see that a start reads it once.
    virtual int fileReadCount() const = 0;

signals:
    void sigRecentListChanged();

protected:
    using QObject::QObject;
};
