#include "jobsheet.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>

#include "fileoutput.h"
#include "fonts.h"
#include "jobquotation.h"
#include "palette.h"
#include "quotationsheet.h"

namespace kalmoro {

namespace {

constexpr qreal kWidth = 640;
// An A4 page within the PDF's margins of 15 mm: 180 by 267 mm.
constexpr qreal kPageHeight = kWidth * 267 / 180;
constexpr qreal kMargin = 24;
constexpr qreal kLine = 22; // a line of the header, the customer block, the totals and the footer
constexpr qreal kTitleLine = 44;
constexpr qreal kRow = 28; // a row of the table
constexpr qreal kGap = 12; // between the blocks
// The table's columns as shares of its width: number, description, quantity, unit, unit price, amount.
constexpr qreal kColumnShares[] = {0.07, 0.37, 0.12, 0.08, 0.17, 0.19};

QColor colour(std::uint32_t rgb)
{
    return QColor::fromRgb(rgb);
}

// Which lines each page holds: as many as fit under the header, the last page also holding the totals
// and the footer.
struct PageRows {
    qsizetype first;
    qsizetype count;
};

qreal headerHeight(const JobSheet &sheet)
{
    return kMargin + sheet.dealer.size() * kLine + kTitleLine + sheet.customer.size() * kLine + kGap + kRow;
}

qreal endHeight(const JobSheet &sheet)
{
    qreal footer = 0;
    for (const SheetField &field : sheet.footer)
        footer += kLine * (field.value.count(u'\n') + 1);
    return kGap + sheet.totals.size() * kLine + kGap + footer + kLine + kMargin;
}

QList<PageRows> pageRows(const JobSheet &sheet)
{
    const qsizetype fit
        = std::max<qsizetype>(1, qsizetype((kPageHeight - headerHeight(sheet) - kLine - kMargin) / kRow));
    const qsizetype fitWithEnd
        = std::max<qsizetype>(0, qsizetype((kPageHeight - headerHeight(sheet) - endHeight(sheet)) / kRow));
    QList<PageRows> pages;
    qsizetype first = 0;
    while (sheet.rows.size() - first > fitWithEnd) {
        const qsizetype count = std::min(fit, sheet.rows.size() - first);
        pages.append({first, count});
        first += count;
    }
    pages.append({first, sheet.rows.size() - first});
    return pages;
}

void drawRight(QPainter &painter, qreal right, qreal baseline, const QString &text)
{
    DrawSheetText(painter, {right - QFontMetricsF(painter.font()).horizontalAdvance(text), baseline}, text);
}

void drawCentred(QPainter &painter, qreal baseline, const QString &text)
{
    DrawSheetText(
        painter, {(kWidth - QFontMetricsF(painter.font()).horizontalAdvance(text)) / 2, baseline}, text);
}

void drawRow(QPainter &painter, const QStringList &cells, qreal top)
{
    const qreal baseline = top + kRow / 2 + QFontMetricsF(painter.font()).ascent() / 2 - 2;
    qreal x = kMargin;
    for (qsizetype column = 0; column < cells.size(); ++column) {
        const qreal width = (kWidth - 2 * kMargin) * kColumnShares[column];
        // Numbers stand at the right of their columns, texts at the left.
        if (column == 0 || column == 1 || column == 3)
            DrawSheetText(painter, {x + 4, baseline}, cells[column]);
        else
            drawRight(painter, x + width - 4, baseline, cells[column]);
        x += width;
    }
}

// Draws one part of the sheet at the painter's origin, kWidth wide: the header, the rows given, and
// on the last part the totals and the footer; note goes at the bottom. Gives the height drawn.
qreal paintPart(QPainter &painter, const JobSheet &sheet, PageRows rows, bool last, const QString &note,
    qreal height, const QStringList &families)
{
    painter.fillRect(QRectF(0, 0, kWidth, height), colour(palette::kWhite));
    qreal y = kMargin;
    painter.setPen(colour(palette::kBlack));
    for (qsizetype i = 0; i < sheet.dealer.size(); ++i) {
        painter.setFont(SheetFont(families, i == 0 ? 18 : 13, i == 0));
        DrawSheetText(painter, {kMargin, y + 16}, sheet.dealer[i]);
        y += kLine;
    }
    painter.setPen(colour(palette::kOrange));
    painter.setFont(SheetFont(families, 26, true));
    drawCentred(painter, y + 34, sheet.title);
    y += kTitleLine;
    painter.setPen(colour(palette::kBlack));
    painter.setFont(SheetFont(families, 14));
    for (const SheetField &field : sheet.customer) {
        DrawSheetText(painter, {kMargin, y + 16}, field.label + u'：' + field.value);
        y += kLine;
    }
    y += kGap;

    painter.fillRect(QRectF(kMargin, y, kWidth - 2 * kMargin, kRow), colour(palette::kHeaderGround));
    painter.setFont(SheetFont(families, 14, true));
    drawRow(painter, sheet.columns, y);
    y += kRow;
    painter.setFont(SheetFont(families, 14));
    for (qsizetype i = rows.first; i < rows.first + rows.count; ++i) {
        drawRow(painter, sheet.rows[i], y);
        painter.setPen(colour(palette::kHeaderLine));
        painter.drawLine(QPointF(kMargin, y + kRow), QPointF(kWidth - kMargin, y + kRow));
        painter.setPen(colour(palette::kBlack));
        y += kRow;
    }

    if (last) {
        y += kGap;
        for (qsizetype i = 0; i < sheet.totals.size(); ++i) {
            const bool total = i == sheet.totals.size() - 1;
            painter.setFont(SheetFont(families, total ? 16 : 14, total));
            const SheetField &field = sheet.totals[i];
            drawRight(painter, kWidth - kMargin, y + 16, field.label + u'：' + field.value);
            y += kLine;
        }
        y += kGap;
        painter.setFont(SheetFont(families, 13));
        for (const SheetField &field : sheet.footer) {
            const QStringList lines = field.value.split(u'\n');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                DrawSheetText(painter, {kMargin, y + 16}, i == 0 ? field.label + u'：' + lines[i] : lines[i]);
                y += kLine;
            }
        }
    }
    if (!note.isEmpty()) {
        painter.setPen(colour(palette::kDarkGrey));
        painter.setFont(SheetFont(families, 12));
        drawCentred(painter, height - kMargin, note);
    }
    return y + kMargin;
}

} // namespace

