#pragma once

#include <optional>

#include <QDate>
#include <QList>
#include <QString>

#include "jobquotation.h"

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
    // A page that prices nothing: the inputs that were filled and the results that were computed.
    // A page that prices: the inputs, shown above its priced lines.
    QList<QuotationLine> lines;
    QuotationLine total; // empty where the page has no total
    // A page that prices: its lines as a job prices them, so that its sheet is the one a job of
    // them alone would give.
    std::optional<QList<JobLine>> priced;
};

// The sheet of a quotation, drawn, copied and printed as a job's is: a page that prices gives the
// sheet of a job of its lines alone, under its title and inputs; another page gives its lines as
// caption and value, KG to two decimals with the total the sum of those shown.
JobSheet SheetOf(const Quotation &quotation);
// The title and the date, as a file name without suffix: "铜管报价-2026-12-07".
QString QuotationFileName(const Quotation &quotation);

} // namespace kalmoro
