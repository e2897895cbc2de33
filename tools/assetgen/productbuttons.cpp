#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"
#include "products.h"

namespace kalmoro::assetgen {

namespace {

const QColor kDaikinBlue(0, 120, 200);
const QColor kGreeBlue(0, 76, 150);
const QColor kMideaBlue(0, 160, 233);
const QColor kAuxBlue(0, 64, 152);
const QColor kChigoGreen(0, 150, 80);

struct ProductButton {
    Asset faces[3];
    Product product;
    const QColor &accent;
    const char *caption;
};

const ProductButton kButtons[] = {
    {{Asset::img074, Asset::img075, Asset::img076}, Product::TwoModules, kDaikinBlue, "VRV X7"},
    {{Asset::img071, Asset::img072, Asset::img073}, Product::TallUnit, kDaikinBlue, "家用P系列"},
    {{Asset::img068, Asset::img069, Asset::img070}, Product::HomeUnit, kDaikinBlue, "家用S系列"},
    {{Asset::img065, Asset::img066, Asset::img067}, Product::TwinFanUnit, kDaikinBlue, "Skyair"},
    {{Asset::img099, Asset::img100, Asset::img101}, Product::Module, kGreeBlue, "GMV-ES系列"},
    {{Asset::img096, Asset::img097, Asset::img098}, Product::WideModule, kGreeBlue, "GMV-5系列"},
    {{Asset::img093, Asset::img094, Asset::img095}, Product::TwoModules, kGreeBlue, "GMV-5S系列"},
    {{Asset::img090, Asset::img091, Asset::img092}, Product::TallUnit, kGreeBlue, "Star小多联"},
    {{Asset::img083, Asset::img084, Asset::img085}, Product::Ducted, kGreeBlue, "D系列风管机"},
    {{Asset::img080, Asset::img081, Asset::img082}, Product::FloorStanding, kGreeBlue, "其他空调"},
    {{Asset::img046, Asset::img047, Asset::img048}, Product::WideModule, kMideaBlue, "Si整体式"},
    {{Asset::img043, Asset::img044, Asset::img045}, Product::Module, kMideaBlue, "S模块组合"},
    {{Asset::img040, Asset::img041, Asset::img042}, Product::TallUnit, kMideaBlue, "侧出风主机"},
    {{Asset::img025, Asset::img026, Asset::img027}, Product::WideModule, kAuxBlue, "X7全直流"},
    {{Asset::img022, Asset::img023, Asset::img024}, Product::TallUnit, kAuxBlue, "CE小多联"},
    {{Asset::img019, Asset::img020, Asset::img021}, Product::TwinFanUnit, kAuxBlue, "轻型商用"},
    {{Asset::img016, Asset::img017, Asset::img018}, Product::FloorAndWall, kAuxBlue, "其他"},
    {{Asset::img037, Asset::img038, Asset::img039}, Product::WideModule, kChigoGreen, "CMV-X全直流"},
    {{Asset::img034, Asset::img035, Asset::img036}, Product::Module, kChigoGreen, "CMV直流变频"},
    {{Asset::img031, Asset::img032, Asset::img033}, Product::TwinFanUnit, kChigoGreen, "轻型商用"},
    {{Asset::img028, Asset::img029, Asset::img030}, Product::TallUnit, kChigoGreen, "家用小多联"},
};

const QColor kCaptionColours[3] = {colour::kOrange, colour::kGrey, colour::kGreen};

void PaintProductButton(QPainter &p, const ProductButton &button, int face)
{
    DrawProduct(p, button.product, QRectF(3, 3, 80, 60), button.accent);
    p.fillRect(QRectF(8, 66, 70, 1), QColor(236, 236, 236));
    const QString caption = Utf8(button.caption);
    const QFont font = FitFont(Font(Face::Sans, 12, QFont::Bold), caption, 82, 12);
    DrawTextLine(p, caption, font, kCaptionColours[face], QRectF(0, 67, 86, 17));
}

} // namespace

void AddProductButtons(Artworks &out)
{
    for (const ProductButton &button : kButtons)
        for (int face = 0; face < 3; ++face)
            out.push_back(
                {button.faces[face], [&button, face](QPainter &p) { PaintProductButton(p, button, face); }});
}

} // namespace kalmoro::assetgen
