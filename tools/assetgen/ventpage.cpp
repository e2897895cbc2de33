#include <QLinearGradient>

#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"
#include "textbutton.h"

namespace kalmoro::assetgen {

namespace {

// The picture lies at (116, 39) on its page; the edit boxes, result labels and buttons
// of the page stand over it at their page positions.
constexpr QPointF kOrigin(116, 39);

QRectF OnPicture(qreal pageX, qreal pageY, qreal width, qreal height)
{
    return QRectF(pageX - kOrigin.x(), pageY - kOrigin.y(), width, height);
}

enum class Grille { Supply, Return };

struct VentHalf {
    const char *heading;
    Grille grille;
    qreal top; // of the heading
    int lengthPageY; // the length and width boxes, 72 x 25 at page x 470
    int widthPageY;
    int resultPageY; // the result label, 120 x 24 at page x 200
    int buttonPageY; // the calculation button, 161 x 37 at page x 427
    FaceColour face;
    const char *button;
    const QColor &ink;
};

const VentHalf kHalves[] = {
    {"出风口尺寸", Grille::Supply, 4, 64, 129, 208, 203, FaceColour::Orange, "出风口计算", colour::kOrange},
    {"回风口尺寸", Grille::Return, 236, 333, 400, 476, 472, FaceColour::Green, "回风口计算", colour::kGreen},
};

void Frame(QPainter &p, const QRectF &outer)
{
    QLinearGradient metal(outer.topLeft(), outer.bottomLeft());
    metal.setColorAt(0, QColor(236, 238, 241));
    metal.setColorAt(1, QColor(196, 200, 206));
    p.setPen(QPen(QColor(150, 156, 164), 1));
    p.setBrush(metal);
    p.drawRoundedRect(outer, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 2, 2);
}

// A double-deflection supply grille: vertical blades behind horizontal ones.
void SupplyGrille(QPainter &p, const QRectF &outer)
{
    Frame(p, outer);
    const QRectF inner = outer.adjusted(11, 11, -11, -11);
    p.fillRect(inner, QColor(46, 50, 58));
    for (qreal x = inner.left() + 4; x < inner.right() - 3; x += 9) {
        QLinearGradient blade(QPointF(x, 0), QPointF(x + 3, 0));
        blade.setColorAt(0, QColor(168, 174, 184));
        blade.setColorAt(1, QColor(104, 110, 122));
        p.fillRect(QRectF(x, inner.top(), 3, inner.height()), blade);
    }
    for (qreal y = inner.top() + 3; y < inner.bottom() - 4; y += 11) {
        QLinearGradient blade(QPointF(0, y), QPointF(0, y + 5));
        blade.setColorAt(0, QColor(252, 252, 253));
        blade.setColorAt(1, QColor(196, 200, 207));
        p.fillRect(QRectF(inner.left(), y, inner.width(), 5), blade);
        p.fillRect(QRectF(inner.left(), y + 5, inner.width(), 1.5), QColor(20, 22, 26, 110));
    }
}

// A return grille: wide fixed louvres tilted at 45 degrees, the filter behind them.
void ReturnGrille(QPainter &p, const QRectF &outer)
{
    Frame(p, outer);
    const QRectF inner = outer.adjusted(11, 11, -11, -11);
    p.fillRect(inner, QColor(78, 82, 90));
    p.save();
    p.setClipRect(inner);
    for (qreal y = inner.top() + 2; y < inner.bottom(); y += 14) {
        QLinearGradient louvre(QPointF(0, y), QPointF(0, y + 11));
        louvre.setColorAt(0, QColor(150, 156, 164));
        louvre.setColorAt(0.45, QColor(236, 238, 241));
        louvre.setColorAt(1, QColor(250, 251, 252));
        p.fillRect(QRectF(inner.left(), y, inner.width(), 11), louvre);
        p.fillRect(QRectF(inner.left(), y + 11, inner.width(), 1), QColor(40, 42, 48, 120));
    }
    p.restore();
}

void PaintHalf(QPainter &p, const VentHalf &half)
{
    DrawTextLine(p, Utf8(half.heading), Font(Face::Sans, 20, QFont::Bold), half.ink,
        QRectF(18, half.top, 200, 28), Qt::AlignLeft);
    p.fillRect(QRectF(18, half.top + 30, 40, 2), half.ink);

    const QRectF photo(18, half.top + 42, 280, half.grille == Grille::Supply ? 112 : 136);
    p.fillRect(QRectF(photo.left() + 3, photo.bottom(), photo.width() - 6, 4), QColor(0, 0, 0, 18));
    if (half.grille == Grille::Supply)
        SupplyGrille(p, photo);
    else
        ReturnGrille(p, photo);

    const QFont font = Font(Face::Sans, 17, QFont::Bold);
    const struct {
        int pageY;
        const char *word;
    } boxes[] = {{half.lengthPageY, "长"}, {half.widthPageY, "宽"}};
    for (const auto &box : boxes) {
        const QRectF field = OnPicture(470, box.pageY, 72, 25);
        DrawTextLine(p, Utf8(box.word), font, half.ink,
            QRectF(field.left() - 34, field.top(), 26, field.height()), Qt::AlignRight);
        DrawTextLine(p, Utf8("米"), font, half.ink,
            QRectF(field.right() + 8, field.top(), 26, field.height()), Qt::AlignLeft);
    }

    const QRectF result = OnPicture(200, half.resultPageY, 120, 24);
    DrawTextLine(p, Utf8("元"), Font(Face::Sans, 20, QFont::Bold), half.ink,
        QRectF(result.right() + 6, result.top() + 3, 30, result.height()), Qt::AlignLeft);

    p.save();
    p.translate(OnPicture(427, half.buttonPageY, 0, 0).topLeft());
    PaintTextButton(p, QSizeF(161, 37), half.face, EndSquare::Plain, Utf8(half.button), 0);
    p.restore();
}

void PaintVentPage(QPainter &p)
{
    PaintHalf(p, kHalves[0]);
    p.fillRect(QRectF(18, 222, 524, 2), colour::kBarOrange);
    PaintHalf(p, kHalves[1]);
}

} // namespace

void AddVentPage(Artworks &out)
{
    out.push_back({Asset::img171, PaintVentPage});
}

} // namespace kalmoro::assetgen
