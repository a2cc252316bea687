#include "FPressureKernels.h"

#include <QElapsedTimer>
#include <cmath>

namespace {

const char kProgram[] = R"CL(
__kernel void boxResize(__global const uchar4 *src, int srcWidth, int srcHeight,
                        __global uchar4 *dst, int dstWidth, int dstHeight, int factor)
{
    const int x = get_global_id(0);
    const int y = get_global_id(1);
    if (x >= dstWidth || y >= dstHeight)
        return;
    uint4 sum = (uint4)(0);
    for (int j = 0; j < factor; ++j)
        for (int i = 0; i < factor; ++i)
            sum += convert_uint4(src[(y * factor + j) * srcWidth + x * factor + i]);
    const uint n = (uint)(factor * factor);
    dst[y * dstWidth + x] = convert_uchar4((sum + (uint4)(n / 2)) / n);
}

__kernel void affine(__global const uchar4 *src, int srcWidth, int srcHeight,
                     __global uchar4 *dst, int dstWidth, int dstHeight, int4 m, long2 offset)
{
    const int x = get_global_id(0);
    const int y = get_global_id(1);
    if (x >= dstWidth || y >= dstHeight)
        return;
    const long sx = (long)m.x * x + (long)m.y * y + offset.x;
    const long sy = (long)m.z * x + (long)m.w * y + offset.y;
    uchar4 value = (uchar4)(0, 0, 0, 255);
    if (sx >= 0 && sy >= 0) {
        const long ix = sx >> 16;
        const long iy = sy >> 16;
        if (ix < srcWidth && iy < srcHeight)
            value = src[iy * srcWidth + ix];
    }
    dst[y * dstWidth + x] = value;
}
)CL";

int32_t toFixed(double v)
{
    return int32_t(std::lround(v * 65536.0));
}

} // namespace

FAffine FAffine::fromForward(double scaleX, double scaleY, double degrees, double tx, double ty)
{
    const double radians = degrees * M_PI / 180.0;
    const double cosine = std::cos(radians), sine = std::sin(radians);
    // Inverse of translate * rotate * scale.
    const double a = cosine / scaleX, b = sine / scaleX;
    const double c = -sine / scaleY, d = cosine / scaleY;
    FAffine map;
    map.a = toFixed(a);
    map.b = toFixed(b);
    map.c = toFixed(c);
    map.d = toFixed(d);
    map.ox = std::llround(-(a * tx + b * ty) * 65536.0);
    map.oy = std::llround(-(c * tx + d * ty) * 65536.0);
    return map;
}

FPressureKernels::FPressureKernels(const FOpenClDevice &device) : m_device(device) {}

FPressureKernels::~FPressureKernels()
{
    if (m_resize)
        clReleaseKernel(m_resize);
    if (m_transform)
        clReleaseKernel(m_transform);
    if (m_program)
        clReleaseProgram(m_program);
    if (m_queue)
        clReleaseCommandQueue(m_queue);
    if (m_context)
        clReleaseContext(m_context);
}

bool FPressureKernels::failed(const char *what, cl_int status)
{
    m_error = QStringLiteral("%1 failed (OpenCL error %2)").arg(QLatin1String(what)).arg(status);
    return false;
}

bool FPressureKernels::init()
{
    cl_int status = CL_SUCCESS;
    const cl_context_properties properties[] = {
        CL_CONTEXT_PLATFORM, cl_context_properties(m_device.platform), 0};
    m_context = clCreateContext(properties, 1, &m_device.device, nullptr, nullptr, &status);
    if (status != CL_SUCCESS)
        return failed("clCreateContext", status);
    m_queue = clCreateCommandQueue(m_context, m_device.device, 0, &status);
    if (status != CL_SUCCESS)
        return failed("clCreateCommandQueue", status);

    const char *source = kProgram;
    m_program = clCreateProgramWithSource(m_context, 1, &source, nullptr, &status);
    if (status != CL_SUCCESS)
        return failed("clCreateProgramWithSource", status);
    status = clBuildProgram(m_program, 1, &m_device.device, "", nullptr, nullptr);
    if (status != CL_SUCCESS) {
        size_t size = 0;
        clGetProgramBuildInfo(m_program, m_device.device, CL_PROGRAM_BUILD_LOG, 0, nullptr, &size);
        QByteArray log(int(size), '\0');
        clGetProgramBuildInfo(m_program, m_device.device, CL_PROGRAM_BUILD_LOG, size, log.data(), nullptr);
        failed("clBuildProgram", status);
        m_error += QLatin1String(": ") + QString::fromUtf8(log.constData()).trimmed();
        return false;
    }
    m_resize = clCreateKernel(m_program, "boxResize", &status);
    if (status != CL_SUCCESS)
        return failed("clCreateKernel(boxResize)", status);
    m_transform = clCreateKernel(m_program, "affine", &status);
    if (status != CL_SUCCESS)
        return failed("clCreateKernel(affine)", status);
    return true;
}

bool FPressureKernels::memoryRoundTrip(int width, int height, double &megabytesPerSecond)
{
    const FFrame frame = testPattern(width, height);
    FFrame back(width, height);
    const size_t bytes = frame.pixels.size();
    cl_int status = CL_SUCCESS;
    cl_mem buffer = clCreateBuffer(m_context, CL_MEM_READ_WRITE, bytes, nullptr, &status);
    if (status != CL_SUCCESS)
        return failed("clCreateBuffer", status);
    QElapsedTimer timer;
    timer.start();
    status = clEnqueueWriteBuffer(m_queue, buffer, CL_TRUE, 0, bytes, frame.pixels.data(), 0, nullptr, nullptr);
    if (status == CL_SUCCESS)
        status = clEnqueueReadBuffer(m_queue, buffer, CL_TRUE, 0, bytes, back.pixels.data(), 0, nullptr, nullptr);
    const qint64 nanoseconds = qMax<qint64>(1, timer.nsecsElapsed());
    clReleaseMemObject(buffer);
    if (status != CL_SUCCESS)
        return failed("frame copy", status);
    if (!(back == frame)) {
        m_error = QStringLiteral("the frame read back differs from the one written");
        return false;
    }
    megabytesPerSecond = 2.0 * double(bytes) / (1 << 20) / (double(nanoseconds) / 1e9);
    return true;
}

