#include "jobsheet.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <future>
#include <span>
#include <utility>

#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>

#include "fonts.h"
#include "palette.h"
#include "platform.h"
#include "services.h"
#include "wholefile.h"

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
// How often a long output lets the window answer while a picture is written.
constexpr std::chrono::milliseconds kAnswerEvery {20};
// Pages of a picture output made at once: a core each, on the two cores site laptops commonly have.
constexpr qsizetype kPicturesAtOnce = 2;

// The table's columns as shares of its width; numbers stand at the right of their columns.
struct Column {
    qreal share;
    bool right;
};
// Number, description, quantity, unit, unit price, amount.
constexpr Column kPricedColumns[]
    = {{0.07, false}, {0.37, false}, {0.12, true}, {0.08, false}, {0.17, true}, {0.19, true}};
// Caption and value, of a sheet that prices nothing.
constexpr Column kRecordColumns[] = {{0.55, false}, {0.45, true}};
constexpr qreal kPercent = 100;

// A table as the pages draw it: a section's, or the lines' under no caption of their own.
struct Table {
    QString caption;
    QStringList captions;
    const QList<QStringList> *rows;
    QList<Column> columns;
};

// The sections, then the lines, whose rows follow each other in the pages' count of rows.
QList<Table> tablesOf(const JobSheet &sheet)
{
    QList<Table> tables;
    for (const SheetSection &section : sheet.sections) {
        Table table {section.caption, {}, &section.rows, {}};
        for (const SheetColumn &column : section.columns) {
            table.captions << column.caption;
            table.columns.append({column.share / kPercent, column.right});
        }
        tables << table;
    }
    const std::span<const Column> lines = sheet.columns.size() == std::ssize(kPricedColumns)
        ? std::span<const Column>(kPricedColumns)
        : std::span<const Column>(kRecordColumns);
    tables.append({{}, sheet.columns, &sheet.rows, {lines.begin(), lines.end()}});
    return tables;
}

QColor colour(std::uint32_t rgb)
{
    return QColor::fromRgb(rgb);
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

// The dealer, the title and the customer's fields, at the top of every page.
qreal headerHeight(const JobSheet &sheet)
{
    return kMargin + sheet.dealer.size() * kLine + kTitleLine + sheet.customer.size() * kLine;
}

// What a table needs on a page before its rows: the gap above, its caption, its columns' captions.
qreal openingHeight(const Table &table)
{
    return kGap + (table.caption.isEmpty() ? 0 : kLine) + kRow;
}

qreal endHeight(const JobSheet &sheet)
{
    qreal footer = 0;
    for (const SheetField &field : sheet.footer)
        footer += kLine * (field.value.count(u'\n') + 1);
    return kGap + sheet.totals.size() * kLine + kGap + footer + kLine + kMargin;
}

// The rows of one table on a page, counted within the table.
struct Block {
    qsizetype table = 0;
    qsizetype first = 0;
    qsizetype count = 0;
};

// The tables a page shows: those with rows on it, and on the last page the lines' always, for the
// totals that follow them.
QList<Block> blocksOf(const QList<Table> &tables, SheetPage page, bool last)
{
    QList<Block> blocks;
    qsizetype offset = 0;
    for (qsizetype table = 0; table < tables.size(); ++table) {
        const qsizetype size = tables[table].rows->size();
        const qsizetype first = std::clamp(page.first - offset, qsizetype(0), size);
        const qsizetype end = std::clamp(page.first + page.count - offset, qsizetype(0), size);
        if (first < end || (last && table == tables.size() - 1))
            blocks.append({table, first, end - first});
        offset += size;
    }
    return blocks;
}

qreal blocksHeight(const QList<Table> &tables, const QList<Block> &blocks)
{
    qreal height = 0;
    for (const Block &block : blocks)
        height += openingHeight(tables[block.table]) + block.count * kRow;
    return height;
}

} // namespace

