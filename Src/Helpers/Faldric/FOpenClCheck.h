#pragma once

#include "FOpenClDevices.h"

#include <QString>

// What Faldric.exe answers with its exit status. A process exit status is
// one byte, so the negative codes arrive at the editor as 256 + code
// (-10 as 246, -11 as 245); the editor reads the status as a signed byte.
namespace FOclCheckCode {
constexpr int Usable = 0;
constexpr int WhiteListed = 11;
// No OpenCL platform, no GPU with the asked index, or arguments naming none.
constexpr int NoDevice = -10;
// The GPU exists but must not be used: it is on the black list, or it could
// not run a context, a queue and a buffer round trip.
constexpr int Unusable = -11;
} // namespace FOclCheckCode

// Whether one device can run OpenCL work at all: a context, a command queue
// and a buffer written and read back unchanged. The answer is remembered per
// device and driver version in "opencl_check.json" in the result folder, so
// the check at every start costs an enumeration only; recheck runs it anew.
class FOpenClCheck
{
public:
    explicit FOpenClCheck(const QString &resultDir);

    bool isUsable(const FOpenClDevice &device, bool recheck);
    // Why the last probe failed; empty when it passed or came from the cache.
    const QString &error() const { return m_error; }

    static constexpr const char *CacheFileName = "opencl_check.json";

private:
    bool probe(const FOpenClDevice &device);
    void remember(const FOpenClDevice &device, bool usable);

    QString m_cachePath;
    QString m_error;
};