bool FPressureKernels::run(cl_kernel kernel, const FFrame &source, FFrame &out)
{
    cl_int status = CL_SUCCESS;
    cl_mem input = clCreateBuffer(m_context, CL_MEM_READ_ONLY | CL_MEM_COPY_HOST_PTR, source.pixels.size(),
                                  const_cast<uint8_t *>(source.pixels.data()), &status);
    if (status != CL_SUCCESS)
        return failed("clCreateBuffer(input)", status);
    cl_mem output = clCreateBuffer(m_context, CL_MEM_WRITE_ONLY, out.pixels.size(), nullptr, &status);
    if (status != CL_SUCCESS) {
        clReleaseMemObject(input);
        return failed("clCreateBuffer(output)", status);
    }
    // The first six arguments are the same for both kernels.
    const cl_int sizes[4] = {source.width, source.height, out.width, out.height};
    status = clSetKernelArg(kernel, 0, sizeof(cl_mem), &input);
    status |= clSetKernelArg(kernel, 1, sizeof(cl_int), &sizes[0]);
    status |= clSetKernelArg(kernel, 2, sizeof(cl_int), &sizes[1]);
    status |= clSetKernelArg(kernel, 3, sizeof(cl_mem), &output);
    status |= clSetKernelArg(kernel, 4, sizeof(cl_int), &sizes[2]);
    status |= clSetKernelArg(kernel, 5, sizeof(cl_int), &sizes[3]);
    const size_t global[2] = {size_t(out.width), size_t(out.height)};
    if (status == CL_SUCCESS)
        status = clEnqueueNDRangeKernel(m_queue, kernel, 2, nullptr, global, nullptr, 0, nullptr, nullptr);
    if (status == CL_SUCCESS)
        status = clEnqueueReadBuffer(m_queue, output, CL_TRUE, 0, out.pixels.size(), out.pixels.data(), 0, nullptr, nullptr);
    clReleaseMemObject(input);
    clReleaseMemObject(output);
    return status == CL_SUCCESS || failed("kernel run", status);
}

bool FPressureKernels::resize(const FFrame &source, int factor, FFrame &out)
{
    out = FFrame(source.width / factor, source.height / factor);
    const cl_int f = factor;
    const cl_int status = clSetKernelArg(m_resize, 6, sizeof(cl_int), &f);
    if (status != CL_SUCCESS)
        return failed("clSetKernelArg(factor)", status);
    return run(m_resize, source, out);
}

bool FPressureKernels::transform(const FFrame &source, const FAffine &map, int width, int height, FFrame &out)
{
    out = FFrame(width, height);
    cl_int4 m;
    m.s[0] = map.a;
    m.s[1] = map.b;
    m.s[2] = map.c;
    m.s[3] = map.d;
    cl_long2 offset;
    offset.s[0] = map.ox;
    offset.s[1] = map.oy;
    cl_int status = clSetKernelArg(m_transform, 6, sizeof(m), &m);
    status |= clSetKernelArg(m_transform, 7, sizeof(offset), &offset);
    if (status != CL_SUCCESS)
        return failed("clSetKernelArg(map)", status);
    return run(m_transform, source, out);
}

FFrame FPressureKernels::testPattern(int width, int height)
{
    FFrame frame(width, height);
    uint8_t *p = frame.pixels.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, p += 4) {
            p[0] = uint8_t(x * 255 / qMax(1, width - 1));
            p[1] = uint8_t(y * 255 / qMax(1, height - 1));
            p[2] = uint8_t((x ^ y) & 0xff);
            p[3] = 255;
        }
    }
    return frame;
}

FFrame FPressureKernels::referenceResize(const FFrame &source, int factor)
{
    FFrame out(source.width / factor, source.height / factor);
    const uint32_t n = uint32_t(factor * factor);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            for (int c = 0; c < 4; ++c) {
                uint32_t sum = 0;
                for (int j = 0; j < factor; ++j)
                    for (int i = 0; i < factor; ++i)
                        sum += source.pixels[(size_t(y * factor + j) * source.width + size_t(x * factor + i)) * 4 + c];
                out.pixels[(size_t(y) * out.width + x) * 4 + c] = uint8_t((sum + n / 2) / n);
            }
        }
    }
    return out;
}

FFrame FPressureKernels::referenceTransform(const FFrame &source, const FAffine &map, int width, int height)
{
    FFrame out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int64_t sx = int64_t(map.a) * x + int64_t(map.b) * y + map.ox;
            const int64_t sy = int64_t(map.c) * x + int64_t(map.d) * y + map.oy;
            uint8_t *dst = &out.pixels[(size_t(y) * width + x) * 4];
            const uint8_t black[4] = {0, 0, 0, 255};
            const uint8_t *src = black;
            if (sx >= 0 && sy >= 0 && (sx >> 16) < source.width && (sy >> 16) < source.height)
                src = &source.pixels[(size_t(sy >> 16) * source.width + size_t(sx >> 16)) * 4];
            std::copy(src, src + 4, dst);
        }
    }
    return out;
}