// The rows in order, as many a page as fit under the header, each table under its captions again
// where it goes on; the last page also holds the totals and the footer, on a page of their own
// when the last rows leave no room for them.
QList<SheetPage> SheetPages(const JobSheet &sheet)
{
    const QList<Table> tables = tablesOf(sheet);
    const qreal top = headerHeight(sheet);
    const qreal bottom = kPageHeight - kLine - kMargin; // above the page's number
    QList<SheetPage> pages;
    SheetPage page;
    qreal y = top;
    qsizetype row = 0;
    for (qsizetype table = 0; table < tables.size(); ++table) {
        bool opened = false;
        for (qsizetype i = 0; i < tables[table].rows->size(); ++i, ++row) {
            qreal needed = kRow + (opened ? 0 : openingHeight(tables[table]));
            if (page.count > 0 && y + needed > bottom) {
                pages.append(page);
                page = {row, 0};
                y = top;
                needed = kRow + openingHeight(tables[table]);
            }
            y += needed;
            ++page.count;
            opened = true;
        }
    }
    // The last row placed is the lines' own when there are any; otherwise their captions come after.
    if (tables.last().rows->isEmpty())
        y += openingHeight(tables.last());
    if (page.count > 0 && y + endHeight(sheet) > kPageHeight) {
        pages.append(page);
        page = {row, 0};
    }
    pages.append(page);
    return pages;
}

