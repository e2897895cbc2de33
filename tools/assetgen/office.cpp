#include <QLinearGradient>
#include <QPainterPath>

#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"

namespace kalmoro::assetgen {

namespace {

// The start page: a flat office scene, 726 x 525 px.
const QColor kSkin(247, 210, 176);
const QColor kSkinShade(232, 186, 148);
const QColor kTableTop(166, 74, 52);
const QColor kTableFront(128, 52, 36);
const QColor kLine(70, 70, 80);

void Window(QPainter &p)
{
    const QRectF frame(170, 62, 386, 246);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 222, 231));
    p.drawRect(frame);
    const QRectF glass = frame.adjusted(8, 8, -8, -8);
    QLinearGradient sky(glass.topLeft(), glass.bottomLeft());
    sky.setColorAt(0, QColor(206, 230, 248));
    sky.setColorAt(1, QColor(238, 246, 252));
    p.setBrush(sky);
    p.drawRect(glass);

    p.save();
    p.setClipRect(glass);
    // Far skyline, then near skyline with lit windows.
    const qreal far[][3] = {{178, 50, 150}, {226, 40, 118}, {262, 56, 170}, {316, 34, 128}, {348, 60, 186},
        {406, 42, 140}, {446, 52, 162}, {496, 38, 124}, {530, 30, 150}};
    p.setBrush(QColor(190, 210, 230));
    for (const auto &b : far)
        p.drawRect(QRectF(b[0], glass.bottom() - b[2], b[1], b[2]));
    const qreal nearBuildings[][3] = {{170, 46, 96}, {214, 30, 72}, {244, 52, 118}, {300, 40, 84},
        {338, 34, 104}, {372, 56, 78}, {430, 36, 112}, {466, 48, 88}, {512, 40, 104}};
    for (const auto &b : nearBuildings) {
        const QRectF building(b[0], glass.bottom() - b[2], b[1], b[2]);
        p.setBrush(QColor(160, 186, 212));
        p.drawRect(building);
        p.setBrush(QColor(226, 238, 248));
        for (qreal y = building.top() + 8; y < building.bottom() - 6; y += 12)
            for (qreal x = building.left() + 6; x < building.right() - 6; x += 10)
                p.drawRect(QRectF(x, y, 4, 5));
    }
    p.restore();

    p.setBrush(QColor(214, 222, 231));
    p.drawRect(QRectF(frame.center().x() - 4, frame.top(), 8, frame.height()));
    p.drawRect(QRectF(frame.left(), frame.top() + 96, frame.width(), 6));
    p.setBrush(QColor(196, 206, 217));
    p.drawRect(QRectF(frame.left() - 8, frame.bottom(), frame.width() + 16, 8));
}

// A ceiling cassette: body above the ceiling line, square panel with a central grille
// and four outlets along its edges blowing down and out.
void Cassette(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 205, 212));
    p.drawRect(QRectF(303, 0, 120, 14));
    const QRectF panel(275, 14, 176, 28);
    QLinearGradient face(panel.topLeft(), panel.bottomLeft());
    face.setColorAt(0, QColor(252, 252, 253));
    face.setColorAt(1, QColor(226, 230, 235));
    p.setPen(QPen(QColor(170, 176, 186), 1));
    p.setBrush(face);
    p.drawRoundedRect(panel, 4, 4);
    p.setBrush(QColor(92, 100, 112));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(panel.left() + 8, panel.bottom() - 7, 44, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(panel.right() - 52, panel.bottom() - 7, 44, 3), 1.5, 1.5);
    p.setPen(QPen(QColor(176, 182, 192), 1));
    p.setBrush(QColor(240, 242, 245));
    p.drawRect(QRectF(333, 18, 60, 18));
    for (qreal y = 21; y < 35; y += 3)
        p.drawLine(QPointF(336, y), QPointF(390, y));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kBarOrange);
    p.drawEllipse(QPointF(panel.right() - 14, panel.top() + 8), 2, 2);

    // Cool air leaves the outlets on both sides and sinks into the room.
    QPen air = RoundPen(QColor(150, 202, 240), 2.2);
    air.setDashPattern({6, 3});
    p.setPen(air);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath left;
        left.moveTo(280, 40 + i * 5);
        left.cubicTo(252 - i * 6, 44 + i * 8, 232 - i * 12, 66 + i * 12, 222 - i * 16, 100 + i * 14);
        p.drawPath(left);
        QPainterPath right;
        right.moveTo(446, 40 + i * 5);
        right.cubicTo(474 + i * 6, 44 + i * 8, 494 + i * 12, 66 + i * 12, 504 + i * 16, 100 + i * 14);
        p.drawPath(right);
    }
}

