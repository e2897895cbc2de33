#include "mainlayout.h"

#include <vector>

#include "framenames.h"
#include "layoutnotes.h"
#include "pages/registry.h"

namespace kalmoro {

namespace {

using assets::Asset;
using enum Kind;
using namespace framenames;
using namespace layoutnotes;

constexpr ParentRef kWindow {};

// The navigation column at the window's left edge: one entry under the other, each the height of
// its pictures with a gap that the skin shows between them.
constexpr int kFirstEntryTop = 128;
constexpr int kEntryPitch = 72;
constexpr Geometry kEntrySize {0, 0, 210, 55};

// The window's own controls but the entries and the main tab.
constexpr LayoutRow kFrameRows[] = {
    {kLogo, PictureBox, kWindow, {32, 32, 188, 32}, true, u"", {Asset::img077}, kNone},
    {u"标语", PictureBox, kWindow, {392, 51, 370, 30}, true, u"", {Asset::img078}, kNone},
    {kVersion, TransparentLabel, kWindow, {911, 665, 145, 16}, true, u"Kalmoro V1.0", {}, kOrangeText},
    {u"分类按钮", GraphicButton, kWindow, {929, 26, 26, 26}, true, u"",
        {Asset::img144, Asset::img145, Asset::img146}, kNone},
    {kMinimize, GraphicButton, kWindow, {972, 25, 26, 26}, true, u"",
        {Asset::img147, Asset::img148, Asset::img149}, kNone},
    {kClose, GraphicButton, kWindow, {1009, 26, 26, 26}, true, u"",
        {Asset::img150, Asset::img151, Asset::img152}, kNone},
};

constexpr Geometry kMainTabPlace {225, 103, 808, 546};

} // namespace

std::span<const LayoutRow> MainLayout()
{
    // The main tab is built on page 5; the window's created handler turns it to the start page,
    // which the first frame shows.
    static const TabSetup mainTab {PageTitles(), 5, u"SimSun", 12, 20, TabColours::Orange, 0};
    // The frame, the entries top to bottom and the main tab, then the pages in the tab's order, so
    // that each parent's children stay in their order.
    static const std::vector<LayoutRow> rows = [] {
        std::vector<LayoutRow> all(std::begin(kFrameRows), std::end(kFrameRows));
        int top = kFirstEntryTop;
        for (const PageUnit &unit : PageUnits()) {
            if (const std::optional<PageEntry> &entry = unit.entry) {
                Geometry place = kEntrySize;
                place.top = top;
                all.push_back({entry->button, GraphicButton, kWindow, place, true, u"",
                    {entry->normal, entry->hover}, kNone});
                top += kEntryPitch;
            }
        }
        all.push_back({kMainTab, PageTab, kWindow, kMainTabPlace, true, u"", {}, {.tab = &mainTab}});
        for (const PageUnit &unit : PageUnits()) {
            const std::span<const LayoutRow> page = unit.rows();
            all.insert(all.end(), page.begin(), page.end());
        }
        return all;
    }();
    return rows;
}

} // namespace kalmoro
