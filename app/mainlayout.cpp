#include "mainlayout.h"

#include <vector>

#include "layoutnotes.h"
#include "pages/copperpage.h"
#include "pages/refrigerantpage.h"
#include "pages/ventpage.h"
#include "palette.h"

namespace kalmoro {

namespace {

using enum Kind;

constexpr std::u16string_view kMainTitles[] = {u"启动页", u"加氟计算器", u"铜管计算", u"水管选择",
                                               u"风口价格", u"空调选型", u"关于软件"};
constexpr std::u16string_view kBrandTitles[] = {u"空调品牌选择", u"大金", u"格力", u"美的", u"奥克斯", u"志高"};

// The main tab is built on page 5; the window's created handler turns it to the start page.
constexpr TabSetup kMainTabSetup{kMainTitles, 5, u"SimSun", 12, 20, TabColours::Orange};
constexpr TabSetup kBrandTabSetup{kBrandTitles, 0, u"微软雅黑", 19, 26, TabColours::Plain};

constexpr ParentRef kWindow{};
constexpr ParentRef mainPage(int page) { return layoutnotes::MainPage(page); }
constexpr ParentRef brandPage(int page) { return {u"空调选型选择夹", page}; }

using namespace palette;

using namespace layoutnotes;
constexpr Notes kAbout{.color = kSlate};
constexpr Notes kWhite{.whiteStrip = true};

// The frame: the window itself and the start page. The calculator pages' rows are their units'.
constexpr LayoutRow kFrameRows[] = {
    // The window itself.
    {u"tools", PictureBox, kWindow, {32, 32, 188, 32}, true, u"", {"img077"}, kNone},
    {u"标语", PictureBox, kWindow, {392, 51, 370, 30}, true, u"", {"img078"}, kNone},
    {u"空调选型按钮", GraphicButton, kWindow, {0, 416, 210, 55}, true, u"", {"img123", "img124"}, kNone},
    {u"关于软件按钮", GraphicButton, kWindow, {0, 488, 210, 55}, true, u"", {"img125", "img126"}, kNone},
    {u"透明标签5", TransparentLabel, kWindow, {911, 665, 145, 16}, true, u"Kalmoro V1.0", {}, kOrangeText},
    {u"风口价格按钮", GraphicButton, kWindow, {0, 344, 210, 55}, true, u"", {"img140", "img141"}, kNone},
    {u"分类按钮", GraphicButton, kWindow, {929, 26, 26, 26}, true, u"", {"img144", "img145", "img146"}, kNone},
    {u"最小化按钮", GraphicButton, kWindow, {972, 25, 26, 26}, true, u"", {"img147", "img148", "img149"}, kNone},
    {u"销毁按钮", GraphicButton, kWindow, {1009, 26, 26, 26}, true, u"", {"img150", "img151", "img152"}, kNone},
    {u"水管选择按钮", GraphicButton, kWindow, {0, 272, 210, 55}, true, u"", {"img153", "img154"}, kNone},
    {u"铜管价格按钮", GraphicButton, kWindow, {0, 200, 210, 55}, true, u"", {"img155", "img156"}, kNone},
    {u"加氟计算按钮", GraphicButton, kWindow, {0, 128, 210, 55}, true, u"", {"img157", "img158"}, kNone},
    {kMainTab, PageTab, kWindow, {225, 103, 808, 546}, true, u"", {}, {.tab = &kMainTabSetup}},

    // Page 0: start.
    {u"图片框3", PictureBox, MainPage(0), {42, 11, 726, 525}, true, u"", {"img079"}, kNone},
};

constexpr LayoutRow kDrainRows[] = {
    // Page 3: condensate drain pipe table.
    {u"图片框1", PictureBox, MainPage(3), {23, 37, 750, 500}, true, u"", {"img142"}, kNone},
};

constexpr LayoutRow kSelectionAndAboutRows[] = {
    // Page 5: air-conditioner selection.
    {u"空调选型选择夹", PageTab, MainPage(5), {15, 1, 776, 541}, true, u"", {}, {.tab = &kBrandTabSetup}},

    // Page 6: about.
    {u"透明标签25", TransparentLabel, MainPage(6), {168, 234, 470, 32}, true,
     u"家宣传画册及说明书为依据。因各地材料价格不同及变动请以当地实际价格为准。", {}, kAbout},
    {u"透明标签24", TransparentLabel, MainPage(6), {185, 204, 470, 32}, true,
     u"此次提供的Kalmoro，旨在方便广大中央空调消费者及暖通设计师。空调数据以厂", {}, kAbout},
    {u"透明标签23", TransparentLabel, MainPage(6), {162, 174, 309, 32}, true, u"为广大网友及站长提供优质服务。", {}, kAbout},
    {u"图片框6", PictureBox, MainPage(6), {115, 258, 580, 266}, true, u"", {"img013"}, kNone},
    {u"透明标签21", TransparentLabel, MainPage(6), {183, 147, 560, 32}, true,
     u"Lumavo-Lumavo集合各种精品软件、教程、设计素材、建站资源、互联网优惠信息等资源，", {}, kAbout},
    {u"Lumavo按钮", GraphicButton, MainPage(6), {201, 78, 385, 46}, true, u"", {"img014", "img015"}, kNone},

    // Inner page 0: brand choice.
    {u"选择空调品牌", PictureBox, brandPage(0), {254, 48, 286, 30}, true, u"", {"img107"}, kNone},
    {u"chigo1", GraphicButton, brandPage(0), {440, 389, 226, 86}, true, u"", {"img108", "img109", "img110"}, kNone},
    {u"aux1", GraphicButton, brandPage(0), {120, 394, 164, 77}, true, u"", {"img111", "img112", "img113"}, kNone},
    {u"meidi1", GraphicButton, brandPage(0), {152, 249, 453, 75}, true, u"", {"img114", "img115", "img116"}, kNone},
    {u"gree1", GraphicButton, brandPage(0), {402, 130, 300, 59}, true, u"", {"img117", "img118", "img119"}, kNone},
    {u"daikin1", GraphicButton, brandPage(0), {52, 127, 293, 60}, true, u"", {"img120", "img121", "img122"}, kNone},

    // Inner page 1: Daikin.
    {u"大金价格", GraphicButton, brandPage(1), {466, 47, 46, 48}, false, u"", {"img061", "img062", "img063", "img064"}, kNone},
    {u"skyair按钮", GraphicButton, brandPage(1), {350, 29, 86, 86}, true, u"", {"img065", "img066", "img067"}, kNone},
    {u"S按钮", GraphicButton, brandPage(1), {244, 29, 86, 86}, true, u"", {"img068", "img069", "img070"}, kNone},
    {u"P按钮", GraphicButton, brandPage(1), {136, 29, 86, 86}, true, u"", {"img071", "img072", "img073"}, kNone},
    {u"X7按钮", GraphicButton, brandPage(1), {28, 29, 86, 86}, true, u"", {"img074", "img075", "img076"}, kNone},
    {u"遮挡1", PictureBox, brandPage(1), {-3, 112, 784, 16}, true, u"", {}, kWhite},
    {u"大金浏览器", Browser, brandPage(1), {-12, 120, 816, 432}, true, u"", {}, kNone},
    {u"大金logo", PictureBox, brandPage(1), {567, 39, 211, 59}, true, u"", {"img105"}, kNone},

    // Inner page 2: Gree.
    {u"qt按钮", GraphicButton, brandPage(2), {420, 29, 86, 86}, true, u"", {"img080", "img081", "img082"}, kNone},
    {u"D按钮", GraphicButton, brandPage(2), {335, 29, 86, 86}, true, u"", {"img083", "img084", "img085"}, kNone},
    {u"格力价格", GraphicButton, brandPage(2), {505, 47, 46, 48}, false, u"", {"img086", "img087", "img088", "img089"}, kNone},
    {u"star按钮", GraphicButton, brandPage(2), {253, 29, 86, 86}, true, u"", {"img090", "img091", "img092"}, kNone},
    {u"GMV5S按钮", GraphicButton, brandPage(2), {168, 29, 86, 86}, true, u"", {"img093", "img094", "img095"}, kNone},
    {u"GMV5按钮", GraphicButton, brandPage(2), {85, 29, 86, 86}, true, u"", {"img096", "img097", "img098"}, kNone},
    {u"GMVES按钮", GraphicButton, brandPage(2), {6, 29, 86, 86}, true, u"", {"img099", "img100", "img101"}, kNone},
    {u"格力logo", PictureBox, brandPage(2), {575, 39, 185, 59}, true, u"", {"img106"}, kNone},
    {u"遮挡", PictureBox, brandPage(2), {0, 118, 784, 16}, true, u"", {}, kWhite},
    {u"格力浏览器", Browser, brandPage(2), {-12, 120, 816, 432}, true, u"", {}, kNone},

    // Inner page 3: Midea.
    {u"侧出风按钮", GraphicButton, brandPage(3), {244, 29, 86, 86}, true, u"", {"img040", "img041", "img042"}, kNone},
    {u"mdvs组合按钮", GraphicButton, brandPage(3), {134, 29, 86, 86}, true, u"", {"img043", "img044", "img045"}, kNone},
    {u"mdvs整体按钮", GraphicButton, brandPage(3), {29, 29, 86, 86}, true, u"", {"img046", "img047", "img048"}, kNone},
    {u"美的价格", GraphicButton, brandPage(3), {440, 47, 46, 48}, false, u"", {"img057", "img058", "img059", "img060"}, kNone},
    {u"遮挡2", PictureBox, brandPage(3), {0, 112, 784, 16}, true, u"", {}, kWhite},
    {u"美的logo", PictureBox, brandPage(3), {507, 39, 260, 59}, true, u"", {"img104"}, kNone},
    {u"美的浏览器", Browser, brandPage(3), {-12, 120, 816, 432}, true, u"", {}, kNone},

    // Inner page 4: AUX.
    {u"奥克斯其他按钮", GraphicButton, brandPage(4), {328, 40, 86, 86}, true, u"", {"img016", "img017", "img018"}, kNone},
    {u"奥克斯轻商", GraphicButton, brandPage(4), {224, 40, 86, 86}, true, u"", {"img019", "img020", "img021"}, kNone},
    {u"CE小多联按钮", GraphicButton, brandPage(4), {120, 40, 86, 86}, true, u"", {"img022", "img023", "img024"}, kNone},
    {u"奥克斯X7按钮", GraphicButton, brandPage(4), {16, 40, 86, 86}, true, u"", {"img025", "img026", "img027"}, kNone},
    {u"奥克斯价格", GraphicButton, brandPage(4), {450, 47, 46, 48}, false, u"", {"img053", "img054", "img055", "img056"}, kNone},
    {u"遮挡4", PictureBox, brandPage(4), {0, 112, 784, 16}, true, u"", {}, kWhite},
    {u"奥克斯logo", PictureBox, brandPage(4), {575, 39, 187, 80}, true, u"", {"img102"}, kNone},
    {u"奥克斯浏览器", Browser, brandPage(4), {-12, 120, 816, 432}, true, u"", {}, kNone},

    // Inner page 5: Chigo.
    {u"chigohome按钮", GraphicButton, brandPage(5), {314, 29, 86, 86}, false, u"", {"img028", "img029", "img030"}, kNone},
    {u"qingshang按钮", GraphicButton, brandPage(5), {219, 29, 86, 86}, true, u"", {"img031", "img032", "img033"}, kNone},
    {u"CMV按钮", GraphicButton, brandPage(5), {118, 29, 86, 86}, true, u"", {"img034", "img035", "img036"}, kNone},
    {u"CMVX按钮", GraphicButton, brandPage(5), {19, 29, 86, 86}, true, u"", {"img037", "img038", "img039"}, kNone},
    {u"志高价格", GraphicButton, brandPage(5), {450, 47, 46, 48}, false, u"", {"img049", "img050", "img051", "img052"}, kNone},
    {u"遮挡3", PictureBox, brandPage(5), {-4, 112, 784, 16}, true, u"", {}, kWhite},
    {u"志高logo", PictureBox, brandPage(5), {575, 35, 187, 80}, true, u"", {"img103"}, kNone},
    {u"志高浏览器", Browser, brandPage(5), {-12, 120, 816, 432}, true, u"", {}, kNone},
};

} // namespace

std::span<const LayoutRow> MainLayout()
{
    // The pages in the order of the main tab, so that each parent's children stay in their order.
    static const std::vector<LayoutRow> rows = [] {
        std::vector<LayoutRow> all;
        for (const std::span<const LayoutRow> part :
            { std::span<const LayoutRow>(kFrameRows), RefrigerantRows(), CopperRows(),
                std::span<const LayoutRow>(kDrainRows), VentRows(), std::span<const LayoutRow>(kSelectionAndAboutRows) })
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return rows;
}

} // namespace kalmoro