void Easel(QPainter &p, const QRectF &board)
{
    p.setPen(RoundPen(QColor(120, 92, 70), 4));
    p.drawLine(QPointF(board.center().x(), board.top() - 6), QPointF(board.center().x(), 470));
    p.drawLine(QPointF(board.center().x(), board.bottom()), QPointF(board.left() + 8, 470));
    p.drawLine(QPointF(board.center().x(), board.bottom()), QPointF(board.right() - 8, 470));
    p.setPen(QPen(QColor(190, 196, 204), 2));
    p.setBrush(colour::kWhite);
    p.drawRect(board);
    p.fillRect(QRectF(board.left() - 4, board.bottom(), board.width() + 8, 5), QColor(150, 116, 90));
}

void BarChartBoard(QPainter &p)
{
    const QRectF board(30, 196, 122, 130);
    Easel(p, board);
    p.setPen(QPen(QColor(200, 204, 210), 1));
    p.drawLine(QPointF(44, 310), QPointF(140, 310));
    p.drawLine(QPointF(44, 212), QPointF(44, 310));
    const qreal heights[] = {30, 52, 40, 70, 88};
    const QColor bars[] = {
        QColor(120, 190, 240), colour::kBarOrange, QColor(120, 190, 240), colour::kGreen, colour::kBarOrange};
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(52 + i * 17, 310 - heights[i], 11, heights[i]), bars[i]);
    p.setPen(RoundPen(QColor(214, 60, 50), 2));
    p.drawPolyline(QPolygonF(
        {QPointF(57, 266), QPointF(74, 246), QPointF(91, 256), QPointF(108, 226), QPointF(125, 214)}));
}

void PieChartBoard(QPainter &p)
{
    const QRectF board(586, 210, 116, 120);
    Easel(p, board);
    const QRectF pie(600, 222, 56, 56);
    p.setPen(QPen(colour::kWhite, 1.5));
    p.setBrush(colour::kBarOrange);
    p.drawPie(pie, 90 * 16, 150 * 16);
    p.setBrush(QColor(120, 190, 240));
    p.drawPie(pie, 240 * 16, 120 * 16);
    p.setBrush(colour::kGreen);
    p.drawPie(pie, 0, 90 * 16);
    p.setPen(Qt::NoPen);
    const QColor keys[] = {colour::kBarOrange, QColor(120, 190, 240), colour::kGreen};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(keys[i]);
        p.drawRect(QRectF(664, 230 + i * 16, 8, 8));
        p.setBrush(QColor(210, 214, 220));
        p.drawRect(QRectF(676, 232 + i * 16, 18, 4));
    }
    p.setBrush(QColor(210, 214, 220));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(600, 292 + i * 10, 90 - i * 20, 4));
}

struct Person {
    qreal x; // centre of the body
    qreal headY; // centre of the head
    QColor suit;
    QColor hair;
    QColor tie; // transparent: a blouse instead of a tie
    bool longHair;
    bool pointsUp;
};

void Chair(QPainter &p, qreal x)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 70, 82));
    p.drawRoundedRect(QRectF(x - 40, 250, 80, 130), 16, 16);
}

