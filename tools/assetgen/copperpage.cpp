#include "artwork.h"
#include "colours.h"
#include "draw.h"
#include "fonts.h"
#include "textbutton.h"

namespace kalmoro::assetgen {

namespace {

// The picture lies at (15, 15) on its page and the page's controls stand over it, so
// every caption is placed from its control's page position minus that offset.
constexpr QPointF kOrigin(15, 15);

QRectF OnPicture(qreal pageX, qreal pageY, qreal width, qreal height)
{
    return QRectF(pageX - kOrigin.x(), pageY - kOrigin.y(), width, height);
}

struct PipeRow {
    const char *diameter;
    int pageY; // top of the row's metres and price boxes
};

constexpr PipeRow kRows[] = {
    {"6.35", 98},
    {"9.53", 124},
    {"12.7", 150},
    {"15.88", 176},
    {"19.05", 204},
    {"22.23", 230},
    {"25.4", 256},
    {"28.58", 286},
    {"31.75", 312},
    {"34.93", 340},
    {"38.1", 368},
    {"41.3", 393},
    {"44.45", 420},
};

constexpr int kMetresX = 163;
constexpr int kPriceX = 348;
constexpr int kBoxWidth = 70;
constexpr int kBoxHeight = 20;

void PaintFuturesRow(QPainter &p)
{
    const QRectF futures = OnPicture(242, 48, 88, 24);
    const QFont font = Font(Face::Sans, 18, QFont::Bold);
    DrawTextLine(p, Utf8("期货铜价"), font, colour::kOrange,
        QRectF(futures.left() - 130, futures.top(), 122, futures.height()), Qt::AlignRight);
    DrawTextLine(p, Utf8("元"), font, colour::kOrange,
        QRectF(futures.right() + 7, futures.top(), 30, futures.height()), Qt::AlignLeft);
}

void PaintPipeTable(QPainter &p)
{
    const QFont font = Font(Face::Sans, 14);
    const QColor rule(255, 232, 204);
    const QRectF frame = OnPicture(23, 86, 428, 362);
    p.setPen(QPen(QColor(255, 200, 130), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const PipeRow &row = kRows[i];
        const QRectF metres = OnPicture(kMetresX, row.pageY, kBoxWidth, kBoxHeight);
        const QRectF price = OnPicture(kPriceX, row.pageY, kBoxWidth, kBoxHeight);
        DrawTextLine(p, Utf8("Φ") + Utf8(row.diameter) + Utf8("铜管"), font, colour::kOrange,
            QRectF(frame.left() + 6, metres.top(), metres.left() - 8 - frame.left() - 6, kBoxHeight),
            Qt::AlignRight);
        DrawTextLine(p, Utf8("米"), font, colour::kOrange,
            QRectF(metres.right() + 6, metres.top(), 20, kBoxHeight), Qt::AlignLeft);
        DrawTextLine(p, Utf8("市场价"), font, colour::kOrange,
            QRectF(price.left() - 60, price.top(), 54, kBoxHeight), Qt::AlignRight);
        DrawTextLine(p, Utf8("元"), font, colour::kOrange,
            QRectF(price.right() + 6, price.top(), 20, kBoxHeight), Qt::AlignLeft);
        if (i + 1 < std::size(kRows)) {
            const qreal y = (metres.bottom() + OnPicture(0, kRows[i + 1].pageY, 0, 0).top()) / 2;
            p.fillRect(QRectF(frame.left() + 12, y, frame.width() - 24, 1), rule);
        }
    }
}

// "今日铜价" over the quotation viewport (the group box at 512, 120 on this picture), framed.
void PaintQuotationHeading(QPainter &p)
{
    const QRectF viewport(512, 120, 240, 152);
    DrawTextLine(p, Utf8("今日铜价"), Font(Face::Sans, 18, QFont::Bold), colour::kGreen,
        QRectF(viewport.left(), viewport.top() - 34, viewport.width(), 28), Qt::AlignLeft);
    p.fillRect(QRectF(viewport.left(), viewport.top() - 6, 36, 2), colour::kGreen);
    p.setPen(QPen(QColor(160, 204, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(viewport.adjusted(-0.5, -0.5, 0.5, 0.5));
}

void PaintTotalRow(QPainter &p)
{
    const QRectF total = OnPicture(83, 470, 91, 40);
    DrawTextLine(p, Utf8("元"), Font(Face::Sans, 20, QFont::Bold), colour::kOrange,
        QRectF(total.right() + 4, total.top(), 30, 30), Qt::AlignLeft);
    p.save();
    p.translate(OnPicture(216, 472, 0, 0).topLeft());
    PaintTextButton(p, QSizeF(119, 36), FaceColour::Orange, EndSquare::MoneyBag, Utf8("价格计算"), 0);
    p.restore();
    p.save();
    p.translate(OnPicture(345, 472, 0, 0).topLeft());
    PaintTextButton(p, QSizeF(119, 36), FaceColour::Green, EndSquare::Smiley, Utf8("清空数据"), 0);
    p.restore();
}

void PaintCopperPage(QPainter &p)
{
    PaintFuturesRow(p);
    PaintPipeTable(p);
    PaintQuotationHeading(p);
    PaintTotalRow(p);
}

} // namespace

void AddCopperPage(Artworks &out)
{
    out.push_back({Asset::img133, PaintCopperPage});
}

} // namespace kalmoro::assetgen
