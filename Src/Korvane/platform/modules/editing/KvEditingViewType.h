#pragma once

// The numbers under which the main form registers its editing modules as
// child views (KvUIView::registerView). Fixed: other views look modules up
// by them.
namespace KvEditingViewType {

constexpr int MediaLibrary = 1;
constexpr int PropertyPanel = 2;
constexpr int Player = 3;
constexpr int Timeline = 4;

} // namespace KvEditingViewType
