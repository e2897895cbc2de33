#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "job.h"

class QPainter;

namespace kalmoro {

// The customer quotation of a job drawn as the program's sheets are: white, the dealer's header, the
// title, the customer block, the table of lines, the totals, the validity and the notes. On A4 pages
// the lines that do not fit go on to further pages, each again under the header and the table's
// column captions; the picture is one sheet as long as it takes.

int JobQuotationPageCount(const Job &job);
// Draws the page of an index, from 0, as large as it fits into page, in the font families given.
void PaintJobQuotationPage(
    QPainter &painter, const Job &job, const QRectF &page, int index, const QStringList &families);

// The whole quotation on one sheet, at scale device pixels to a logical pixel.
QImage JobQuotationImage(const Job &job, qreal scale = 2);

// Write the quotation as a PNG picture, or as A4 pages of PDF with their text selectable. A file is
// only ever replaced whole. Give the reason of a failure, empty on success.
QString SaveJobQuotationImage(const Job &job, const QString &path);
QString SaveJobQuotationPdf(const Job &job, const QString &path);

} // namespace kalmoro
