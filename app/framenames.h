#pragma once

#include <string_view>

// The names of the window's own controls that handlers work on, used by the layout rows and the
// views alike.
namespace kalmoro::framenames {

inline constexpr std::u16string_view kMinimize = u"最小化按钮";
inline constexpr std::u16string_view kClose = u"销毁按钮";
inline constexpr std::u16string_view kLogo = u"tools";
inline constexpr std::u16string_view kVersion = u"透明标签5";
inline constexpr std::u16string_view kMakerLogo = u"Lumavo按钮";

// The navigation entries, top to bottom.
inline constexpr std::u16string_view kRefrigerantEntry = u"加氟计算按钮";
inline constexpr std::u16string_view kCopperEntry = u"铜管价格按钮";
inline constexpr std::u16string_view kDrainPipeEntry = u"水管选择按钮";
inline constexpr std::u16string_view kVentEntry = u"风口价格按钮";
inline constexpr std::u16string_view kSelectionEntry = u"空调选型按钮";
inline constexpr std::u16string_view kAboutEntry = u"关于软件按钮";
inline constexpr std::u16string_view kPressureEntry = u"冷媒压力按钮";

} // namespace kalmoro::framenames
