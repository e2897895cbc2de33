#include "quotation.h"

#include <QLineEdit>

#include "controlnumber.h"
#include "copperpage.h"
#include "refrigerantpage.h"
#include "ventpage.h"
#include "widgets/editbox.h"
#include "widgets/radiobutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

QDate &fixedDate()
{
    static QDate date;
    return date;
}

// A box that was filled, as it stands.
void addFilled(
    QList<QuotationLine> &lines, const QString &caption, const QLineEdit &box, const QString &unit = {})
{
    if (!box.text().isEmpty())
        lines.append({ { caption, box.text(), unit } });
}

// A pipe is quoted only when a length other than 0 stands in its box.
bool hasLength(const QLineEdit &metres)
{
    return ReadNumber(metres) != 0;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString htmlRow(const QuotationLine &line, const QString &cell)
{
    QString row = QStringLiteral("<tr>");
    for (const QuotedValue &value : line) {
        for (const QString &part : { value.caption, value.number, value.unit }) {
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

QDate QuotationDate()
{
    return fixedDate().isValid() ? fixedDate() : QDate::currentDate();
}

void SetQuotationDateForTesting(QDate date)
{
    fixedDate() = date;
}

Quotation RefrigerantQuotation(const RefrigerantPage &page, QDate date)
{
    Quotation quotation { QStringLiteral("加氟计算"), date, {}, {} };
    QList<QuotationLine> &lines = quotation.lines;
    const bool outdoorPart = IsOutdoorPartOn(page);
    lines.append(
        { { QStringLiteral("加氟方式"), outdoorPart ? page.greeMode->text() : page.otherMode->text(), {} } });
    if (outdoorPart) {
        for (const RadioButton *model : page.models) {
            if (model->isChecked())
                lines.append({ { QStringLiteral("室外机型号"), model->text(), {} } });
        }
        addFilled(lines, QStringLiteral("室内机台数"), *page.indoorUnits, QStringLiteral("台"));
        addFilled(lines, QStringLiteral("室内机总量"), *page.indoorCapacity, QStringLiteral("KW"));
        addFilled(lines, QStringLiteral("配比率"), *page.ratio);
        // A ratio out of range leaves the earlier charge in place, and the sheet says why.
        if (CheckedModel(page)) {
            if (const QStringView warning = refrigerant::RatioWarning(ReadNumber(*page.ratio)); !warning.isEmpty())
                lines.append({ { warning.toString(), {}, {} } });
        }
        addFilled(lines, QStringLiteral("室外机所需氟利昂"), *page.outdoorCharge, QStringLiteral("KG"));
    }
    for (std::size_t i = 0; i < page.pipeLengths.size(); ++i) {
        const QLineEdit &metres = *page.pipeLengths[i];
        if (hasLength(metres))
            lines.append({ { refrigerant::LiquidPipes[i].name.toString(), {}, {} },
                { {}, metres.text(), QStringLiteral("米") } });
    }
    addFilled(lines, QStringLiteral("室内机所需氟利昂"), *page.indoorCharge, QStringLiteral("KG"));
    quotation.total = { { QStringLiteral("所需加氟量"), page.totalCharge->text(), QStringLiteral("KG") } };
    return quotation;
}

Quotation CopperQuotation(const CopperPage &page, QDate date)
{
    Quotation quotation { QStringLiteral("铜管报价"), date, {}, {} };
    addFilled(quotation.lines, QStringLiteral("期货铜价"), *page.futuresPrice, QStringLiteral("元"));
    for (const CopperPage::Row &row : page.rows) {
        if (!hasLength(*row.metres))
            continue;
        quotation.lines.append({ { copper::PipeName(*row.pipe), {}, {} },
            { {}, row.metres->text(), QStringLiteral("米") },
            { QStringLiteral("市场价"), row.price->text(), QStringLiteral("元/米") } });
    }
    quotation.total = { { QStringLiteral("铜管价格"), page.total->text(), QStringLiteral("元") } };
    return quotation;
}

Quotation VentQuotation(const VentPage &page, QDate date)
{
    Quotation quotation { QStringLiteral("风口报价"), date, {}, {} };
    const auto addVent = [&quotation](bool filled, const QString &kind, const QLineEdit &length,
                             const QLineEdit &width, const TransparentLabel &price) {
        if (!filled)
            return;
        quotation.lines.append(
            { { kind, {}, {} }, { QStringLiteral("长"), length.text(), QStringLiteral("米") },
                { QStringLiteral("宽"), width.text(), QStringLiteral("米") } });
        quotation.lines.append({ { kind + QStringLiteral("价格"), price.text(), QStringLiteral("元") } });
    };
    addVent(IsOutletFilled(page), QStringLiteral("出风口"), *page.outletLength, *page.outletWidth, *page.outletPrice);
    addVent(IsReturnFilled(page), QStringLiteral("回风口"), *page.returnLength, *page.returnWidth, *page.returnPrice);
    return quotation;
}

QString EntryText(const QuotedValue &value)
{
    QStringList parts;
    for (const QString &part : { value.caption, value.number, value.unit }) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(u' ');
}

QString QuotationText(const Quotation &quotation)
{
    QStringList lines { quotation.title + QStringLiteral("  ") + quotation.date.toString(Qt::ISODate) };
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
    html += htmlRow({ { quotation.title, quotation.date.toString(Qt::ISODate), {} } }, QStringLiteral("th"));
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
