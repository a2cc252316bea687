#pragma once

#include "KvAppSettingsGroup.h"

// Automatic backup of the open project and where new projects go.
class KvSaveSettings : public KvAppSettingsGroup
{
public:
    enum Key { AutoBackupProject, AutoBackupProjectTime, BackupProjectFile, MaximumBackupVersion, DefaultProjectSaveFolder, KeyCount };

    KvSaveSettings();

    static const QVector<KvAppSetting> &table();

    bool GetAutoBackupProject() const { return flag(AutoBackupProject); }
    void SetAutoBackupProject(bool enable) { setValue(AutoBackupProject, enable); }
    // Minutes between two backups, 1 to 1440.
    int GetAutoBackupProjectTime() const { return number(AutoBackupProjectTime); }
    void SetAutoBackupProjectTime(int minutes) { setValue(AutoBackupProjectTime, minutes); }
    // The backup folder.
    QString GetBackupProjectFile() const { return text(BackupProjectFile); }
    void SetBackupProjectFile(const QString &folder) { setValue(BackupProjectFile, folder); }
    // Backups kept per project.
    int GetMaximumBackupVersion() const { return number(MaximumBackupVersion); }
    void SetMaximumBackupVersion(int versions) { setValue(MaximumBackupVersion, versions); }
    QString GetDefaultProjectSaveFolder() const { return text(DefaultProjectSaveFolder); }
    void SetDefaultProjectSaveFolder(const QString &folder) { setValue(DefaultProjectSaveFolder, folder); }
};
