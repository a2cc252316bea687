#pragma once

#include "KvProjectData.h"

// The kinds of new project the File menu offers; the menu passes the number
// as the action's data, so the values are fixed.
enum KvProjectAspectRatioType : int {
    KvProjectAspectRatio_16_9 = 1, // 1920 x 1080, the default new project
    KvProjectAspectRatio_4_3 = 2,  // 1440 x 1080
    KvProjectAspectRatio_1_1 = 3,  // 1080 x 1080
    KvProjectAspectRatio_9_16 = 4, // 1080 x 1920
    KvProjectAspectRatio_21_9 = 5, // 2560 x 1080
    KvProjectAspectRatio_4_5 = 6,  // 1080 x 1350
    KvProjectAspectRatio_3_4 = 7,  // 1080 x 1440
};

namespace KvProjectAspectRatio {

constexpr KvProjectAspectRatioType kDefault = KvProjectAspectRatio_16_9;

// The settings of a new project of that kind, at 30 fps. False for a number
// that is not a kind.
bool settingsFor(int aspect, KvProjectSettings *settings);

} // namespace KvProjectAspectRatio
