#pragma once

// The media library's categories (its groups), by the numbers that messages
// such as KvMediaLibraryGoToMsg and the start page's tool tiles carry.
namespace KvMediaLibraryCategory {

// Effects; the start page's portrait tool opens its "effect_AIPortrait" item.
constexpr int Effect = 4;
// Project templates; templates shared or shown on the start page are located here.
constexpr int ProjectTemplate = 6;

} // namespace KvMediaLibraryCategory