void Torso(QPainter &p, const Person &who)
{
    const qreal top = who.headY + 34;
    QPainterPath jacket;
    jacket.moveTo(who.x - 46, 392);
    jacket.lineTo(who.x - 44, top + 22);
    jacket.cubicTo(who.x - 42, top + 4, who.x - 30, top, who.x - 14, top);
    jacket.lineTo(who.x + 14, top);
    jacket.cubicTo(who.x + 30, top, who.x + 42, top + 4, who.x + 44, top + 22);
    jacket.lineTo(who.x + 46, 392);
    jacket.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(who.suit);
    p.drawPath(jacket);

    QPainterPath shirt;
    shirt.moveTo(who.x - 13, top);
    shirt.lineTo(who.x + 13, top);
    shirt.lineTo(who.x, top + 44);
    shirt.closeSubpath();
    p.setBrush(colour::kWhite);
    p.drawPath(shirt);
    if (who.tie.alpha() != 0) {
        QPainterPath tie;
        tie.moveTo(who.x - 4, top + 2);
        tie.lineTo(who.x + 4, top + 2);
        tie.lineTo(who.x + 6, top + 30);
        tie.lineTo(who.x, top + 38);
        tie.lineTo(who.x - 6, top + 30);
        tie.closeSubpath();
        p.setBrush(who.tie);
        p.drawPath(tie);
    }
    p.setPen(QPen(who.suit.darker(130), 1.5));
    p.drawLine(QPointF(who.x - 13, top), QPointF(who.x - 2, top + 46));
    p.drawLine(QPointF(who.x + 13, top), QPointF(who.x + 2, top + 46));
}

void Head(QPainter &p, const Person &who)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kSkinShade);
    p.drawRect(QRectF(who.x - 8, who.headY + 14, 16, 22));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(who.x, who.headY), 20, 24);
    p.drawEllipse(QPointF(who.x - 20, who.headY + 2), 4, 6);
    p.drawEllipse(QPointF(who.x + 20, who.headY + 2), 4, 6);

    QPainterPath hair;
    if (who.longHair) {
        hair.moveTo(who.x - 22, who.headY + 4);
        hair.cubicTo(who.x - 24, who.headY - 30, who.x + 24, who.headY - 30, who.x + 22, who.headY + 4);
        hair.cubicTo(who.x + 10, who.headY - 14, who.x - 4, who.headY - 8, who.x - 22, who.headY + 4);
    } else {
        hair.moveTo(who.x - 21, who.headY - 2);
        hair.cubicTo(who.x - 24, who.headY - 32, who.x + 24, who.headY - 32, who.x + 21, who.headY - 2);
        hair.cubicTo(who.x + 16, who.headY - 12, who.x - 6, who.headY - 16, who.x - 21, who.headY - 2);
    }
    p.setBrush(who.hair);
    p.drawPath(hair);

    p.setBrush(kLine);
    p.drawEllipse(QPointF(who.x - 7, who.headY + 2), 2, 2.4);
    p.drawEllipse(QPointF(who.x + 7, who.headY + 2), 2, 2.4);
    p.setPen(RoundPen(QColor(190, 90, 70), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(who.x - 6, who.headY + 6, 12, 8), -20 * 16, -140 * 16);
}

void RestingArms(QPainter &p, const Person &who, bool left, bool right)
{
    p.setPen(RoundPen(who.suit.darker(112), 15));
    if (left)
        p.drawLine(QPointF(who.x - 40, who.headY + 66), QPointF(who.x - 30, 382));
    if (right)
        p.drawLine(QPointF(who.x + 40, who.headY + 66), QPointF(who.x + 30, 382));
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    if (left)
        p.drawEllipse(QPointF(who.x - 26, 386), 8, 6);
    if (right)
        p.drawEllipse(QPointF(who.x + 26, 386), 8, 6);
}

void PointingArm(QPainter &p, const Person &who)
{
    const QPointF shoulder(who.x + 36, who.headY + 44);
    const QPointF elbow(who.x + 66, who.headY + 10);
    const QPointF wrist(who.x + 70, who.headY - 40);
    p.setPen(RoundPen(who.suit.darker(112), 15));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({shoulder, elbow, wrist}));
    p.setPen(RoundPen(colour::kWhite, 15));
    p.drawPoint(wrist);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(wrist.x(), wrist.y() - 10), 8, 9);
    p.drawRoundedRect(QRectF(wrist.x() - 3, wrist.y() - 34, 6, 22), 3, 3);
}

// Long hair falls behind the neck and ends on the shoulders.
void BackHair(QPainter &p, const Person &who)
{
    p.setPen(Qt::NoPen);
    p.setBrush(who.hair);
    p.drawRoundedRect(QRectF(who.x - 26, who.headY - 22, 52, 64), 22, 22);
}

void PersonAt(QPainter &p, const Person &who)
{
    Chair(p, who.x);
    if (who.longHair)
        BackHair(p, who);
    Torso(p, who);
    Head(p, who);
    RestingArms(p, who, true, !who.pointsUp);
    if (who.pointsUp)
        PointingArm(p, who);
}

