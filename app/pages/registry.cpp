#include "registry.h"

#include <array>

#include "aboutpage.h"
#include "copperpage.h"
#include "drainpipepage.h"
#include "pressurepage.h"
#include "refrigerantpage.h"
#include "selectionpage.h"
#include "startpage.h"
#include "ventpage.h"

namespace kalmoro {

namespace {

// The one list of the pages: a new page is a new unit and one line here.
constexpr PageUnit kUnits[] = {
    kStartUnit,
    kRefrigerantUnit,
    kCopperUnit,
    kDrainPipeUnit,
    kVentUnit,
    kSelectionUnit,
    kAboutUnit,
    kPressureUnit,
};

// Each unit stands at the page it builds its rows on, under a header.
constexpr bool unitsStandAtTheirPages()
{
    for (std::size_t i = 0; i < std::size(kUnits); ++i) {
        if (kUnits[i].page != int(i) || kUnits[i].title.empty())
            return false;
    }
    return true;
}
static_assert(unitsStandAtTheirPages(), "each page unit at the index of its page, with a header");

// No two entries share a button or an Alt digit: the digits count down the column from Alt+1,
// each a key of its own.
constexpr bool entriesAreDistinct()
{
    int digit = 0;
    for (std::size_t i = 0; i < std::size(kUnits); ++i) {
        const std::optional<PageEntry> &entry = kUnits[i].entry;
        if (!entry)
            continue;
        if (entry->button.empty() || entry->altDigit != ++digit || digit > 9)
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (kUnits[j].entry && kUnits[j].entry->button == entry->button)
                return false;
        }
    }
    return true;
}
static_assert(entriesAreDistinct(), "each navigation entry with a button of its own and the next Alt digit");

constexpr std::array<std::u16string_view, std::size(kUnits)> kTitles = [] {
    std::array<std::u16string_view, std::size(kUnits)> titles {};
    for (std::size_t i = 0; i < std::size(kUnits); ++i)
        titles[i] = kUnits[i].title;
    return titles;
}();

} // namespace

std::span<const PageUnit> PageUnits()
{
    return kUnits;
}

std::span<const std::u16string_view> PageTitles()
{
    return kTitles;
}

} // namespace kalmoro
