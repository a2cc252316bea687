#pragma once

#include <QString>

// Values the editor remembers for the length of one run only, never stored:
// the folder the user last opened or saved a project in, which the project
// file choosers start from. Thread-safe.
class KvAppTemporary
{
public:
    // Empty: none remembered, the choosers start at the default project
    // folder of the preferences.
    static QString GetUserCurrentProjectDir();
    static void SetUserCurrentProjectDir(const QString &folder);
};
