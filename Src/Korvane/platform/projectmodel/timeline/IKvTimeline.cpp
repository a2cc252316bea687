#include "IKvTimeline.h"

#include "IKvClip.h"
#include "KvProjectAspectRatioType.h"

#include <QtMath>

IKvTimeline::IKvTimeline(QObject *parent)
    : QObject(parent)
{
}

int KvFrameRateType::typeOf(double frameRate)
{
    static const struct
    {
        double rate;
        int type;
    } known[] = {{23.976, Fps23_976}, {24.0, Fps24},    {25.0, Fps25},    {29.97, Fps29_97},
                 {30.0, Fps30},       {50.0, Fps50},    {59.94, Fps59_94}, {60.0, Fps60}};
    for (const auto &entry : known) {
        if (qAbs(frameRate - entry.rate) < 0.01)
            return entry.type;
    }
    return Unknown;
}

int KvClipVideoInfo::aspectRatioTypeOf(int width, int height)
{
    if (width <= 0 || height <= 0)
        return 0;
    for (int type = KvProjectAspectRatio_16_9; type <= KvProjectAspectRatio_3_4; ++type) {
        KvProjectSettings settings;
        if (!KvProjectAspectRatio::settingsFor(type, &settings))
            continue;
        // Cross-multiplied, so 1280 x 720 and 1920 x 1080 are both 16:9.
        if (qint64(width) * settings.height == qint64(height) * settings.width)
            return type;
    }
    return 0;
}