int JobQuotationPageCount(const Job &job)
{
    return static_cast<int>(pageRows(SheetOf(job)).size());
}

void PaintJobQuotationPage(
    QPainter &painter, const Job &job, const QRectF &page, int index, const QStringList &families)
{
    const JobSheet sheet = SheetOf(job);
    const QList<PageRows> pages = pageRows(sheet);
    const qreal scale = std::min(page.width() / kWidth, page.height() / kPageHeight);
    const QString note = pages.size() > 1
        ? QStringLiteral("第 %1 页，共 %2 页").arg(index + 1).arg(pages.size())
        : QString();
    painter.save();
    painter.translate(page.left() + (page.width() - kWidth * scale) / 2, page.top());
    painter.scale(scale, scale);
    paintPart(painter, sheet, pages.value(index), index == pages.size() - 1, note, kPageHeight, families);
    painter.restore();
}

QImage JobQuotationImage(const Job &job, qreal scale)
{
    const JobSheet sheet = SheetOf(job);
    const qreal height = headerHeight(sheet) + sheet.rows.size() * kRow + endHeight(sheet);
    QImage image((QSizeF(kWidth, height) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPart(painter, sheet, {0, sheet.rows.size()}, true, {}, height, UiFont().families());
    return image;
}

QString SaveJobQuotationImage(const Job &job, const QString &path)
{
    return SaveSheetImage(JobQuotationImage(job), path);
}

QString SaveJobQuotationPdf(const Job &job, const QString &path)
{
    return SaveSheetPdf(path, JobFileName(job), JobQuotationPageCount(job),
        [&job](QPainter &painter, const QRectF &page, int index, const QStringList &families) {
            PaintJobQuotationPage(painter, job, page, index, families);
        });
}

} // namespace kalmoro
