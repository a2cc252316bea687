#include "FLaunchTestRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace FLaunchTestRules {

bool isUnusableGpu(int code)
{
    return code == -11 || code == -10;
}

bool wantsDriverUpdate(int code)
{
    return code == 12 || code == 13;
}

bool isWorthPressureTest(int code)
{
    return code == 0 || code == 11 || wantsDriverUpdate(code);
}

QString cacheKey(const QString &gpuName, const QString &deviceId)
{
    return QStringLiteral("%1-%2-opencl").arg(gpuName, deviceId);
}

bool isMemoryBelowRequirement(const QString &memorySizeText)
{
    const QString gb = QStringLiteral("GB");
    if (!memorySizeText.contains(gb))
        return false;
    QString number = memorySizeText;
    number.remove(gb);
    bool ok = false;
    const double size = number.trimmed().toDouble(&ok);
    return ok && size <= 3.0;
}

int gpuCrashClass(const QString &logPath)
{
    if (!QFileInfo::exists(logPath))
        return 0;
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;

    // Read in chunks, each searched together with the tail of the one
    // before, so that a log of any size costs little memory.
    const QByteArray workStarted("GPU work started");
    const QByteArray errorCallback("UHP error callback level");
    const QByteArray fatalCallback("UHP fatal callback level");
    const int overlap = qMax(workStarted.size(), qMax(errorCallback.size(), fatalCallback.size())) - 1;
    bool callback = false;
    QByteArray window;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 20);
        if (chunk.isEmpty())
            break;
        window = window.right(overlap) + chunk;
        if (window.contains(workStarted))
            return 1;
        callback = callback || window.contains(errorCallback) || window.contains(fatalCallback);
    }
    return callback ? 2 : -1;
}

QStringList openClCheckArguments(const QString &blackList, const QString &whiteList, int index,
                                 const QString &resultDir, int recheck)
{
    return {QStringLiteral("--blacklist"), QDir::toNativeSeparators(blackList),
            QStringLiteral("--whitelist"), QDir::toNativeSeparators(whiteList),
            QStringLiteral("--gpu"),       QString::number(index),
            QStringLiteral("--result"),    resultDir,
            QStringLiteral("--recheck"),   QString::number(recheck)};
}

QStringList pressureTestArguments(const QString &appDir, const QString &stateDir, int index)
{
    const auto native = [&appDir](const QString &file) { return QDir::toNativeSeparators(appDir + file); };
    const auto output = [&stateDir](const QString &file) { return QDir::toNativeSeparators(stateDir + file); };
    const QString size4kWidth = QStringLiteral("3840");
    const QString size4kHeight = QStringLiteral("2160");
    return {QStringLiteral("--gpu"),
            QString::number(index),
            QStringLiteral("--result"),
            QStringLiteral("20"),
            output(kResultCache),
            QStringLiteral("1"),
            QStringLiteral("--memio"),
            size4kWidth,
            size4kHeight,
            QStringLiteral("--decode"),
            QStringLiteral("file:/") + native(kTestVideo),
            QStringLiteral("0"),
            size4kWidth,
            size4kHeight,
            QStringLiteral("25.0"),
            QStringLiteral("--encode"),
            output(kEncodeTarget),
            QStringLiteral("1920"),
            QStringLiteral("1080"),
            QStringLiteral("MP4 "),
            QStringLiteral("H264"),
            QStringLiteral("24"),
            QStringLiteral("1"),
            QStringLiteral("15000"),
            QStringLiteral("--transform"),
            size4kWidth,
            size4kHeight,
            QStringLiteral("0.25"),
            QStringLiteral("0.25"),
            QStringLiteral("50"),
            QStringLiteral("50"),
            QStringLiteral("45"),
            QStringLiteral("--image"),
            QStringLiteral("file:/") + native(kTestPicture),
            QStringLiteral("--resize"),
            size4kWidth,
            size4kHeight,
            QStringLiteral("1"),
            QStringLiteral("2")};
}

QString algorithmTestProgram()
{
    return QStringLiteral("./") + kAlgorithmTest;
}

QStringList algorithmTestArguments(int checkType)
{
    // The self-test reads its resources relative to the application
    // directory, which is its current directory; the paths keep the form
    // the program was written for.
    return {QStringLiteral("./"), QStringLiteral(".\\resources\\"),
            checkType == kAlgorithmTypeA ? QStringLiteral("0") : QStringLiteral("1")};
}

} // namespace FLaunchTestRules
