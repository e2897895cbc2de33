#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"

namespace kalmoro::assetgen {

namespace {

// Plain wordmarks of the five brands in their colours; the brands' own registered
// marks are not reproduced.
enum class Brand { Daikin, Gree, Midea, Aux, Chigo };

const QColor kDaikinBlue(0, 114, 198);
const QColor kGreeBlue(0, 51, 128);
const QColor kMideaBlue(0, 160, 233);
const QColor kAuxBlue(0, 58, 140);
const QColor kChigoGreen(0, 146, 69);

void Daikin(QPainter &p, const QRectF &area, const QColor &ink)
{
    const int size = int(area.height() * 0.74);
    QFont font = Font(Face::Sans, size, QFont::Black);
    font.setLetterSpacing(QFont::AbsoluteSpacing, size * 0.06);
    const QString word = QStringLiteral("DAIKIN");
    const qreal stripeWidth = size * 1.25;
    const qreal gap = size * 0.35;
    const qreal total = stripeWidth + gap + TextWidth(font, word);
    const qreal left = area.center().x() - total / 2;
    const qreal capHeight = size * 0.74;
    const qreal top = area.center().y() - capHeight / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 3; ++i) {
        const qreal height = capHeight / 5;
        const qreal length = stripeWidth * (1.0 - 0.22 * i);
        p.drawRoundedRect(QRectF(left + stripeWidth - length, top + i * 2 * height, length, height),
            height / 2, height / 2);
    }
    DrawTextLine(p, word, font, ink, QRectF(left + stripeWidth + gap, area.top(), total, area.height()),
        Qt::AlignLeft);
}

void GreeLine(QPainter &p, const QRectF &area, const QColor &ink)
{
    const int size = int(area.height() * 0.8);
    QFont latin = Font(Face::Sans, size, QFont::Black);
    latin.setLetterSpacing(QFont::AbsoluteSpacing, size * 0.04);
    const QFont chinese = Font(Face::Sans, int(size * 0.82), QFont::Bold);
    const QString word = QStringLiteral("GREE");
    const QString name = Utf8("格力");
    const qreal gap = size * 0.45;
    const qreal total = TextWidth(latin, word) + gap + TextWidth(chinese, name);
    const qreal left = area.center().x() - total / 2;
    DrawTextLine(p, word, latin, ink, QRectF(left, area.top(), total, area.height()), Qt::AlignLeft);
    const qreal divider = left + TextWidth(latin, word) + gap / 2;
    p.fillRect(QRectF(divider - 0.75, area.center().y() - size * 0.36, 1.5, size * 0.72), ink);
    DrawTextLine(
        p, name, chinese, ink, QRectF(divider + gap / 2, area.top(), total, area.height()), Qt::AlignLeft);
}

void Gree(QPainter &p, const QRectF &area, const QColor &ink, bool withTagLine)
{
    if (!withTagLine) {
        GreeLine(p, area, ink);
        return;
    }
    GreeLine(p, QRectF(area.left(), area.top() + 2, area.width(), area.height() * 0.6), ink);
    DrawTextLine(p, Utf8("[格力中央空调]"), Font(Face::Sans, int(area.height() * 0.24), QFont::Bold), ink,
        QRectF(area.left(), area.top() + area.height() * 0.64, area.width(), area.height() * 0.32));
}

void Midea(QPainter &p, const QRectF &area, const QColor &ink)
{
    const int size = int(area.height() * 0.78);
    const QFont big = Font(Face::Sans, size, QFont::Black);
    const QFont small = Font(Face::Sans, int(size * 0.56), QFont::Bold);
    const QString name = Utf8("美的");
    const QString line = Utf8("中央空调");
    const qreal gap = size * 0.4;
    const qreal total = TextWidth(big, name) + gap + TextWidth(small, line);
    const qreal left = area.center().x() - total / 2;
    DrawTextLine(p, name, big, ink, QRectF(left, area.top(), total, area.height()), Qt::AlignLeft);
    const qreal divider = left + TextWidth(big, name) + gap / 2;
    p.fillRect(QRectF(divider - 1, area.center().y() - size * 0.34, 2, size * 0.68), ink);
    DrawTextLine(
        p, line, small, ink, QRectF(divider + gap / 2, area.top(), total, area.height()), Qt::AlignLeft);
}

void Aux(QPainter &p, const QRectF &area, const QColor &ink)
{
    QFont latin = Font(Face::Sans, int(area.height() * 0.5), QFont::Black);
    latin.setLetterSpacing(QFont::AbsoluteSpacing, area.height() * 0.04);
    DrawTextLine(p, QStringLiteral("AUX"), latin, ink,
        QRectF(area.left(), area.top() + area.height() * 0.04, area.width(), area.height() * 0.56));
    const QString line = Utf8("奥克斯中央空调");
    const QFont chinese = FitFont(Font(Face::Sans, 20, QFont::Bold), line, area.width() * 0.92, 20);
    DrawTextLine(p, line, chinese, ink,
        QRectF(area.left(), area.top() + area.height() * 0.62, area.width(), area.height() * 0.32));
}

void Chigo(QPainter &p, const QRectF &area, const QColor &box)
{
    FillRounded(p, area, area.height() * 0.16, box);
    const int size = int(area.height() * 0.46);
    const QFont big = Font(Face::Sans, size, QFont::Black);
    const QString name = Utf8("志高");
    const QString line = Utf8("中央空调");
    const QFont small = Font(Face::Sans, int(size * 0.5), QFont::Bold);
    const qreal gap = size * 0.3;
    const qreal total = TextWidth(big, name) + gap + TextWidth(small, line);
    const qreal left = area.center().x() - total / 2;
    DrawTextLine(p, name, big, colour::kWhite, QRectF(left, area.top(), total, area.height()), Qt::AlignLeft);
    const qreal divider = left + TextWidth(big, name) + gap / 2;
    p.fillRect(QRectF(divider - 0.75, area.center().y() - size * 0.3, 1.5, size * 0.6), colour::kWhite);
    DrawTextLine(p, line, small, colour::kWhite, QRectF(divider + gap / 2, area.top(), total, area.height()),
        Qt::AlignLeft);
}

void PaintBrand(QPainter &p, Brand brand, const QRectF &area, bool hover, bool tagLine)
{
    switch (brand) {
    case Brand::Daikin:
        Daikin(p, area, hover ? colour::kOrange : kDaikinBlue);
        break;
    case Brand::Gree:
        Gree(p, area, hover ? colour::kOrange : kGreeBlue, tagLine);
        break;
    case Brand::Midea:
        Midea(p, area, hover ? colour::kOrange : kMideaBlue);
        break;
    case Brand::Aux:
        Aux(p, area, hover ? colour::kOrange : kAuxBlue);
        break;
    case Brand::Chigo:
        Chigo(p, area, hover ? colour::kOrange : kChigoGreen);
        break;
    }
}

// The brand choice buttons; their pressed faces are the normal ones, stored once.
struct BrandButton {
    Asset normal;
    Asset hover;
    Brand brand;
    QRectF area;
};

const BrandButton kButtons[] = {
    {Asset::img120, Asset::img121, Brand::Daikin, QRectF(8, 8, 277, 44)},
    {Asset::img117, Asset::img118, Brand::Gree, QRectF(10, 7, 280, 45)},
    {Asset::img114, Asset::img115, Brand::Midea, QRectF(20, 8, 413, 59)},
    {Asset::img111, Asset::img112, Brand::Aux, QRectF(6, 4, 152, 69)},
    {Asset::img108, Asset::img109, Brand::Chigo, QRectF(6, 6, 214, 74)},
};

struct BrandLogo {
    Asset name;
    Brand brand;
    QRectF area;
    bool tagLine;
};

const BrandLogo kLogos[] = {
    {Asset::img105, Brand::Daikin, QRectF(6, 10, 199, 39), false},
    {Asset::img106, Brand::Gree, QRectF(6, 3, 173, 53), true},
    {Asset::img104, Brand::Midea, QRectF(6, 6, 248, 47), false},
    {Asset::img102, Brand::Aux, QRectF(8, 4, 171, 72), false},
    {Asset::img103, Brand::Chigo, QRectF(6, 8, 175, 64), false},
};

} // namespace

void AddBrands(Artworks &out)
{
    for (const BrandButton &button : kButtons) {
        out.push_back({button.normal,
            [&button](QPainter &p) { PaintBrand(p, button.brand, button.area, false, false); }});
        out.push_back({button.hover,
            [&button](QPainter &p) { PaintBrand(p, button.brand, button.area, true, false); }});
    }
    for (const BrandLogo &logo : kLogos)
        out.push_back(
            {logo.name, [&logo](QPainter &p) { PaintBrand(p, logo.brand, logo.area, false, logo.tagLine); }});
}

} // namespace kalmoro::assetgen