namespace {

void drawRight(QPainter &painter, qreal right, qreal baseline, const QString &text)
{
    DrawSheetText(painter, {right - QFontMetricsF(painter.font()).horizontalAdvance(text), baseline}, text);
}

void drawCentred(QPainter &painter, qreal baseline, const QString &text)
{
    DrawSheetText(
        painter, {(kWidth - QFontMetricsF(painter.font()).horizontalAdvance(text)) / 2, baseline}, text);
}

void drawRow(QPainter &painter, const QList<Column> &columns, const QStringList &cells, qreal top)
{
    const qreal baseline = top + kRow / 2 + QFontMetricsF(painter.font()).ascent() / 2 - 2;
    qreal x = kMargin;
    for (qsizetype column = 0; column < std::min<qsizetype>(cells.size(), std::ssize(columns)); ++column) {
        const qreal width = (kWidth - 2 * kMargin) * columns[column].share;
        if (columns[column].right)
            drawRight(painter, x + width - 4, baseline, cells[column]);
        else
            DrawSheetText(painter, {x + 4, baseline}, cells[column]);
        x += width;
    }
}

// Draws one part of the sheet at the painter's origin, kWidth wide: the header, the rows given under
// their tables' captions, and on the last part the totals and the footer; note goes at the bottom.
// Gives the height drawn.
qreal paintPart(QPainter &painter, const JobSheet &sheet, SheetPage rows, bool last, const QString &note,
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
    const QList<Table> tables = tablesOf(sheet);
    for (const Block &block : blocksOf(tables, rows, last)) {
        const Table &table = tables[block.table];
        y += kGap;
        if (!table.caption.isEmpty()) {
            painter.setFont(SheetFont(families, 15, true));
            DrawSheetText(painter, {kMargin, y + 16}, table.caption);
            y += kLine;
        }
        painter.fillRect(QRectF(kMargin, y, kWidth - 2 * kMargin, kRow), colour(palette::kHeaderGround));
        painter.setFont(SheetFont(families, 14, true));
        drawRow(painter, table.columns, table.captions, y);
        y += kRow;
        painter.setFont(SheetFont(families, 14));
        for (qsizetype i = block.first; i < block.first + block.count; ++i) {
            drawRow(painter, table.columns, table.rows->at(i), y);
            painter.setPen(colour(palette::kHeaderLine));
            painter.drawLine(QPointF(kMargin, y + kRow), QPointF(kWidth - kMargin, y + kRow));
            painter.setPen(colour(palette::kBlack));
            y += kRow;
        }
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

void PaintSheetPage(QPainter &painter, const JobSheet &sheet, const QList<SheetPage> &pages, int index,
    const QRectF &area, const QStringList &families)
{
    const qreal scale = std::min(area.width() / kWidth, area.height() / kPageHeight);
    const QString note = pages.size() > 1
        ? QStringLiteral("第 %1 页，共 %2 页").arg(index + 1).arg(pages.size())
        : QString();
    painter.save();
    painter.translate(area.left() + (area.width() - kWidth * scale) / 2, area.top());
    painter.scale(scale, scale);
    paintPart(painter, sheet, pages.value(index), index == pages.size() - 1, note, kPageHeight, families);
    painter.restore();
}

QImage SheetPicture(
    const JobSheet &sheet, const QList<SheetPage> &pages, int index, const QStringList &families, qreal scale)
{
    const QList<Table> tables = tablesOf(sheet);
    const qreal height = pages.size() == 1 ? headerHeight(sheet)
            + blocksHeight(tables, blocksOf(tables, pages.value(index), true)) + endHeight(sheet)
                                           : kPageHeight;
    QImage image((QSizeF(kWidth, height) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString note = pages.size() > 1
        ? QStringLiteral("第 %1 页，共 %2 页").arg(index + 1).arg(pages.size())
        : QString();
    paintPart(painter, sheet, pages.value(index), index == pages.size() - 1, note, height, families);
    return image;
}

QStringList PicturePaths(const QString &path, int count)
{
    if (count == 1)
        return {path};
    const QString suffix = QStringLiteral(".png");
    const QString stem = path.endsWith(suffix, Qt::CaseInsensitive) ? path.chopped(suffix.size()) : path;
    QStringList paths;
    for (int page = 1; page <= count; ++page)
        paths << QStringLiteral("%1-%2%3").arg(stem).arg(page).arg(suffix);
    return paths;
}

QString WriteSheetPictures(const JobSheet &sheet, const QString &path, const Progress &progress)
{
    const QList<SheetPage> pages = SheetPages(sheet);
    const QStringList paths = PicturePaths(path, int(pages.size()));
    const QStringList families = UiFont().families();
    // Each page is drawn, encoded and written on a thread of its own, a few at a time, below the
    // GUI thread's priority, so that the window only waits for them, answering between the steps.
    const int steps = int(pages.size());
    std::deque<std::pair<qsizetype, std::future<QString>>> writing; // by page
    QList<qsizetype> written;
    QString failure;
    const auto collect = [&](qsizetype leave) {
        while (qsizetype(writing.size()) > leave) {
            auto &[page, result] = writing.front();
            if (result.wait_for(kAnswerEvery) != std::future_status::ready) {
                if (progress && !progress(int(written.size()), steps) && failure.isEmpty())
                    failure = OutputCancelled;
                continue;
            }
            if (const QString reason = result.get(); reason.isEmpty())
                written << page;
            else if (failure.isEmpty())
                failure = reason;
            writing.pop_front();
        }
    };
    for (qsizetype index = 0; index < pages.size() && failure.isEmpty(); ++index) {
        collect(kPicturesAtOnce - 1);
        if (!failure.isEmpty() || (progress && !progress(int(written.size()), steps))) {
            failure = failure.isEmpty() ? OutputCancelled : failure;
            break;
        }
        writing.emplace_back(
            index, std::async(std::launch::async, [&sheet, &pages, &families, index, path = paths[index]] {
                platform::LowerThreadPriority();
                const QByteArray png = PngData(SheetPicture(sheet, pages, int(index), families));
                return png.isEmpty() ? QStringLiteral("无法生成图片") : SaveWhole(path, png);
            }));
    }
    collect(0);
    // The pictures of one output stand or go together.
    if (!failure.isEmpty()) {
        for (const qsizetype page : written)
            QFile::remove(paths[page]);
    }
    return failure;
}

QString WriteSheetPdf(
    const JobSheet &sheet, const QString &title, const QString &path, const Progress &progress)
{
    const QList<SheetPage> pages = SheetPages(sheet);
    return SaveSheetPdf(
        path, title, int(pages.size()),
        [&sheet, &pages](QPainter &painter, const QRectF &area, int index, const QStringList &families) {
            PaintSheetPage(painter, sheet, pages, index, area, families);
        },
        progress);
}

void CopySheet(const JobSheet &sheet)
{
    auto *data = new QMimeData;
    data->setText(SheetText(sheet));
    data->setHtml(SheetHtml(sheet));
    QGuiApplication::clipboard()->setMimeData(data);
}

void SaveSheetPicturesThroughDialog(
    QWidget *parent, const Services &services, const JobSheet &sheet, const QString &name)
{
    SaveThroughDialog(
        parent, services, ImageRequest(name), [&sheet](const QString &path, const Progress &progress) {
            return WriteSheetPictures(sheet, path, progress);
        });
}

void ExportSheetPdfThroughDialog(
    QWidget *parent, const Services &services, const JobSheet &sheet, const QString &name)
{
    SaveThroughDialog(
        parent, services, PdfRequest(name), [&sheet, &name](const QString &path, const Progress &progress) {
            return WriteSheetPdf(sheet, name, path, progress);
        });
}

void PrintSheet(QWidget *parent, const Services &services, const JobSheet &sheet, const QString &name)
{
    const QList<SheetPage> pages = SheetPages(sheet);
    PrintSheets(parent, services, name, int(pages.size()),
        [&sheet, &pages](QPainter &painter, const QRectF &area, int index, const QStringList &families) {
            PaintSheetPage(painter, sheet, pages, index, area, families);
        });
}

} // namespace kalmoro
