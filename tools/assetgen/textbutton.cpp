#include "textbutton.h"

#include <QPainterPath>

#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"
#include "glyphs.h"

namespace kalmoro::assetgen {

namespace {

QColor FaceOf(FaceColour colour)
{
    return colour == FaceColour::Orange ? colour::kBarOrange : colour::kFaceGreen;
}

QColor SquareOf(FaceColour colour)
{
    return colour == FaceColour::Orange ? QColor(230, 116, 0) : QColor(40, 122, 4);
}

QColor CaptionOf(FaceColour colour, int face)
{
    switch (face) {
    case 1:
        return colour::kBlack;
    case 2:
        return colour == FaceColour::Orange ? colour::kGreen : colour::kYellowGreen;
    default:
        return colour::kWhite;
    }
}

struct TextButton {
    Asset faces[3];
    int width;
    int height;
    FaceColour colour;
    EndSquare end;
    const char *caption;
};

constexpr TextButton kButtons[] = {
    {{Asset::img130, Asset::img131, Asset::img132}, 119, 36, FaceColour::Orange, EndSquare::MoneyBag,
        "价格计算"},
    {{Asset::img127, Asset::img128, Asset::img129}, 120, 36, FaceColour::Green, EndSquare::Smiley,
        "清空数据"},
    {{Asset::img137, Asset::img138, Asset::img139}, 161, 37, FaceColour::Orange, EndSquare::Plain,
        "出风口计算"},
    {{Asset::img134, Asset::img135, Asset::img136}, 161, 37, FaceColour::Green, EndSquare::Plain,
        "回风口计算"},
    {{Asset::img161, Asset::img162, Asset::img163}, 179, 36, FaceColour::Orange, EndSquare::ThumbsUp,
        "合计加氟量计算"},
    {{Asset::img164, Asset::img165, Asset::img166}, 179, 36, FaceColour::Orange, EndSquare::None,
        "室内机所需加氟量"},
    {{Asset::img167, Asset::img168, Asset::img169}, 179, 36, FaceColour::Orange, EndSquare::None,
        "室外机所需加氟量"},
};

} // namespace

void PaintTextButton(
    QPainter &p, const QSizeF &size, FaceColour colour, EndSquare end, const QString &caption, int face)
{
    const QRectF bounds(QPointF(0, 0), size);
    QPainterPath shape;
    shape.addRoundedRect(bounds, kButtonRadius, kButtonRadius);
    p.save();
    // The bars without an end square are cut round by their alpha channel instead
    // (ApplyRoundedCorners), so they stay opaque up to the very corner pixels.
    if (end != EndSquare::None)
        p.setClipPath(shape);
    p.fillRect(bounds, FaceOf(colour));
    QRectF captionArea = bounds;
    if (end != EndSquare::None) {
        const qreal side = size.height();
        const QRectF square(size.width() - side, 0, side, side);
        p.fillRect(square, SquareOf(colour));
        captionArea.setRight(square.left());
        const qreal glyphSide = side * 0.58;
        const QRectF glyphBox(
            square.center().x() - glyphSide / 2, square.center().y() - glyphSide / 2, glyphSide, glyphSide);
        switch (end) {
        case EndSquare::MoneyBag:
            DrawGlyph(p, Glyph::MoneyBag, glyphBox, colour::kWhite, SquareOf(colour));
            break;
        case EndSquare::Smiley:
            DrawGlyph(p, Glyph::Smiley, glyphBox, colour::kWhite);
            break;
        case EndSquare::ThumbsUp:
            DrawGlyph(p, Glyph::ThumbsUp, glyphBox, colour::kWhite);
            break;
        case EndSquare::None:
        case EndSquare::Plain:
            break;
        }
    }
    const QFont font = FitFont(Font(Face::Sans, 16, QFont::Bold), caption, captionArea.width() - 12, 16);
    DrawTextLine(p, caption, font, CaptionOf(colour, face), captionArea);
    p.restore();
}

void AddTextButtons(Artworks &out)
{
    for (const TextButton &button : kButtons) {
        for (int face = 0; face < 3; ++face) {
            out.push_back({button.faces[face], [&button, face](QPainter &p) {
                               PaintTextButton(p, QSizeF(button.width, button.height), button.colour,
                                   button.end, Utf8(button.caption), face);
                           }});
        }
    }
}

} // namespace kalmoro::assetgen
