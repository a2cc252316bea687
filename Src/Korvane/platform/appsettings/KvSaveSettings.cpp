#include "KvSaveSettings.h"

using namespace KvAppSettingChecks;
using KvAppSettingDefaults::inDocuments;

const QVector<KvAppSetting> &KvSaveSettings::table()
{
    static const QVector<KvAppSetting> settings = {
        {AutoBackupProject, "AutoBackupProject", true},
        {AutoBackupProjectTime, "AutoBackupProjectTime", 5, inRange<1, 24 * 60>},
        {BackupProjectFile, "BackupProjectFile", inDocuments("Backup"), notBlank},
        {MaximumBackupVersion, "MaximumBackupVersion", 10, inRange<1, 1000>},
        {DefaultProjectSaveFolder, "DefaultProjectSaveFolder", inDocuments("Projects"), notBlank},
    };
    return settings;
}

KvSaveSettings::KvSaveSettings()
    : KvAppSettingsGroup("Save", table())
{
}
