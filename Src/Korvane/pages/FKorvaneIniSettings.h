#pragma once

#include <QString>

// The values the shell keeps in its own INI file
// (KvConfig::GetKorvaneConfigFile()): each key with its group and default,
// spelled once here and read only through value().
class FKorvaneIniSettings
{
public:
    struct Setting
    {
        const char *group;
        const char *key;
        bool defaultValue;
    };

    // A previous run asked for the full "flashback" log retrieval.
    static const Setting LogRetrievalFlashback;
    // The quick tutorials offer a reward on the first editing session.
    static const Setting QuickTutorialsSwitchOpen;

    // The stored value, or the default when absent or the file is missing.
    // `iniFile` empty: the user's configuration file.
    static bool value(const Setting &setting, const QString &iniFile = QString());
};
