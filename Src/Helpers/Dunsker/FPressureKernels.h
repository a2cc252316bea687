#pragma once

#include "FOpenClDevices.h"

#include <QString>
#include <cstdint>
#include <vector>

// RGBA frame, four bytes a pixel, rows without padding.
struct FFrame
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    FFrame() = default;
    FFrame(int w, int h) : width(w), height(h), pixels(size_t(w) * h * 4) {}
    bool operator==(const FFrame &other) const
    {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
};

// An inverse affine map in 16.16 fixed point: the source pixel of output
// pixel (x, y) is ((a x + b y + ox) >> 16, (c x + d y + oy) >> 16). Integer
// arithmetic gives the device and the host reference the same answer to the
// bit, so a result can be checked by comparison.
struct FAffine
{
    int32_t a = 0, b = 0, c = 0, d = 0;
    int64_t ox = 0, oy = 0;

    // Scale, then rotate (degrees, counter-clockwise), then translate.
    static FAffine fromForward(double scaleX, double scaleY, double degrees, double tx, double ty);
};

// The work of the pressure test on one OpenCL device: a frame copied to the
// device and back, and two kernels, a box-filter downscale and an affine
// transform, whose answers are compared with the host's.
class FPressureKernels
{
public:
    explicit FPressureKernels(const FOpenClDevice &device);
    ~FPressureKernels();
    FPressureKernels(const FPressureKernels &) = delete;
    FPressureKernels &operator=(const FPressureKernels &) = delete;

    // Context, queue and program; false with the reason in error().
    bool init();
    // Copies a width x height frame to the device and back; checks it.
    bool memoryRoundTrip(int width, int height, double &megabytesPerSecond);
    bool resize(const FFrame &source, int factor, FFrame &out);
    bool transform(const FFrame &source, const FAffine &map, int width, int height, FFrame &out);

    const QString &error() const { return m_error; }

    static FFrame testPattern(int width, int height);
    static FFrame referenceResize(const FFrame &source, int factor);
    static FFrame referenceTransform(const FFrame &source, const FAffine &map, int width, int height);

private:
    bool failed(const char *what, cl_int status);
    bool run(cl_kernel kernel, const FFrame &source, FFrame &out);

    const FOpenClDevice m_device;
    cl_context m_context = nullptr;
    cl_command_queue m_queue = nullptr;
    cl_program m_program = nullptr;
    cl_kernel m_resize = nullptr;
    cl_kernel m_transform = nullptr;
    QString m_error;
};
