#include <QLinearGradient>
#include <QPainterPath>

#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"
#include "glyphs.h"

namespace kalmoro::assetgen {

namespace {

// The price buttons: a glossy yen sign; the faces differ only in its colour.
struct PriceFace {
    Asset name;
    QColor colour;
};

const PriceFace kPriceFaces[] = {
    {Asset::img049, QColor(226, 164, 18)},
    {Asset::img050, QColor(214, 38, 38)},
    {Asset::img051, QColor(128, 58, 168)},
    {Asset::img052, QColor(150, 150, 150)},
};

void PaintPriceFace(QPainter &p, const QColor &colour)
{
    const QFont font = Font(Face::Sans, 44, QFont::Black);
    QPainterPath sign;
    sign.addText(0, 0, font, QStringLiteral("¥"));
    const QRectF bounds = sign.boundingRect();
    sign.translate(23 - bounds.center().x(), 24 - bounds.center().y());

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 34));
    p.drawPath(sign.translated(1.2, 1.6));

    const QRectF box = sign.boundingRect();
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, Mix(colour, Qt::white, 0.45));
    body.setColorAt(0.5, colour);
    body.setColorAt(1, Mix(colour, Qt::black, 0.3));
    p.setBrush(body);
    p.setPen(QPen(Mix(colour, Qt::black, 0.4), 0.9));
    p.drawPath(sign);

    p.save();
    p.setClipPath(sign);
    QLinearGradient gloss(box.topLeft(), QPointF(box.left(), box.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 200));
    gloss.setColorAt(1, QColor(255, 255, 255, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(box.left() - 8, box.top() - box.height() * 0.5, box.width() + 16, box.height()));
    p.restore();
}

// Title-bar buttons: normal grey, hover orange, pressed dark red.
struct TitleButton {
    Asset faces[3];
    Glyph glyph;
};

constexpr TitleButton kTitleButtons[] = {
    {{Asset::img144, Asset::img145, Asset::img146}, Glyph::Menu},
    {{Asset::img147, Asset::img148, Asset::img149}, Glyph::Minimize},
    {{Asset::img150, Asset::img151, Asset::img152}, Glyph::Close},
};

const QColor kTitleColours[3] = {colour::kGrey, colour::kOrange, colour::kDarkRed};

// Headings of the refrigerant page: an icon and a word, both orange.
struct Heading {
    Asset name;
    Glyph glyph;
    const char *text;
};

constexpr Heading kHeadings[] = {
    {Asset::img143, Glyph::Registered, "空调品牌"},
    {Asset::img159, Glyph::CircleGrid, "室内机加氟"},
    {Asset::img160, Glyph::Cabinet, "室外机加氟"},
};

void PaintHeading(QPainter &p, const Heading &heading)
{
    DrawGlyph(p, heading.glyph, QRectF(2, 2.5, 18, 18), colour::kOrange);
    DrawTextLine(p, Utf8(heading.text), Font(Face::Sans, 15, QFont::Bold), colour::kOrange,
        QRectF(27, 0, 95, 23), Qt::AlignLeft);
}

void PaintTotalHeading(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kBarOrange);
    p.drawRoundedRect(QRectF(0, 0, 23, 23), 2, 2);
    DrawTextLine(
        p, QStringLiteral("ALL"), Font(Face::Sans, 9, QFont::Black), colour::kWhite, QRectF(0, 0, 23, 23));
    DrawTextLine(p, Utf8("所需加氟量（kg）"), Font(Face::Sans, 15, QFont::Bold), colour::kOrange,
        QRectF(30, 0, 150, 23), Qt::AlignLeft);
}

void PaintBrandQuestion(QPainter &p)
{
    DrawTextLine(p, Utf8("请选择中央空调品牌"), Font(Face::Sans, 22, QFont::Bold), colour::kOrange,
        QRectF(0, 0, 286, 30));
}

// The slogan: a short rule and two four-character phrases in a brush-like slanted serif.
void PaintSlogan(QPainter &p)
{
    p.fillRect(QRectF(0, 14, 34, 3), colour::kBarOrange);
    const QFont font = Font(Face::Serif, 23, QFont::Black);
    qreal x = 46;
    for (const char *phrase : {"暖通设计", "更胜一筹"}) {
        const QString text = Utf8(phrase);
        p.save();
        p.translate(x, 0);
        p.shear(-0.18, 0);
        p.translate(4, 0);
        DrawTextLine(p, text, font, colour::kOrange, QRectF(0, 0, 200, 30), Qt::AlignLeft);
        p.restore();
        x += TextWidth(font, text) + 22;
    }
}

} // namespace

void AddSmallFaces(Artworks &out)
{
    for (const PriceFace &face : kPriceFaces)
        out.push_back({face.name, [&face](QPainter &p) { PaintPriceFace(p, face.colour); }});
    for (const TitleButton &button : kTitleButtons)
        for (int face = 0; face < 3; ++face)
            out.push_back({button.faces[face], [&button, face](QPainter &p) {
                               DrawGlyph(p, button.glyph, QRectF(1, 1, 24, 24), kTitleColours[face]);
                           }});
    for (const Heading &heading : kHeadings)
        out.push_back({heading.name, [&heading](QPainter &p) { PaintHeading(p, heading); }});
    out.push_back({Asset::img170, PaintTotalHeading});
    out.push_back({Asset::img107, PaintBrandQuestion});
    out.push_back({Asset::img078, PaintSlogan});
}

} // namespace kalmoro::assetgen
