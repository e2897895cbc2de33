#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace kalmoro::assetgen {

QString Utf8(std::string_view text);

qreal TextWidth(const QFont &font, const QString &text);

// Draws one line of text whose ideographs (and capitals) sit optically centred on the
// vertical middle of box; the font's line box would put them too high.
void DrawTextLine(QPainter &painter, const QString &text, const QFont &font, const QColor &colour,
    const QRectF &box, Qt::Alignment horizontal = Qt::AlignHCenter);

// The largest pixel size, at most maxPixelSize, at which text fits into width.
QFont FitFont(QFont font, const QString &text, qreal width, int maxPixelSize);

void FillRounded(QPainter &painter, const QRectF &rect, qreal radius, const QColor &fill);

QColor Mix(const QColor &a, const QColor &b, qreal t);

// A pen that ends and joins lines round, as every line drawing here does.
QPen RoundPen(const QColor &colour, qreal width);

} // namespace kalmoro::assetgen
