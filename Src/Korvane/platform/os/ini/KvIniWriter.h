#pragma once

#include <QString>

// Sets one key of one section of an INI file and keeps every other line as
// it was: comments, blank lines, key order, other sections, unknown syntax.
// A missing file or section is created; the file is replaced atomically.
class KvIniWriter
{
public:
    // Section and key names compare without regard to case, as the INI
    // files the editor shares with other programs expect.
    static bool writePrivateProfileString(const QString &section, const QString &key, const QString &value,
                                          const QString &filePath, QString *error = nullptr);

    // The same edit on text in memory; exposed for tests.
    static QByteArray setValue(const QByteArray &text, const QString &section, const QString &key,
                               const QString &value);
};
