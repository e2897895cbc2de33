#pragma once

#include "layout.h"
#include "palette.h"

// What the window's frame and its pages share in their layout rows: the main tab's pages as
// parents, and the text settings that recur.
namespace kalmoro::layoutnotes {

inline constexpr std::u16string_view kMainTab = u"高级选择夹1";

constexpr ParentRef MainPage(int page)
{
    return {kMainTab, page};
}

inline constexpr Notes kNone {};
inline constexpr Notes kCentred {.align = Align::Centre};
inline constexpr Notes kBlackText {.color = palette::kBlack};
inline constexpr Notes kOrangeText {.color = palette::kOrange};
inline constexpr Notes kHint {.fontPx = 12, .color = palette::kHintGrey};

} // namespace kalmoro::layoutnotes
