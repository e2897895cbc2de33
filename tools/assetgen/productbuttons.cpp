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
    std::string_view faces[3];
    Product product;
    const QColor &accent;
    const char *caption;
};

const ProductButton kButtons[] = {
    {{"img074", "img075", "img076"}, Product::TwoModules, kDaikinBlue, "VRV X7"},
    {{"img071", "img072", "img073"}, Product::TallUnit, kDaikinBlue, "家用P系列"},
    {{"img068", "img069", "img070"}, Product::HomeUnit, kDaikinBlue, "家用S系列"},
    {{"img065", "img066", "img067"}, Product::TwinFanUnit, kDaikinBlue, "Skyair"},
    {{"img099", "img100", "img101"}, Product::Module, kGreeBlue, "GMV-ES系列"},
    {{"img096", "img097", "img098"}, Product::WideModule, kGreeBlue, "GMV-5系列"},
    {{"img093", "img094", "img095"}, Product::TwoModules, kGreeBlue, "GMV-5S系列"},
    {{"img090", "img091", "img092"}, Product::TallUnit, kGreeBlue, "Star小多联"},
    {{"img083", "img084", "img085"}, Product::Ducted, kGreeBlue, "D系列风管机"},
    {{"img080", "img081", "img082"}, Product::FloorStanding, kGreeBlue, "其他空调"},
    {{"img046", "img047", "img048"}, Product::WideModule, kMideaBlue, "Si整体式"},
    {{"img043", "img044", "img045"}, Product::Module, kMideaBlue, "S模块组合"},
    {{"img040", "img041", "img042"}, Product::TallUnit, kMideaBlue, "侧出风主机"},
    {{"img025", "img026", "img027"}, Product::WideModule, kAuxBlue, "X7全直流"},
    {{"img022", "img023", "img024"}, Product::TallUnit, kAuxBlue, "CE小多联"},
    {{"img019", "img020", "img021"}, Product::TwinFanUnit, kAuxBlue, "轻型商用"},
    {{"img016", "img017", "img018"}, Product::FloorAndWall, kAuxBlue, "其他"},
    {{"img037", "img038", "img039"}, Product::WideModule, kChigoGreen, "CMV-X全直流"},
    {{"img034", "img035", "img036"}, Product::Module, kChigoGreen, "CMV直流变频"},
    {{"img031", "img032", "img033"}, Product::TwinFanUnit, kChigoGreen, "轻型商用"},
    {{"img028", "img029", "img030"}, Product::TallUnit, kChigoGreen, "家用小多联"},
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
