#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Known-answer tests of the fixed-point pixel arithmetic the editor's
// algorithm paths depend on. Each runs over a generated picture and passes
// when every output is within one step of a double-precision reference and
// the CRC-32 of the whole output equals the recorded constant: the first
// catches a wrong formula, the second any change of rounding.
class FAlgorithmSelfTest
{
public:
    enum class Kind {
        ColourTransform, // RGB to BT.709 limited-range YCbCr, 14-bit coefficients
        Filter,          // 3x3 binomial blur with edge clamping
    };

    struct Result
    {
        bool passed = false;
        quint32 crc = 0;
        int worstDifference = 0;
        QString error;
    };

    static Result run(Kind kind);
    static quint32 crc32(const uint8_t *data, size_t size);

    static constexpr int Width = 320;
    static constexpr int Height = 180;
    static constexpr quint32 ColourTransformCrc = 0xeafbcd88u;
    static constexpr quint32 FilterCrc = 0xbf500ab2u;
};
