#include "quotation.h"

#include <QStringList>

namespace kalmoro {

namespace {

const QString kKilograms = QStringLiteral("KG");
// Charges are weighed to ten grams: what a scale on site reads.
constexpr int kChargeDecimals = 2;

QString valueText(const QuotedValue &value)
{
    QStringList parts;
    for (const QString &part : {value.number, value.unit}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(u' ');
}

// A charge as the sheet shows it, to ten grams; the number as it stands where it is none.
QuotedValue shownCharge(QuotedValue value, qint64 &sum)
{
    if (value.unit != kKilograms)
        return value;
    if (const std::optional<qint64> charge = ParseDecimal(value.number, kChargeDecimals)) {
        value.number = FormatDecimal(*charge, kChargeDecimals, kChargeDecimals);
        sum += *charge;
    }
    return value;
}

// Each captioned entry a row; an entry without a caption belongs to the row before it.
void addRows(JobSheet &sheet, const QuotationLine &line, qint64 &chargeSum)
{
    for (const QuotedValue &entry : line) {
        const QuotedValue value = shownCharge(entry, chargeSum);
        if (!value.caption.isEmpty() || sheet.rows.isEmpty()) {
            sheet.rows << QStringList {value.caption, valueText(value)};
            continue;
        }
        QString &cell = sheet.rows.last().last();
        cell = QStringList {cell, valueText(value)}.join(u' ').trimmed();
    }
}

} // namespace

JobSheet SheetOf(const Quotation &quotation)
{
    if (quotation.priced) {
        Job job;
        job.date = quotation.date;
        job.lines = *quotation.priced;
        JobSheet sheet = SheetOf(job);
        sheet.title = quotation.title;
        for (const QuotationLine &line : quotation.lines) {
            if (line.isEmpty())
                continue;
            QStringList values;
            for (const QuotedValue &value : line)
                values << (value.caption.isEmpty() || &value == &line.first()
                        ? valueText(value)
                        : value.caption + u' ' + valueText(value));
            sheet.customer << SheetField {line.first().caption, values.join(u' ').trimmed()};
        }
        return sheet;
    }

    JobSheet sheet;
    sheet.title = quotation.title;
    sheet.customer << SheetField {QStringLiteral("日期"), quotation.date.toString(Qt::ISODate)};
    sheet.columns = {QStringLiteral("项目"), QStringLiteral("数值")};
    qint64 chargeSum = 0; // in hundredths of a KG
    for (const QuotationLine &line : quotation.lines)
        addRows(sheet, line, chargeSum);
    for (const QuotedValue &value : quotation.total) {
        QString shown = valueText(value);
        // A total charge is the sum of the charges shown, so that the sheet adds up.
        if (value.unit == kKilograms)
            shown = FormatDecimal(chargeSum, kChargeDecimals, kChargeDecimals) + u' ' + kKilograms;
        sheet.totals << SheetField {value.caption, shown};
    }
    return sheet;
}

QString QuotationFileName(const Quotation &quotation)
{
    return quotation.title + u'-' + quotation.date.toString(Qt::ISODate);
}

} // namespace kalmoro
