#pragma once

#include <string_view>

#include <QString>

namespace kalmoro {

class ControlResolver;
class PictureBox;

// The condensate drain pipe page: one picture of the table.
namespace drainpipenames {
inline constexpr std::u16string_view kTable = u"图片框1";
} // namespace drainpipenames

struct DrainPipePage {
    PictureBox *table;
};

DrainPipePage ResolveDrainPipePage(ControlResolver &controls);
// Gives the picture its table as the description screen readers read.
void DescribeDrainPipeTable(const DrainPipePage &page);
// The table in words, band by band in the picture's order: capacity, then pipe size.
QString DrainPipeTableText();

} // namespace kalmoro
