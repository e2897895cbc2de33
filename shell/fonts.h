#pragma once

#include <string_view>

#include <QFont>

namespace kalmoro {

// The program's user-interface font: a Simplified Chinese face at 12 px with half-width Latin
// letters and digits.
QFont UiFont();

// A face named by the layout ("SimSun", "微软雅黑", or none for the user-interface face) mapped to
// an installed font of the same style, at a pixel size.
QFont LayoutFont(std::u16string_view face, int pixelSize, bool bold = false);

} // namespace kalmoro
