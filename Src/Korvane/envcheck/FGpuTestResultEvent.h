#pragma once

#include "KvTrackEvent.h"

// What the GPU check of a start found: an OpenCL check's exit code, or
// whether the cached check as a whole passed.
class FGpuTestResultEvent : public KvTrackEvent
{
public:
    explicit FGpuTestResultEvent(int result)
        : KvTrackEvent(QStringLiteral("gpu_test_result"))
    {
        setField(QStringLiteral("result"), result);
    }
};
