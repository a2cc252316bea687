#include "KvProjectAspectRatioType.h"

namespace KvProjectAspectRatio {

bool settingsFor(int aspect, KvProjectSettings *settings)
{
    struct Size { int width; int height; };
    Size size{0, 0};
    switch (aspect) {
    case KvProjectAspectRatio_16_9: size = {1920, 1080}; break;
    case KvProjectAspectRatio_4_3: size = {1440, 1080}; break;
    case KvProjectAspectRatio_1_1: size = {1080, 1080}; break;
    case KvProjectAspectRatio_9_16: size = {1080, 1920}; break;
    case KvProjectAspectRatio_21_9: size = {2560, 1080}; break;
    case KvProjectAspectRatio_4_5: size = {1080, 1350}; break;
    case KvProjectAspectRatio_3_4: size = {1080, 1440}; break;
    default: return false;
    }
    if (settings) {
        settings->width = size.width;
        settings->height = size.height;
        settings->frameRate = 30.0;
    }
    return true;
}

} // namespace KvProjectAspectRatio
