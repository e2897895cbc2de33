#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace kalmoro {

struct Quotation;

// The quotation drawn as a clean sheet, not a picture of the window: white, the program's logo
// and name, the title and date, the lines as a table and the total.

// The sheet's size in logical pixels.
QSizeF QuotationSheetSize(const Quotation &quotation);

// Draws the sheet as large as it fits into page, centred across its width, from its top, in the
// font families given: for a PDF, those of TextLayerFonts.
void PaintQuotationSheet(
    QPainter &painter, const Quotation &quotation, const QRectF &page, const QStringList &families);

// The sheet at scale device pixels to a logical pixel, so that it stays sharp on a phone.
QImage QuotationImage(const Quotation &quotation, qreal scale = 2);

// Write the sheet as a PNG image, or as one A4 page of PDF with its text selectable. A file is
// only ever replaced whole: on failure nothing is left at path. Give the reason of a failure,
// empty on success.
QString SaveQuotationImage(const Quotation &quotation, const QString &path);
QString SaveQuotationPdf(const Quotation &quotation, const QString &path);

// What the sheets of the program share: their face at a pixel size in the font families given, and
// text drawn from the left end of its baseline so that a PDF's text layer keeps every character.
QFont SheetFont(const QStringList &families, int pixelSize, bool bold = false);
void DrawSheetText(QPainter &painter, QPointF baseline, const QString &text);

} // namespace kalmoro
