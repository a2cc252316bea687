#pragma once

#include <QString>

// One project open, as reported to the log and to tracking: which file,
// whether it worked, and whether it happened at launch (the file named on
// the command line) or later.
class KvOpenProjectEvent
{
public:
    // Cleared while start-up opens the project given on the command line;
    // set again once that open is done. Written only before or between opens.
    static bool isAfterLaunch;

    KvOpenProjectEvent(const QString &path, bool success);

    QString path() const { return m_path; }
    bool success() const { return m_success; }
    bool afterLaunch() const { return m_afterLaunch; }
    QString toString() const;

private:
    QString m_path;
    bool m_success;
    bool m_afterLaunch;
};
