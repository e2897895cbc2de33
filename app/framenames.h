#pragma once

#include <string_view>

// The names of the window's own controls that handlers work on, used by the layout rows and the
// views alike. The navigation entries are their pages'.
namespace kalmoro::framenames {

inline constexpr std::u16string_view kMinimize = u"最小化按钮";
inline constexpr std::u16string_view kClose = u"销毁按钮";
inline constexpr std::u16string_view kLogo = u"tools";
inline constexpr std::u16string_view kVersion = u"透明标签5";
inline constexpr std::u16string_view kMakerLogo = u"Lumavo按钮";

} // namespace kalmoro::framenames
