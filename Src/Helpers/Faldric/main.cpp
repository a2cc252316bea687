// Faldric.exe, the OpenCL check of the launch test.
//
//   Faldric.exe --blacklist FILE --whitelist FILE --gpu N --result DIR --recheck 0|1
//   Faldric.exe --list
//
// The first form checks GPU number N (GPUs of all OpenCL platforms, counted
// in loader order) and answers with its exit status:
//     0  the GPU is usable           11  usable and on the white list
//   -10  no OpenCL platform, no GPU N, or bad arguments
//   -11  GPU N is on the black list, or cannot run a buffer round trip
// An exit status is one byte: -10 and -11 arrive as 246 and 245, and the
// editor reads the status as a signed byte. The lists are XML files of
// <device name="..."/> entries matched as case-insensitive substrings of the
// device name; a missing list is an empty one. DIR keeps the answers of
// earlier runs (opencl_check.json); --recheck 1 checks the device again.
//
// The second form prints one line per OpenCL GPU, "index<TAB>name<TAB>deviceId",
// and exits 0; nothing when there is none. deviceId is the vendor id and a
// hash of the name in hex, the id the pressure test's results are keyed by.
//
// Tests on machines without a GPU set KORVANE_CHECK_ACCEPT_CPU_DEVICE=1, which
// counts every OpenCL device as a GPU (a CPU driver stands in).
#include "FDeviceNameList.h"
#include "FOpenClCheck.h"
#include "FOpenClDevices.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

void warn(const QString &why)
{
    std::fprintf(stderr, "Faldric: %s\n", qPrintable(why));
}

int fail(int code, const QString &why)
{
    warn(why);
    return code;
}

int listDevices()
{
    const FOpenClDevices devices;
    QTextStream out(stdout);
    for (const FOpenClDevice &device : devices.devices())
        out << device.index << '\t' << device.name << '\t' << device.deviceId << '\n';
    return 0;
}

struct CheckArguments
{
    QString blackList;
    QString whiteList;
    QString resultDir;
    int gpu = -1;
    bool recheck = false;
};

// The editor passes every option with its value; anything else is refused
// rather than guessed at.
bool parse(const QStringList &args, CheckArguments &out, QString &error)
{
    bool gpuSeen = false;
    for (int i = 0; i < args.size(); i += 2) {
        const QString &option = args[i];
        if (i + 1 >= args.size()) {
            error = QStringLiteral("%1 needs a value").arg(option);
            return false;
        }
        const QString &value = args[i + 1];
        bool ok = true;
        if (option == QLatin1String("--blacklist")) {
            out.blackList = value;
        } else if (option == QLatin1String("--whitelist")) {
            out.whiteList = value;
        } else if (option == QLatin1String("--result")) {
            out.resultDir = value;
        } else if (option == QLatin1String("--gpu")) {
            out.gpu = value.toInt(&ok);
            ok = ok && out.gpu >= 0;
            gpuSeen = true;
        } else if (option == QLatin1String("--recheck")) {
            ok = value == QLatin1String("0") || value == QLatin1String("1");
            out.recheck = value == QLatin1String("1");
        } else {
            error = QStringLiteral("unknown option %1").arg(option);
            return false;
        }
        if (!ok) {
            error = QStringLiteral("bad value \"%1\" for %2").arg(value, option);
            return false;
        }
    }
    if (!gpuSeen)
        error = QStringLiteral("--gpu is missing");
    return gpuSeen;
}

int check(const CheckArguments &args)
{
    const FOpenClDevices devices;
    if (!devices.hasPlatform())
        return fail(FOclCheckCode::NoDevice, QStringLiteral("no OpenCL platform"));
    const FOpenClDevice *device = devices.device(args.gpu);
    if (!device)
        return fail(FOclCheckCode::NoDevice, QStringLiteral("no OpenCL GPU %1 (%2 found)")
                                                 .arg(args.gpu).arg(devices.devices().size()));

    FDeviceNameList blackList;
    FDeviceNameList whiteList;
    // A list that does not parse is ignored, as a missing one is: the device
    // is then judged by its probe alone.
    if (!blackList.load(args.blackList))
        warn(blackList.error());
    if (!whiteList.load(args.whiteList))
        warn(whiteList.error());
    if (blackList.contains(device->name))
        return fail(FOclCheckCode::Unusable, QStringLiteral("%1 is on the black list").arg(device->name));

    FOpenClCheck checker(args.resultDir);
    if (!checker.isUsable(*device, args.recheck))
        return fail(FOclCheckCode::Unusable, QStringLiteral("%1: %2").arg(device->name, checker.error()));
    return whiteList.contains(device->name) ? FOclCheckCode::WhiteListed : FOclCheckCode::Usable;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args == QStringList{QStringLiteral("--list")})
        return listDevices();

    CheckArguments parsed;
    QString error;
    if (!parse(args, parsed, error))
        return fail(FOclCheckCode::NoDevice, error);
    return check(parsed);
}
