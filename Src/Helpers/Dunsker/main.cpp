// Dunsker.exe, the GPU pressure test of the launch test.
//
//   Dunsker.exe --gpu N --result ITERATIONS OUT.JSON WRITE --memio W H
//               --decode file:/VIDEO TRACK W H FPS --encode TARGET W H CONTAINER CODEC FPS GOP KBITS
//               --transform W H SX SY TX TY DEGREES --image file:/PICTURE --resize W H MODE FACTOR
//
// On OpenCL GPU N (numbered as Faldric.exe numbers them) it copies a W x H
// frame of --memio to the device and back, then ITERATIONS times runs a
// box-filter downscale by FACTOR of a frame the picture's size, followed by
// the affine transform of --transform, each at an eighth of the named sizes,
// and compares every answer with the host's. It reads the container of the
// test video and the structure of the test picture first, and checks that
// the encode target can be written; it encodes nothing. With WRITE 1 it then
// records "<device name>-<device id>-opencl": {...} in OUT.JSON (other keys
// kept, written atomically).
//
// Exit status: 0 passed (and recorded); 1 bad arguments; 2 a test medium is
// missing or damaged, or the encode target cannot be written; 3 no such GPU;
// 4 the OpenCL work failed or answered wrongly; 5 OUT.JSON could not be
// written. Only 0 touches OUT.JSON. The reason of a failure goes to stderr.
//
// KORVANE_CHECK_ACCEPT_CPU_DEVICE=1 counts every OpenCL device as a GPU
// (tests on machines without one).
#include "FJpegProbe.h"
#include "FMp4Probe.h"
#include "FOpenClDevices.h"
#include "FPressureArguments.h"
#include "FPressureKernels.h"
#include "FPressureResultFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace {

enum Exit { Passed = 0, BadArguments = 1, BadMedia = 2, NoDevice = 3, WorkFailed = 4, NotRecorded = 5 };

// The kernels run at an eighth of the sizes named, which keeps the test
// within a second on a slow device while still covering whole frames.
constexpr int kDivisor = 8;

int fail(int code, const QString &why)
{
    std::fprintf(stderr, "Dunsker: %s\n", qPrintable(why));
    return code;
}

bool targetWritable(const QString &target, QString &error)
{
    QTemporaryFile probe(QFileInfo(target).absolutePath() + QStringLiteral("/.encode-XXXXXX"));
    if (!probe.open()) {
        error = QStringLiteral("cannot write beside the encode target %1: %2").arg(target, probe.errorString());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    FPressureArguments args;
    QString error;
    if (!args.parse(app.arguments().mid(1), error))
        return fail(BadArguments, error);

    const FMp4Info video = FMp4Probe::probe(args.videoPath);
    if (!video.ok)
        return fail(BadMedia, QStringLiteral("test video %1: %2").arg(args.videoPath, video.error));
    const FJpegInfo picture = FJpegProbe::probe(args.picturePath);
    if (!picture.ok)
        return fail(BadMedia, QStringLiteral("test picture %1: %2").arg(args.picturePath, picture.error));
    // The kernels' source frame is the picture's size divided by kDivisor:
    // a header claiming a giant picture must not become a giant allocation.
    if (qint64(picture.width) * picture.height > FPressureArguments::MaxFramePixels * 4)
        return fail(BadMedia, QStringLiteral("test picture %1 is %2 x %3, too large")
                                  .arg(args.picturePath).arg(picture.width).arg(picture.height));
    if (!targetWritable(args.encodeTarget, error))
        return fail(BadMedia, error);

    const FOpenClDevices devices;
    const FOpenClDevice *device = devices.device(args.gpu);
    if (!device)
        return fail(NoDevice, QStringLiteral("no OpenCL GPU %1").arg(args.gpu));

    FPressureKernels kernels(*device);
    double megabytesPerSecond = 0;
    if (!kernels.init() || !kernels.memoryRoundTrip(args.memioWidth, args.memioHeight, megabytesPerSecond))
        return fail(WorkFailed, QStringLiteral("%1: %2").arg(device->name, kernels.error()));

    const FFrame source = FPressureKernels::testPattern(qMax<int>(args.resizeFactor, int(picture.width) / kDivisor),
                                                        qMax<int>(args.resizeFactor, int(picture.height) / kDivisor));
    const int width = args.transformWidth / kDivisor, height = args.transformHeight / kDivisor;
    const FAffine map = FAffine::fromForward(args.scaleX, args.scaleY, args.degrees,
                                             args.translateX / kDivisor, args.translateY / kDivisor);
    const FFrame expectedResize = FPressureKernels::referenceResize(source, args.resizeFactor);
    const FFrame expected = FPressureKernels::referenceTransform(expectedResize, map, width, height);

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < args.iterations; ++i) {
        FFrame resized, transformed;
        if (!kernels.resize(source, args.resizeFactor, resized) || !kernels.transform(resized, map, width, height, transformed))
            return fail(WorkFailed, QStringLiteral("%1: %2").arg(device->name, kernels.error()));
        if (!(resized == expectedResize) || !(transformed == expected))
            return fail(WorkFailed, QStringLiteral("%1: run %2 answered differently from the host").arg(device->name).arg(i + 1));
    }
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;

    if (!args.writeResult)
        return Passed;
    const QJsonObject entry{
        {QStringLiteral("device"), device->name},
        {QStringLiteral("deviceId"), device->deviceId},
        {QStringLiteral("driver"), device->driverVersion},
        {QStringLiteral("platform"), device->platformName},
        {QStringLiteral("iterations"), args.iterations},
        {QStringLiteral("frameCopyMBps"), qRound(megabytesPerSecond)},
        {QStringLiteral("kernelMsPerIteration"), milliseconds / args.iterations},
        {QStringLiteral("video"), QStringLiteral("%1x%2").arg(video.width).arg(video.height)},
        {QStringLiteral("picture"), QStringLiteral("%1x%2").arg(picture.width).arg(picture.height)},
        {QStringLiteral("checkedAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}};
    if (!FPressureResultFile::writeEntry(args.resultPath, FPressureResultFile::keyFor(device->name, device->deviceId), entry, error))
        return fail(NotRecorded, error);
    return Passed;
}
