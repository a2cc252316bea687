#pragma once

#include <QString>
#include <QStringList>

// The argument list of the pressure test, as the editor builds it:
//
//   --gpu N
//   --result ITERATIONS OUT.JSON WRITE          (WRITE 1: record the result)
//   --memio W H                                 (frame size of the copy test)
//   --decode file:/VIDEO TRACK W H FPS
//   --encode TARGET W H CONTAINER CODEC FPS GOP KBITS
//   --transform W H SX SY TX TY DEGREES
//   --image file:/PICTURE
//   --resize W H MODE FACTOR
//
// Every group is required; "file:/" before a path is dropped as it stands
// (the rest is a native path, not a URL).
struct FPressureArguments
{
    int gpu = -1;
    int iterations = 0;
    QString resultPath;
    bool writeResult = false;
    int memioWidth = 0;
    int memioHeight = 0;
    QString videoPath;
    int videoWidth = 0;
    int videoHeight = 0;
    double videoFps = 0;
    QString encodeTarget;
    int transformWidth = 0;
    int transformHeight = 0;
    double scaleX = 0;
    double scaleY = 0;
    double translateX = 0;
    double translateY = 0;
    double degrees = 0;
    QString picturePath;
    int resizeFactor = 0;

    // False with the reason in error for anything missing, unknown or out of range.
    bool parse(const QStringList &args, QString &error);

    // Frame sizes and counts beyond these are refused, not allocated.
    static constexpr int MaxSide = 16384;
    static constexpr qint64 MaxFramePixels = 7680 * 4320;
    static constexpr int MaxIterations = 1000;
};
