#pragma once

#include "FSettings.h"

#include <QJsonObject>
#include <QMutex>

// The preferences store: one process-wide FSettings, kept in
// "<userConfigDir>/KvAppSettings.json" (the KvConfigFile format, one object
// per group under "user"; a value equal to its default is not written).
//
// A missing file gives the defaults. A corrupt one gives the defaults and one
// error line, and its bytes are copied to "<file>.corrupt-<time>" before a
// save replaces it. A stored value of the wrong type or out of range is
// logged and takes its default. Keys this version does not know survive a
// save.
//
// Reads and writes of the groups are thread-safe; Release is not (it ends the
// store at shutdown).
class KvAppSettings
{
public:
    static KvAppSettings *GetInstance();
    // Writes every group in one atomic write. False, logged, when the file
    // could not be written; the values stay as set.
    static bool Save();
    // Saves what changed since the file was last read or written, then frees
    // the store; the next GetInstance() reads the file again.
    static void Release();

    // The live settings.
    FSettings &GetSettings() { return m_settings; }
    QString filePath() const { return m_filePath; }

    KvAppSettings(const KvAppSettings &) = delete;
    KvAppSettings &operator=(const KvAppSettings &) = delete;

private:
    KvAppSettings();
    ~KvAppSettings();

    void load();
    bool save();
    // The file's content as it would be written now.
    QJsonObject content() const;

    const QString m_filePath;
    FSettings m_settings;
    QMutex m_fileMutex;
    // As last read or written: the base that keeps unknown keys, and the
    // measure of unsaved changes.
    QJsonObject m_stored;
};