void Table(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 22));
    p.drawEllipse(QRectF(130, 460, 470, 22));
    p.setBrush(kTableFront);
    for (const qreal x : {160.0, 556.0})
        p.drawRect(QRectF(x, 404, 12, 66));
    QPainterPath top;
    top.moveTo(150, 376);
    top.lineTo(578, 376);
    top.lineTo(604, 398);
    top.lineTo(124, 398);
    top.closeSubpath();
    p.setBrush(kTableTop);
    p.drawPath(top);
    p.setBrush(kTableFront);
    p.drawRect(QRectF(124, 398, 480, 12));
}

void Briefcase(QPainter &p)
{
    p.setPen(RoundPen(QColor(90, 56, 32), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(154, 344, 22, 12), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 76, 44));
    p.drawRoundedRect(QRectF(136, 352, 58, 36), 4, 4);
    p.setBrush(QColor(96, 60, 34));
    p.drawRect(QRectF(136, 364, 58, 3));
    p.setBrush(QColor(230, 190, 90));
    p.drawRect(QRectF(161, 362, 8, 7));
}

void Papers(QPainter &p)
{
    const struct {
        QPointF centre;
        qreal angle;
    } sheets[] = {{QPointF(300, 386), -8}, {QPointF(330, 387), 6}, {QPointF(452, 386), -4}};
    for (const auto &sheet : sheets) {
        p.save();
        p.translate(sheet.centre);
        p.rotate(sheet.angle);
        p.setPen(QPen(QColor(210, 214, 220), 1));
        p.setBrush(colour::kWhite);
        p.drawRect(QRectF(-20, -8, 40, 16));
        p.setPen(QPen(QColor(190, 196, 204), 1));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(-15, -4 + i * 4), QPointF(12 - i * 6, -4 + i * 4));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kWhite);
    p.drawRoundedRect(QRectF(520, 372, 16, 16), 2, 2);
    p.setPen(QPen(QColor(200, 200, 206), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(532, 376, 9, 8), -90 * 16, 180 * 16);
    p.fillRect(QRectF(520, 372, 16, 3), QColor(150, 96, 60));
}

void SpeechBubble(QPainter &p)
{
    const QRectF bubble(492, 88, 222, 72);
    QPainterPath shape;
    shape.addRoundedRect(bubble, 14, 14);
    QPainterPath tail;
    tail.moveTo(520, bubble.bottom() - 2);
    tail.lineTo(498, 214);
    tail.lineTo(548, bubble.bottom() - 2);
    tail.closeSubpath();
    shape = shape.united(tail);
    p.setPen(QPen(colour::kBarOrange, 2));
    p.setBrush(colour::kWhite);
    p.drawPath(shape);
    const QFont font = Font(Face::Sans, 17, QFont::Bold);
    DrawTextLine(p, Utf8("想学怎么配中央空调啊？"), font, colour::kOrange,
        QRectF(bubble.left(), bubble.top() + 8, bubble.width(), 28));
    DrawTextLine(p, Utf8("我教你啊！"), font, colour::kOrange,
        QRectF(bubble.left(), bubble.top() + 36, bubble.width(), 28));
}

void PaintOffice(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 16));
    p.drawEllipse(QRectF(20, 462, 146, 16));
    p.drawEllipse(QRectF(572, 462, 146, 16));
    Window(p);
    Cassette(p);
    BarChartBoard(p);
    PieChartBoard(p);
    const Person people[] = {
        {232, 284, QColor(70, 96, 140), QColor(60, 40, 30), Qt::transparent, true, false},
        {345, 278, QColor(54, 60, 72), QColor(30, 30, 34), QColor(200, 50, 40), false, false},
        {452, 280, QColor(40, 66, 110), QColor(44, 34, 28), colour::kBarOrange, false, true},
    };
    for (const Person &who : people)
        PersonAt(p, who);
    Table(p);
    Briefcase(p);
    Papers(p);
    SpeechBubble(p);
}

} // namespace

void AddIllustration(Artworks &out)
{
    out.push_back({Asset::img079, PaintOffice});
}

} // namespace kalmoro::assetgen
