#pragma once

#include <QString>
#include <QStringList>

// The media the library imports, as file-dialog filters
// ("Video Files (*.mp4 *.mov ...)") and as suffix lists.
class KvMediaLibraryUtils
{
public:
    static QString getImportVideoFilter();
    static QString getImportAudioFilter();
    static QString getImportImageFilter();
    static QString getImportSubtitleFilter();

    static QStringList videoSuffixes();
    static QStringList audioSuffixes();
    static QStringList imageSuffixes();
    static QStringList subtitleSuffixes();
    // True when the file's suffix is one the library imports (case-insensitive).
    static bool isImportable(const QString &path);
};
