#include "FKorvaneIniSettings.h"

#include "KvConfig.h"

#include <QSettings>

const FKorvaneIniSettings::Setting FKorvaneIniSettings::LogRetrievalFlashback{"LogRetrieval", "flashback", false};
const FKorvaneIniSettings::Setting FKorvaneIniSettings::QuickTutorialsSwitchOpen{"QuickToturialsSwitch",
                                                                                 "QuickToturialsSwitchOpen", false};

bool FKorvaneIniSettings::value(const Setting &setting, const QString &iniFile)
{
    const QString file = iniFile.isEmpty() ? KvConfig::Instance()->GetKorvaneConfigFile() : iniFile;
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(setting.group));
    return settings.value(QLatin1String(setting.key), setting.defaultValue).toBool();
}
