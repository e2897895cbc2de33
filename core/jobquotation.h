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

struct SheetColumn {
    QString caption;
    int share = 0; // of the table's width, in percent
    bool right = false; // numbers stand at the right of their columns
    bool operator==(const SheetColumn &) const = default;
};

// A table the sheet shows before the lines, under a caption of its own: the rooms' loads and the
// units chosen for them. A further table is one more of these, made where the sheet is built.
struct SheetSection {
    QString caption; // "房间负荷与选型"
    QList<SheetColumn> columns;
    QList<QStringList> rows; // a cell a column
    bool operator==(const SheetSection &) const = default;
};

// The customer quotation of a job as it is printed, in reading order; text, HTML and the painted
// pages are all drawn from it. Money reads "1234.50 元".
struct JobSheet {
    QString title; // "报价单"
    QStringList dealer; // the company, then its contact and phone; only what was filled
    QList<SheetField> customer; // customer, phone, address, site, date
    QList<SheetSection> sections; // only those with rows
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

// The rooms of a job as a section: each room's name, area, index, load, indoor unit and the
// capacity of its units together.
SheetSection RoomsSection(const QList<rooms::Room> &rooms);

// One line a row, the fields "label：value", each section's caption over its table, the cells of a row
// separated by tabs so that they paste into a spreadsheet's cells.
QString SheetText(const JobSheet &sheet);
// The same as HTML, each section and the lines in a table of their own.
QString SheetHtml(const JobSheet &sheet);
// A proposed file name without suffix: "报价单-<customer>-2026-12-07", the customer left out when unnamed.
QString JobFileName(const Job &job);

} // namespace kalmoro
