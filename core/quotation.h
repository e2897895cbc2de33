#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace kalmoro {

// One entry of a quotation line: a caption, a number as the page shows it and its unit, each of
// which may be empty.
struct QuotedValue {
    QString caption;
    QString number;
    QString unit;
    bool operator==(const QuotedValue &) const = default;
};
using QuotationLine = QList<QuotedValue>;

// What a calculator page shows, as a customer receives it.
struct Quotation {
    QString title; // also the start of the proposed file name
    QDate date;
    QList<QuotationLine> lines; // the inputs that were filled and the results that were computed
    QuotationLine total; // empty where the page has no total
};

// One line a row, the title and date first, the entries of a line two spaces apart.
QString QuotationText(const Quotation &quotation);
// The same as an HTML table, one cell a caption, number or unit, so that it pastes into a
// spreadsheet with the numbers in cells of their own.
QString QuotationHtml(const Quotation &quotation);
// The title and the date, as a file name without suffix: "铜管报价-2026-12-07".
QString QuotationFileName(const Quotation &quotation);

// The entry's text: its caption, number and unit, one space apart.
QString EntryText(const QuotedValue &value);

} // namespace kalmoro
