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
    static bool writeBeside(const QString &projectPath, const KvProjectData &data);
};
