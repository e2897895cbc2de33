#include "mainlayout.h"

#include <vector>

#include "brandpages.h"
#include "drainpipepage.h"
#include "framenames.h"
#include "layoutnotes.h"
#include "pages/copperpage.h"
#include "pages/pressurepage.h"
#include "pages/refrigerantpage.h"
#include "pages/ventpage.h"
#include "palette.h"

namespace kalmoro {

namespace {

using assets::Asset;
using enum Kind;

constexpr std::u16string_view kMainTitles[] = {
    u"启动页", u"加氟计算器", u"铜管计算", u"水管选择", u"风口价格", u"空调选型", u"关于软件", u"冷媒压力"};

// The main tab is built on page 5; the window's created handler turns it to the start page, which
// the first frame shows.
constexpr TabSetup kMainTabSetup {kMainTitles, 5, u"SimSun", 12, 20, TabColours::Orange, 0};

constexpr ParentRef kWindow {};
constexpr ParentRef mainPage(int page)
{
    return layoutnotes::MainPage(page);
}

using namespace palette;

using namespace framenames;
using namespace layoutnotes;
constexpr Notes kAbout {.color = kSlate};

// The frame: the window itself and the start page. The calculator pages' rows are their units'.
constexpr LayoutRow kFrameRows[] = {
    // The window itself.
    {kLogo, PictureBox, kWindow, {32, 32, 188, 32}, true, u"", {Asset::img077}, kNone},
    {u"标语", PictureBox, kWindow, {392, 51, 370, 30}, true, u"", {Asset::img078}, kNone},
    {kSelectionEntry, GraphicButton, kWindow, {0, 416, 210, 55}, true, u"", {Asset::img123, Asset::img124},
        kNone},
    {kAboutEntry, GraphicButton, kWindow, {0, 488, 210, 55}, true, u"", {Asset::img125, Asset::img126},
        kNone},
    {kVersion, TransparentLabel, kWindow, {911, 665, 145, 16}, true, u"Kalmoro V1.0", {}, kOrangeText},
    {kVentEntry, GraphicButton, kWindow, {0, 344, 210, 55}, true, u"", {Asset::img140, Asset::img141}, kNone},
    {u"分类按钮", GraphicButton, kWindow, {929, 26, 26, 26}, true, u"",
        {Asset::img144, Asset::img145, Asset::img146}, kNone},
    {kMinimize, GraphicButton, kWindow, {972, 25, 26, 26}, true, u"",
        {Asset::img147, Asset::img148, Asset::img149}, kNone},
    {kClose, GraphicButton, kWindow, {1009, 26, 26, 26}, true, u"",
        {Asset::img150, Asset::img151, Asset::img152}, kNone},
    {kDrainPipeEntry, GraphicButton, kWindow, {0, 272, 210, 55}, true, u"", {Asset::img153, Asset::img154},
        kNone},
    {kCopperEntry, GraphicButton, kWindow, {0, 200, 210, 55}, true, u"", {Asset::img155, Asset::img156},
        kNone},
    {kRefrigerantEntry, GraphicButton, kWindow, {0, 128, 210, 55}, true, u"", {Asset::img157, Asset::img158},
        kNone},
    {kPressureEntry, GraphicButton, kWindow, {0, 560, 210, 55}, true, u"", {Asset::img175, Asset::img176},
        kNone},
    {kMainTab, PageTab, kWindow, {225, 103, 808, 546}, true, u"", {}, {.tab = &kMainTabSetup}},

    // Page 0: start.
    {u"图片框3", PictureBox, MainPage(0), {42, 11, 726, 525}, true, u"", {Asset::img079}, kNone},
};

constexpr LayoutRow kDrainRows[] = {
    // Page 3: condensate drain pipe table.
    {drainpipenames::kTable, PictureBox, MainPage(3), {23, 37, 750, 500}, true, u"", {Asset::img142}, kNone},
};

constexpr LayoutRow kAboutRows[] = {
    // Page 6: about.
    {u"透明标签25", TransparentLabel, MainPage(6), {168, 234, 470, 32}, true,
        u"家宣传画册及说明书为依据。因各地材料价格不同及变动请以当地实际价格为准。", {}, kAbout},
    {u"透明标签24", TransparentLabel, MainPage(6), {185, 204, 470, 32}, true,
        u"此次提供的Kalmoro，旨在方便广大中央空调消费者及暖通设计师。空调数据以厂", {}, kAbout},
    {u"透明标签23", TransparentLabel, MainPage(6), {162, 174, 309, 32}, true,
        u"为广大网友及站长提供优质服务。", {}, kAbout},
    {u"图片框6", PictureBox, MainPage(6), {115, 258, 580, 266}, true, u"", {Asset::img013}, kNone},
    {u"透明标签21", TransparentLabel, MainPage(6), {183, 147, 560, 32}, true,
        u"Lumavo-Lumavo集合各种精品软件、教程、设计素材、建站资源、互联网优惠信息等资源，", {}, kAbout},
    {kMakerLogo, GraphicButton, MainPage(6), {201, 78, 385, 46}, true, u"", {Asset::img014, Asset::img015},
        kNone},
};

} // namespace

std::span<const LayoutRow> MainLayout()
{
    // The pages in the order of the main tab, so that each parent's children stay in their order.
    static const std::vector<LayoutRow> rows = [] {
        std::vector<LayoutRow> all;
        for (const std::span<const LayoutRow> part : {std::span<const LayoutRow>(kFrameRows),
                 RefrigerantRows(), CopperRows(), std::span<const LayoutRow>(kDrainRows), VentRows(),
                 SelectionRows(), std::span<const LayoutRow>(kAboutRows), PressureRows()})
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return rows;
}

} // namespace kalmoro
