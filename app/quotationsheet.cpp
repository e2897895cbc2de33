#include "quotationsheet.h"

#include <algorithm>
#include <utility>

#include <QFontMetricsF>
#include <QPainter>

#include "fileoutput.h"
#include "fonts.h"
#include "images.h"
#include "palette.h"
#include "quotation.h"

namespace kalmoro {

namespace {

constexpr qreal kWidth = 640;
constexpr qreal kMargin = 40;
constexpr qreal kLogoSize = 48;
constexpr qreal kTitleTop = 112;
constexpr qreal kTableTop = 160;
constexpr qreal kRowHeight = 34;
constexpr qreal kColumnGap = 28;

QColor colour(std::uint32_t rgb)
{
    return QColor::fromRgb(rgb);
}

// The rows of the table: the lines, then the total.
QList<QuotationLine> tableRows(const Quotation &quotation)
{
    QList<QuotationLine> rows = quotation.lines;
    if (!quotation.total.isEmpty())
        rows.append(quotation.total);
    return rows;
}

// The script of the character at index, and where the next one starts; marks join the letters
// they follow.
std::pair<QChar::Script, qsizetype> scriptAt(const QString &text, qsizetype index)
{
    char32_t character = text.at(index).unicode();
    qsizetype next = index + 1;
    if (QChar::isHighSurrogate(character) && next < text.size() && text.at(next).isLowSurrogate())
        character = QChar::surrogateToUcs4(text.at(index), text.at(next++));
    const QChar::Script script = QChar::script(character);
    return {script == QChar::Script_Inherited ? QChar::Script_Common : script, next};
}

// Each column as wide as its widest entry. The last entry of a line shorter than the widest line
// may run on into the columns it leaves free, so it widens none.
QList<qreal> columnWidths(const QList<QuotationLine> &rows, const QFontMetricsF &metrics)
{
    qsizetype columns = 0;
    for (const QuotationLine &row : rows)
        columns = std::max(columns, row.size());
    QList<qreal> widths(columns, 0.0);
    for (const QuotationLine &row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column == row.size() - 1 && row.size() < columns)
                break;
            widths[column] = std::max(widths[column], metrics.horizontalAdvance(EntryText(row[column])));
        }
    }
    return widths;
}

// Draws the sheet at its own size from the painter's origin, in the font families given.
void paintSheet(QPainter &painter, const Quotation &quotation, const QStringList &families)
{
    const QSizeF size = QuotationSheetSize(quotation);
    painter.fillRect(QRectF(QPointF(0, 0), size), colour(palette::kWhite));

    const QImage logo = assets::LoadImage(assets::Asset::img172);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(kMargin, 32, kLogoSize, kLogoSize), logo);
    painter.setPen(colour(palette::kOrange));
    painter.setFont(SheetFont(families, 24, true));
    DrawSheetText(painter, {kMargin + kLogoSize + 14, 32 + kLogoSize / 2 + 9}, QStringLiteral("Kalmoro"));

    painter.setPen(colour(palette::kBlack));
    painter.setFont(SheetFont(families, 22, true));
    DrawSheetText(painter, {kMargin, kTitleTop + 22}, quotation.title);
    painter.setPen(colour(palette::kDarkGrey));
    painter.setFont(SheetFont(families, 15));
    const QString date = quotation.date.toString(Qt::ISODate);
    DrawSheetText(painter,
        {size.width() - kMargin - QFontMetricsF(painter.font()).horizontalAdvance(date), kTitleTop + 22},
        date);

    const QList<QuotationLine> rows = tableRows(quotation);
    const QFont entryFont = SheetFont(families, 15);
    const QFontMetricsF metrics(entryFont);
    const QList<qreal> widths = columnWidths(rows, QFontMetricsF(SheetFont(families, 15, true)));
    const qreal textOffset = (kRowHeight + metrics.ascent() - metrics.descent()) / 2;
    painter.setPen(colour(palette::kHeaderLine));
    painter.drawLine(QPointF(kMargin, kTableTop), QPointF(size.width() - kMargin, kTableTop));
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const bool total = !quotation.total.isEmpty() && index == rows.size() - 1;
        const qreal top = kTableTop + index * kRowHeight;
        painter.setPen(colour(palette::kBlack));
        painter.setFont(total ? SheetFont(families, 15, true) : entryFont);
        qreal x = kMargin;
        for (qsizetype column = 0; column < rows[index].size(); ++column) {
            DrawSheetText(painter, {x, top + textOffset}, EntryText(rows[index][column]));
            x += widths[column] + kColumnGap;
        }
        painter.setPen(total ? colour(palette::kBlack) : colour(palette::kHeaderLine));
        painter.drawLine(
            QPointF(kMargin, top + kRowHeight), QPointF(size.width() - kMargin, top + kRowHeight));
    }
}

} // namespace

QFont SheetFont(const QStringList &families, int pixelSize, bool bold)
{
    QFont font = UiFont();
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Draws text from the left end of its baseline. Qt's PDF writer finds a glyph's character through
// the font's character map. Chinese faces shape digits in a run of Latin or Greek letters
// ("GMV-250W/A", "Φ6.35") in local forms that the map does not reach, so that the PDF's text
// would lose them: each run of one script is drawn on its own.
void DrawSheetText(QPainter &painter, QPointF baseline, const QString &text)
{
    const QFontMetricsF metrics(painter.font());
    qsizetype start = 0;
    while (start < text.size()) {
        auto [script, end] = scriptAt(text, start);
        while (end < text.size() && scriptAt(text, end).first == script)
            end = scriptAt(text, end).second;
        const QString run = text.mid(start, end - start);
        painter.drawText(baseline, run);
        baseline.rx() += metrics.horizontalAdvance(run);
        start = end;
    }
}

QSizeF QuotationSheetSize(const Quotation &quotation)
{
    const qsizetype rows = quotation.lines.size() + (quotation.total.isEmpty() ? 0 : 1);
    // The table's columns can outgrow the usual width on a page with long entries.
    const QList<qreal> widths
        = columnWidths(tableRows(quotation), QFontMetricsF(SheetFont(UiFont().families(), 15, true)));
    qreal table = 0;
    for (const qreal width : widths)
        table += width + kColumnGap;
    return {std::max(kWidth, 2 * kMargin + table - kColumnGap), kTableTop + rows * kRowHeight + kMargin};
}

void PaintQuotationSheet(
    QPainter &painter, const Quotation &quotation, const QRectF &page, const QStringList &families)
{
    const QSizeF size = QuotationSheetSize(quotation);
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.translate(page.left() + (page.width() - size.width() * scale) / 2, page.top());
    painter.scale(scale, scale);
    paintSheet(painter, quotation, families);
    painter.restore();
}

QImage QuotationImage(const Quotation &quotation, qreal scale)
{
    const QSizeF size = QuotationSheetSize(quotation);
    QImage image((size * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSheet(painter, quotation, UiFont().families());
    return image;
}

QString SaveQuotationImage(const Quotation &quotation, const QString &path)
{
    return SaveSheetImage(QuotationImage(quotation), path);
}

QString SaveQuotationPdf(const Quotation &quotation, const QString &path)
{
    return SaveSheetPdf(path, QuotationFileName(quotation), 1,
        [&quotation](QPainter &painter, const QRectF &page, int, const QStringList &families) {
            PaintQuotationSheet(painter, quotation, page, families);
        });
}

} // namespace kalmoro
