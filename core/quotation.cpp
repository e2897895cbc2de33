#include "quotation.h"

#include <QStringList>

namespace kalmoro {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString htmlRow(const QuotationLine &line, const QString &cell)
{
    QString row = QStringLiteral("<tr>");
    for (const QuotedValue &value : line) {
        for (const QString &part : {value.caption, value.number, value.unit}) {
            if (!part.isEmpty())
                row += QStringLiteral("<%1>%2</%1>").arg(cell, escaped(part));
        }
    }
    return row + QStringLiteral("</tr>");
}

QString lineText(const QuotationLine &line)
{
    QStringList entries;
    for (const QuotedValue &value : line)
        entries << EntryText(value);
    return entries.join(QStringLiteral("  "));
}

} // namespace

QString EntryText(const QuotedValue &value)
{
    QStringList parts;
    for (const QString &part : {value.caption, value.number, value.unit}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(u' ');
}

QString QuotationText(const Quotation &quotation)
{
    QStringList lines {quotation.title + QStringLiteral("  ") + quotation.date.toString(Qt::ISODate)};
    for (const QuotationLine &line : quotation.lines)
        lines << lineText(line);
    if (!quotation.total.isEmpty())
        lines << lineText(quotation.total);
    return lines.join(u'\n');
}

QString QuotationHtml(const Quotation &quotation)
{
    // Spreadsheets take a fragment without a character set for Latin-1.
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>");
    html += htmlRow({{quotation.title, quotation.date.toString(Qt::ISODate), {}}}, QStringLiteral("th"));
    for (const QuotationLine &line : quotation.lines)
        html += htmlRow(line, QStringLiteral("td"));
    if (!quotation.total.isEmpty())
        html += htmlRow(quotation.total, QStringLiteral("th"));
    return html + QStringLiteral("</table></body></html>");
}

QString QuotationFileName(const Quotation &quotation)
{
    return quotation.title + u'-' + quotation.date.toString(Qt::ISODate);
}

} // namespace kalmoro
