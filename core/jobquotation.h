#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "job.h"

namespace kalmoro {

struct SheetField {
    QString label; // "客户"
    QString value; // may be empty
    bool operator==(const SheetField &) const = default;
};

// The customer quotation of a job as it is printed, in reading order; text, HTML and the painted
// pages are all drawn from it. Money reads "1234.50 元".
struct JobSheet {
    QString title; // "报价单"
    QStringList dealer; // the company, then its contact and phone; only what was filled
    QList<SheetField> customer; // customer, phone, address, site, date
    QStringList columns; // of the lines' table
    QList<QStringList> rows; // one a line, a cell a column
    QList<SheetField> totals; // subtotal, discount and tax when set, total
    QList<SheetField> footer; // validity, and notes when there are any
    bool operator==(const JobSheet &) const = default;
};

// Formats every line: build it once for all that is made of it.
JobSheet SheetOf(const Job &job);
// The totals of job as its sheet gives them: subtotal, discount and tax when set, and the total, or
// in its place why there is none (a total below zero).
QList<SheetField> TotalsFields(const Job &job, const JobTotals &totals);
// How many sheets of jobs were built in this run, for the checks that an output builds one.
qint64 JobSheetsBuilt();

// One line a row, the fields "label：value", the cells of a row separated by tabs so that they paste
// into a spreadsheet's cells.
QString SheetText(const JobSheet &sheet);
// The same as HTML, the lines in a table of their own.
QString SheetHtml(const JobSheet &sheet);
// A proposed file name without suffix: "报价单-<customer>-2026-12-07", the customer left out when unnamed.
QString JobFileName(const Job &job);

} // namespace kalmoro
