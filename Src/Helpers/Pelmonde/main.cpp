// Pelmonde.exe, the media playback check of the launch test.
//
//   Pelmonde.exe check
//
// Reads the container of the test video beside it (4KvideoforGPUtest1.mp4):
// exit status 0 when its box structure is whole and it has a video track,
// 1 when it cannot be read or is damaged, with the reason on stderr.
#include "FMp4Probe.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args != QStringList{QStringLiteral("check")}) {
        std::fprintf(stderr, "usage: Pelmonde.exe check\n");
        return 1;
    }
    const QString video = QDir(app.applicationDirPath()).filePath(QStringLiteral("4KvideoforGPUtest1.mp4"));
    const FMp4Info info = FMp4Probe::probe(video);
    if (!info.ok) {
        std::fprintf(stderr, "Pelmonde: %s: %s\n", qPrintable(QDir::toNativeSeparators(video)), qPrintable(info.error));
        return 1;
    }
    return 0;
}
