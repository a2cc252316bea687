#include "FAlgorithmSelfTest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

// A reproducible picture: a linear congruential generator mixed with
// gradients, so that both flat areas and noise are covered.
std::vector<uint8_t> makePicture(int channels)
{
    std::vector<uint8_t> out(size_t(FAlgorithmSelfTest::Width) * FAlgorithmSelfTest::Height * channels);
    uint32_t state = 0x2545f491u;
    for (int y = 0; y < FAlgorithmSelfTest::Height; ++y) {
        for (int x = 0; x < FAlgorithmSelfTest::Width; ++x) {
            for (int c = 0; c < channels; ++c) {
                state = state * 1664525u + 1013904223u;
                const int gradient = (x * 255 / FAlgorithmSelfTest::Width + y * (c + 1)) & 0xff;
                const int noise = int(state >> 24);
                out[(size_t(y) * FAlgorithmSelfTest::Width + x) * channels + c] =
                    uint8_t((x / 40 + y / 30) % 3 == 0 ? gradient : (gradient + noise) / 2);
            }
        }
    }
    return out;
}

uint8_t clampByte(int v)
{
    return uint8_t(std::clamp(v, 0, 255));
}

// BT.709, limited range: Y in 16..235, Cb and Cr in 16..240.
constexpr double kYr = 0.2126, kYg = 0.7152, kYb = 0.0722;

FAlgorithmSelfTest::Result colourTransform()
{
    const std::vector<uint8_t> rgb = makePicture(3);
    std::vector<uint8_t> yuv(rgb.size());
    FAlgorithmSelfTest::Result result;

    // Coefficients scaled by 2^14 and rounded once, as a SIMD path would.
    const double ys = 219.0 / 255.0, cs = 224.0 / 255.0;
    const double m[3][3] = {
        {kYr * ys, kYg * ys, kYb * ys},
        {-kYr / (2 * (1 - kYb)) * cs, -kYg / (2 * (1 - kYb)) * cs, 0.5 * cs},
        {0.5 * cs, -kYg / (2 * (1 - kYr)) * cs, -kYb / (2 * (1 - kYr)) * cs}};
    const int offset[3] = {16, 128, 128};
    int fixed[3][3];
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            fixed[r][c] = int(std::lround(m[r][c] * (1 << 14)));

    for (size_t i = 0; i < rgb.size(); i += 3) {
        for (int r = 0; r < 3; ++r) {
            const int acc = fixed[r][0] * rgb[i] + fixed[r][1] * rgb[i + 1] + fixed[r][2] * rgb[i + 2];
            const int value = clampByte(((acc + (1 << 13)) >> 14) + offset[r]);
            yuv[i + r] = uint8_t(value);
            const double reference = m[r][0] * rgb[i] + m[r][1] * rgb[i + 1] + m[r][2] * rgb[i + 2] + offset[r];
            const int difference = std::abs(value - int(std::lround(std::clamp(reference, 0.0, 255.0))));
            result.worstDifference = std::max(result.worstDifference, difference);
        }
    }
    result.crc = FAlgorithmSelfTest::crc32(yuv.data(), yuv.size());
    result.passed = result.worstDifference <= 1 && result.crc == FAlgorithmSelfTest::ColourTransformCrc;
    return result;
}

FAlgorithmSelfTest::Result filter()
{
    const int w = FAlgorithmSelfTest::Width, h = FAlgorithmSelfTest::Height;
    const std::vector<uint8_t> in = makePicture(1);
    std::vector<uint8_t> out(in.size());
    FAlgorithmSelfTest::Result result;
    static constexpr int kWeights[3] = {1, 2, 1};

    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int acc = 0;
            double reference = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = std::clamp(x + dx, 0, w - 1), sy = std::clamp(y + dy, 0, h - 1);
                    const int weight = kWeights[dx + 1] * kWeights[dy + 1];
                    acc += weight * in[size_t(sy) * w + sx];
                    reference += weight / 16.0 * in[size_t(sy) * w + sx];
                }
            }
            const int value = (acc + 8) >> 4;
            out[size_t(y) * w + x] = uint8_t(value);
            result.worstDifference = std::max(result.worstDifference, std::abs(value - int(std::lround(reference))));
        }
    }
    result.crc = FAlgorithmSelfTest::crc32(out.data(), out.size());
    result.passed = result.worstDifference <= 1 && result.crc == FAlgorithmSelfTest::FilterCrc;
    return result;
}

} // namespace

FAlgorithmSelfTest::Result FAlgorithmSelfTest::run(Kind kind)
{
    Result result = kind == Kind::ColourTransform ? colourTransform() : filter();
    if (!result.passed) {
        result.error = result.worstDifference > 1
                           ? QStringLiteral("output differs from the reference by %1").arg(result.worstDifference)
                           : QStringLiteral("CRC %1 instead of the known answer").arg(result.crc, 8, 16, QLatin1Char('0'));
    }
    return result;
}

quint32 FAlgorithmSelfTest::crc32(const uint8_t *data, size_t size)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xffffffffu;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}
