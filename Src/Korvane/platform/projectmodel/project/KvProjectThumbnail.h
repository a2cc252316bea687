#pragma once

#include "KvProjectData.h"

#include <QImage>

// Draws the picture that stands for a project where no frame can be decoded:
// the frame in the project's aspect, one bar per clip on its track, the name.
class KvProjectThumbnail
{
public:
    static constexpr int kLongSide = 320;

    // Text needs fonts, and fonts need a QGuiApplication; without one the
    // picture has no name on it.
    static QImage render(const KvProjectData &data);
    // Writes the ".fsthumb" PNG beside the project file (atomically).
    // Any thread.
    static bool writeBeside(const QString &projectPath, const KvProjectData &data);
    // The thumbnail of a project file: the stored ".fsthumb" when it is a
    // PNG, else drawn from the file. Null when the file is missing or not a
    // project. Any thread; it may read the whole project, so the GUI thread
    // leaves it to a worker. With `storeDrawn`, a picture that had to be
    // drawn is written beside the project (when its folder is writable), so
    // the next call only reads it.
    static QImage load(const QString &projectPath, bool storeDrawn = false);
};
