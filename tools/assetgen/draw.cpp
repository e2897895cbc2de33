#include "draw.h"

#include <cstdio>
#include <cstdlib>

#include <QFontMetricsF>
#include <QRawFont>

namespace kalmoro::assetgen {

namespace {

// A missing glyph would show as an empty box in a committed picture: stop instead.
void RequireGlyphs(const QFont &font, const QString &text)
{
    const QRawFont raw = QRawFont::fromFont(font);
    for (const char32_t code : text.toUcs4()) {
        if (code != U' ' && !raw.supportsCharacter(code)) {
            std::fprintf(stderr, "kalmoro_assetgen: %s has no glyph for U+%04X in \"%s\"\n",
                qPrintable(font.family()), unsigned(code), qPrintable(text));
            std::exit(EXIT_FAILURE);
        }
    }
}

} // namespace

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

qreal TextWidth(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

void DrawTextLine(QPainter &painter, const QString &text, const QFont &font, const QColor &colour,
    const QRectF &box, Qt::Alignment horizontal)
{
    RequireGlyphs(font, text);
    const qreal width = TextWidth(font, text);
    qreal x = box.left();
    if (horizontal & Qt::AlignHCenter)
        x = box.center().x() - width / 2;
    else if (horizontal & Qt::AlignRight)
        x = box.right() - width;
    const qreal baseline = box.center().y() + 0.37 * font.pixelSize();
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(x, baseline), text);
    painter.restore();
}

QFont FitFont(QFont font, const QString &text, qreal width, int maxPixelSize)
{
    int size = maxPixelSize;
    font.setPixelSize(size);
    while (size > 6 && TextWidth(font, text) > width) {
        --size;
        font.setPixelSize(size);
    }
    return font;
}

void FillRounded(QPainter &painter, const QRectF &rect, qreal radius, const QColor &fill)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

QColor Mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
        float(a.greenF() + (b.greenF() - a.greenF()) * t), float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QPen RoundPen(const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace kalmoro::assetgen
