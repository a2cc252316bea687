#pragma once

#include "KvEditingMessageId.h"
#include "KvMessage.h"

#include <QStringList>
#include <QVector>

// Asks the media library to import files or folders. The library marks it
// handled, fills in the ids now in the library and answers how many were
// added (int).
class KvMediaImportMessage : public KvMessage
{
public:
    // How the paths are meant.
    enum Mode { ModeFiles = 0, ModeFolder = 1 };
    // Where they come from (kept in the log, and the cloud's downloads are
    // held back while the player plays by the sender).
    enum Source {
        SourceUser = 0,
        SourceDrop = 1,
        SourceScreenRecorder = 2,
        SourceVoiceOver = 3,
        SourceWebcam = 4,
        SourceCloudDownload = 5,
    };

    explicit KvMediaImportMessage(const QStringList &paths, int mode = ModeFiles, int source = SourceUser,
                                  bool toCurrentFolder = true)
        : KvMessage(KvEditingMessageId::MediaImport)
        , m_paths(paths)
        , m_mode(mode)
        , m_source(source)
        , m_toCurrentFolder(toCurrentFolder)
    {
    }

    QStringList paths() const { return m_paths; }
    int mode() const { return m_mode; }
    int source() const { return m_source; }
    bool toCurrentFolder() const { return m_toCurrentFolder; }

    // Filled by the library: the items of the paths, in order (a folder's
    // files in path order). A folder import fills it when the folder has
    // been read, which may be after the message returned.
    void setImportedIds(const QVector<int> &ids) { m_ids = ids; }
    QVector<int> importedIds() const { return m_ids; }
    int firstImportedId() const { return m_ids.isEmpty() ? -1 : m_ids.first(); }

private:
    QStringList m_paths;
    int m_mode;
    int m_source;
    bool m_toCurrentFolder;
    QVector<int> m_ids;
};
