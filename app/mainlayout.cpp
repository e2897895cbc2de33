#include "mainlayout.h"

#include "palette.h"

namespace kalmoro {

namespace {

using enum Kind;

constexpr std::u16string_view kMainTitles[] = {u"启动页", u"加氟计算器", u"铜管计算", u"水管选择",
                                               u"风口价格", u"空调选型", u"关于软件"};
constexpr std::u16string_view kBrandTitles[] = {u"空调品牌选择", u"大金", u"格力", u"美的", u"奥克斯", u"志高"};

// The main tab is built on page 5; the window's created handler turns it to the start page.
constexpr TabSetup kMainTab{kMainTitles, 5, u"SimSun", 12, 20, 2};
constexpr TabSetup kBrandTab{kBrandTitles, 0, u"微软雅黑", 19, 26, 0};

constexpr ParentRef kWindow{};
constexpr ParentRef mainPage(int page) { return {u"高级选择夹1", page}; }
constexpr ParentRef brandPage(int page) { return {u"空调选型选择夹", page}; }
constexpr ParentRef kCopperPicture{u"图片框5"};
constexpr ParentRef kQuoteFrame{u"分组框1"};

using namespace palette;

constexpr Notes kNone{};
constexpr Notes kCentred{.align = Align::Centre};
constexpr Notes kBlackText{.color = kBlack};
constexpr Notes kOrangeText{.color = kOrange};
constexpr Notes kHint{.fontPx = 12, .color = kHintGrey};
constexpr Notes kAbout{.color = kSlate};
constexpr Notes kWhite{.whiteStrip = true};

constexpr LayoutRow kRows[] = {
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
    {u"高级选择夹1", PageTab, kWindow, {225, 103, 808, 546}, true, u"", {}, {.tab = &kMainTab}},

    // Page 0: start.
    {u"图片框3", PictureBox, mainPage(0), {42, 11, 726, 525}, true, u"", {"img079"}, kNone},

    // Page 1: refrigerant top-up.
    {u"空调品牌图片", PictureBox, mainPage(1), {40, 25, 122, 23}, true, u"", {"img143"}, kNone},
    {u"其他加氟", RadioButton, mainPage(1), {316, 27, 136, 16}, true, u"其他品牌加氟", {}, kOrangeText},
    {u"格力加氟", RadioButton, mainPage(1), {180, 27, 120, 16}, true, u"格力多联机加氟", {}, kOrangeText},
    {u"室内机系列2", TransparentLabel, mainPage(1), {44, 354, 100, 24}, true, u"不能计算在内！", {}, kHint},
    {u"室内机系列1", TransparentLabel, mainPage(1), {44, 325, 151, 24}, true, u"管的长度,冷媒气管长度", {}, kHint},
    {u"室内机加氟图片", PictureBox, mainPage(1), {39, 255, 122, 23}, true, u"", {"img159"}, kNone},
    {u"室外机加氟图片", PictureBox, mainPage(1), {39, 80, 122, 23}, true, u"", {"img160"}, kNone},
    {u"一共加氟", TransparentLabel, mainPage(1), {323, 494, 64, 22}, true, u"0", {},
     {.fontPx = 19, .bold = true, .color = kOrange, .align = Align::Centre}},
    {u"室外机加氟量1", GraphicButton, mainPage(1), {425, 487, 179, 36}, true, u"", {"img161", "img162", "img163"}, kNone},
    {u"透明标签19", TransparentLabel, mainPage(1), {427, 417, 32, 26}, true, u"KG", {}, kBlackText},
    {u"透明标签9", TransparentLabel, mainPage(1), {431, 187, 32, 26}, true, u"KG", {}, kBlackText},
    {u"透明标签8", TransparentLabel, mainPage(1), {264, 141, 32, 26}, true, u"台", {}, kBlackText},
    {u"透明标签7", TransparentLabel, mainPage(1), {512, 141, 32, 26}, true, u"KW", {}, kBlackText},
    {u"室外机加氟量", GraphicButton, mainPage(1), {540, 415, 179, 36}, true, u"", {"img164", "img165", "img166"}, kNone},
    {u"内机加氟", EditBox, mainPage(1), {258, 419, 160, 23}, true, u"", {}, kCentred},
    {u"透明标签1", TransparentLabel, mainPage(1), {141, 415, 160, 32}, true, u"室内机所需氟利昂：", {}, kBlackText},
    {u"二十八", EditBox, mainPage(1), {612, 365, 136, 23}, true, u"", {}, kCentred},
    {u"透明标签18", TransparentLabel, mainPage(1), {508, 365, 96, 26}, true, u"冷媒液管Φ28.58", {}, kBlackText},
    {u"透明标签17", TransparentLabel, mainPage(1), {508, 327, 96, 26}, true, u"冷媒液管Φ25.4", {}, kBlackText},
    {u"二十五", EditBox, mainPage(1), {612, 327, 136, 23}, true, u"", {}, kCentred},
    {u"二十二", EditBox, mainPage(1), {611, 289, 136, 23}, true, u"", {}, kCentred},
    {u"透明标签16", TransparentLabel, mainPage(1), {507, 289, 96, 26}, true, u"冷媒液管Φ22.23", {}, kBlackText},
    {u"透明标签15", TransparentLabel, mainPage(1), {508, 251, 96, 26}, true, u"冷媒液管Φ19.05", {}, kBlackText},
    {u"十九", EditBox, mainPage(1), {612, 251, 136, 23}, true, u"", {}, kCentred},
    {u"十六", EditBox, mainPage(1), {309, 365, 136, 23}, true, u"", {}, kCentred},
    {u"透明标签14", TransparentLabel, mainPage(1), {205, 365, 96, 26}, true, u"冷媒液管Φ15.88", {}, kBlackText},
    {u"十二", EditBox, mainPage(1), {309, 327, 136, 23}, true, u"", {}, kCentred},
    {u"透明标签13", TransparentLabel, mainPage(1), {205, 327, 96, 26}, true, u"冷媒液管Φ12.7", {}, kBlackText},
    {u"十", EditBox, mainPage(1), {308, 289, 136, 23}, true, u"", {}, kCentred},
    {u"透明标签12", TransparentLabel, mainPage(1), {204, 289, 96, 26}, true, u"冷媒液管Φ9.52", {}, kBlackText},
    {u"透明标签11", TransparentLabel, mainPage(1), {205, 251, 96, 26}, true, u"冷媒液管Φ6.35", {}, kBlackText},
    {u"六", EditBox, mainPage(1), {309, 251, 136, 23}, true, u"", {}, kCentred},
    {u"室内机系列", TransparentLabel, mainPage(1), {44, 296, 142, 24}, true, u"提示:铜管长度为冷媒液", {}, kHint},
    {u"透明标签6", TransparentLabel, mainPage(1), {140, 187, 160, 23}, true, u"室外机所需氟利昂：", {}, kBlackText},
    {u"九百", RadioButton, mainPage(1), {660, 95, 96, 24}, true, u"GMV-900W/A", {}, kNone},
    {u"七八五", RadioButton, mainPage(1), {540, 95, 96, 24}, true, u"GMV-785W/A", {}, kNone},
    {u"六一五", RadioButton, mainPage(1), {420, 95, 96, 24}, true, u"GMV-615W/A", {}, kNone},
    {u"五百六", RadioButton, mainPage(1), {300, 95, 96, 24}, true, u"GMV-560W/A", {}, kNone},
    {u"五零四", RadioButton, mainPage(1), {180, 95, 96, 24}, true, u"GMV-504W/A", {}, kNone},
    {u"四百五", RadioButton, mainPage(1), {660, 65, 96, 24}, true, u"GMV-450W/A", {}, kNone},
    {u"四百", RadioButton, mainPage(1), {540, 65, 96, 24}, true, u"GMV-400W/A", {}, kNone},
    {u"三百五", RadioButton, mainPage(1), {420, 65, 96, 24}, true, u"GMV-350W/A", {}, kNone},
    {u"透明标签4", TransparentLabel, mainPage(1), {568, 141, 48, 26}, true, u"配比率：", {}, kBlackText},
    {u"配比率", EditBox, mainPage(1), {628, 141, 120, 23}, true, u"", {}, kCentred},
    {u"透明标签3", TransparentLabel, mainPage(1), {300, 139, 72, 26}, true, u"室内机总量：", {}, kBlackText},
    {u"室内机总量", EditBox, mainPage(1), {381, 141, 120, 23}, true, u"", {}, kCentred},
    {u"外机加氟", EditBox, mainPage(1), {257, 187, 160, 26}, true, u"", {}, kCentred},
    {u"室内机加氟量", GraphicButton, mainPage(1), {540, 185, 179, 36}, true, u"", {"img167", "img168", "img169"}, kNone},
    {u"透明标签2", TransparentLabel, mainPage(1), {53, 141, 72, 26}, true, u"室内机台数：", {}, kBlackText},
    {u"室内机台数", EditBox, mainPage(1), {134, 141, 120, 23}, true, u"", {}, kCentred},
    {u"三百", RadioButton, mainPage(1), {300, 65, 96, 24}, true, u"GMV-300W/A", {}, kNone},
    {u"二百五", RadioButton, mainPage(1), {180, 65, 96, 24}, true, u"GMV-250W/A", {}, kNone},
    {u"图片框4", PictureBox, mainPage(1), {137, 494, 220, 23}, true, u"", {"img170"}, kNone},

    // Page 2: copper pipe price.
    {u"透明标签10", TransparentLabel, mainPage(2), {83, 470, 91, 40}, true, u"铜管价格", {},
     {.fontPx = 20, .color = kDarkGreen}},
    {u"超级按钮3", GraphicButton, mainPage(2), {345, 472, 119, 36}, true, u"", {"img127", "img128", "img129"}, kNone},
    {u"超级按钮1", GraphicButton, mainPage(2), {216, 472, 119, 36}, true, u"", {"img130", "img131", "img132"}, kNone},
    {u"编辑框26", EditBox, mainPage(2), {348, 420, 70, 20}, true, u"", {}, kNone},
    {u"编辑框25", EditBox, mainPage(2), {163, 420, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框24", EditBox, mainPage(2), {348, 393, 70, 20}, true, u"", {}, kNone},
    {u"编辑框22", EditBox, mainPage(2), {348, 368, 70, 20}, true, u"", {}, kNone},
    {u"编辑框23", EditBox, mainPage(2), {163, 393, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框21", EditBox, mainPage(2), {163, 368, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框20", EditBox, mainPage(2), {348, 340, 70, 20}, true, u"", {}, kNone},
    {u"编辑框18", EditBox, mainPage(2), {348, 312, 70, 20}, true, u"", {}, kNone},
    {u"编辑框19", EditBox, mainPage(2), {163, 340, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框17", EditBox, mainPage(2), {163, 312, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框16", EditBox, mainPage(2), {348, 286, 70, 20}, true, u"", {}, kNone},
    {u"编辑框14", EditBox, mainPage(2), {348, 256, 70, 20}, true, u"", {}, kNone},
    {u"编辑框15", EditBox, mainPage(2), {163, 286, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框13", EditBox, mainPage(2), {163, 256, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框12", EditBox, mainPage(2), {348, 230, 70, 20}, true, u"", {}, kNone},
    {u"编辑框10", EditBox, mainPage(2), {348, 204, 70, 20}, true, u"", {}, kNone},
    {u"编辑框11", EditBox, mainPage(2), {163, 230, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框9", EditBox, mainPage(2), {163, 204, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框0", EditBox, mainPage(2), {242, 48, 88, 24}, true, u"", {},
     {.fontPx = 19, .color = kRed, .align = Align::Centre}},
    {u"编辑框8", EditBox, mainPage(2), {348, 176, 70, 20}, true, u"", {}, kNone},
    {u"编辑框6", EditBox, mainPage(2), {348, 150, 70, 20}, true, u"", {}, kNone},
    {u"编辑框7", EditBox, mainPage(2), {163, 176, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框5", EditBox, mainPage(2), {163, 150, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框4", EditBox, mainPage(2), {348, 124, 70, 20}, true, u"", {}, kNone},
    {u"编辑框2", EditBox, mainPage(2), {348, 98, 70, 20}, true, u"", {}, kNone},
    {u"编辑框3", EditBox, mainPage(2), {163, 124, 70, 20}, true, u"", {}, kCentred},
    {u"编辑框1", EditBox, mainPage(2), {163, 98, 70, 20}, true, u"", {}, kCentred},
    {u"图片框5", PictureBox, mainPage(2), {15, 15, 775, 522}, true, u"", {"img133"}, kNone},
    {u"透明标签22", TransparentLabel, kCopperPicture, {528, 330, 224, 32}, true, u"把今日铜价里的数值填入期货铜价", {},
     {.color = kDarkGreen}},
    {u"透明标签20", TransparentLabel, kCopperPicture, {504, 291, 100, 32}, true, u"温馨提示：", {},
     {.fontPx = 12, .bold = true, .color = kDarkGreen}},
    {u"分组框1", GroupBox, kCopperPicture, {512, 120, 240, 152}, true, u"", {}, kNone},
    {u"今日铜价浏览", Browser, kQuoteFrame, {-205, -377, 488, 528}, true, u"", {}, {.silent = true}},

    // Page 3: condensate drain pipe table.
    {u"图片框1", PictureBox, mainPage(3), {23, 37, 750, 500}, true, u"", {"img142"}, kNone},

    // Page 4: air vent price.
    {u"回风口计算", GraphicButton, mainPage(4), {427, 472, 161, 37}, true, u"", {"img134", "img135", "img136"}, kNone},
    {u"出风口计算", GraphicButton, mainPage(4), {427, 203, 161, 37}, true, u"", {"img137", "img138", "img139"}, kNone},
    {u"回风长", EditBox, mainPage(4), {470, 333, 72, 25}, true, u"", {}, kCentred},
    {u"回风宽", EditBox, mainPage(4), {470, 400, 72, 25}, true, u"", {}, kCentred},
    {u"回风口价格", TransparentLabel, mainPage(4), {200, 476, 120, 24}, true, u"回风口价格", {},
     {.fontPx = 20, .color = kDarkGreen, .align = Align::Centre}},
    {u"出风口价格", TransparentLabel, mainPage(4), {200, 208, 120, 24}, true, u"出风口价格", {},
     {.fontPx = 20, .color = kOrange, .align = Align::Centre}},
    {u"出风长", EditBox, mainPage(4), {470, 64, 72, 25}, true, u"", {}, kCentred},
    {u"出风宽", EditBox, mainPage(4), {470, 129, 72, 25}, true, u"", {}, kCentred},
    {u"图片框2", PictureBox, mainPage(4), {116, 39, 560, 480}, true, u"", {"img171"}, kNone},

    // Page 5: air-conditioner selection.
    {u"空调选型选择夹", PageTab, mainPage(5), {15, 1, 776, 541}, true, u"", {}, {.tab = &kBrandTab}},

    // Page 6: about.
    {u"透明标签25", TransparentLabel, mainPage(6), {168, 234, 470, 32}, true,
     u"家宣传画册及说明书为依据。因各地材料价格不同及变动请以当地实际价格为准。", {}, kAbout},
    {u"透明标签24", TransparentLabel, mainPage(6), {185, 204, 470, 32}, true,
     u"此次提供的Kalmoro，旨在方便广大中央空调消费者及暖通设计师。空调数据以厂", {}, kAbout},
    {u"透明标签23", TransparentLabel, mainPage(6), {162, 174, 309, 32}, true, u"为广大网友及站长提供优质服务。", {}, kAbout},
    {u"图片框6", PictureBox, mainPage(6), {115, 258, 580, 266}, true, u"", {"img013"}, kNone},
    {u"透明标签21", TransparentLabel, mainPage(6), {183, 147, 560, 32}, true,
     u"Lumavo-Lumavo集合各种精品软件、教程、设计素材、建站资源、互联网优惠信息等资源，", {}, kAbout},
    {u"Lumavo按钮", GraphicButton, mainPage(6), {201, 78, 385, 46}, true, u"", {"img014", "img015"}, kNone},

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
    return kRows;
}

} // namespace kalmoro
