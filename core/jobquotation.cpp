#include "jobquotation.h"

#include <atomic>

namespace kalmoro {

namespace {

QString Yuan(Fen amount)
{
    return FormatYuan(amount) + QStringLiteral(" 元");
}

QStringList Filled(const QStringList &parts)
{
    QStringList filled;
    for (const QString &part : parts) {
        if (!part.isEmpty())
            filled << part;
    }
    return filled;
}

QString FieldText(const SheetField &field)
{
    return field.label + u'：' + field.value;
}

QString HtmlParagraph(const QString &text)
{
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
}

QString HtmlRow(const QStringList &cells, QStringView cell)
{
    QString row = QStringLiteral("<tr>");
    for (const QString &text : cells)
        row += QStringLiteral("<%1>%2</%1>").arg(cell, text.toHtmlEscaped());
    return row + QStringLiteral("</tr>");
}

QString HtmlTable(const QStringList &columns, const QList<QStringList> &rows)
{
    QString table = QStringLiteral("<table>") + HtmlRow(columns, u"th");
    for (const QStringList &row : rows)
        table += HtmlRow(row, u"td");
    return table + QStringLiteral("</table>");
}

QStringList Captions(const SheetSection &section)
{
    QStringList captions;
    for (const SheetColumn &column : section.columns)
        captions << column.caption;
    return captions;
}

QString CentiText(rooms::Centi value, int minDecimals)
{
    return FormatDecimal(value, rooms::CentiDecimals, minDecimals);
}

std::atomic<qint64> sheetsBuilt = 0;

} // namespace

qint64 JobSheetsBuilt()
{
    return sheetsBuilt;
}

JobSheet SheetOf(const Job &job)
{
    ++sheetsBuilt;
    JobSheet sheet;
    sheet.title = QStringLiteral("报价单");
    const QStringList contact
        = Filled({job.dealer.contact.isEmpty() ? QString() : QStringLiteral("联系人：") + job.dealer.contact,
            job.dealer.phone.isEmpty() ? QString() : QStringLiteral("电话：") + job.dealer.phone});
    sheet.dealer = Filled({job.dealer.company, contact.join(QStringLiteral("　"))});

    const QList<SheetField> customer {
        {QStringLiteral("客户"), job.customer.name},
        {QStringLiteral("电话"), job.customer.phone},
        {QStringLiteral("地址"), job.customer.address},
        {QStringLiteral("工地"), job.site},
        {QStringLiteral("日期"), job.date.toString(Qt::ISODate)},
    };
    for (const SheetField &field : customer) {
        if (!field.value.isEmpty())
            sheet.customer << field;
    }

    for (SheetSection section : {RoomsSection(job.rooms)}) {
        if (!section.rows.isEmpty())
            sheet.sections << std::move(section);
    }

    sheet.columns = {QStringLiteral("序号"), QStringLiteral("项目"), QStringLiteral("数量"),
        QStringLiteral("单位"), QStringLiteral("单价"), QStringLiteral("金额")};
    sheet.rows.reserve(job.lines.size());
    for (qsizetype i = 0; i < job.lines.size(); ++i) {
        const JobLine &line = job.lines[i];
        sheet.rows << QStringList {QString::number(i + 1), line.description, FormatQuantity(line.quantity),
            line.unit, FormatUnitPrice(line.unitPrice) + QStringLiteral(" 元"), Yuan(LineAmount(line))};
    }

    sheet.totals = TotalsFields(job, Totals(job));

    if (job.validityDays > 0) {
        QString validity = QStringLiteral("%1 天").arg(job.validityDays);
        if (job.date.isValid())
            validity
                += QStringLiteral("（至 %1）").arg(job.date.addDays(job.validityDays).toString(Qt::ISODate));
        sheet.footer << SheetField {QStringLiteral("有效期"), validity};
    }
    if (!job.notes.isEmpty())
        sheet.footer << SheetField {QStringLiteral("备注"), job.notes};
    return sheet;
}

SheetSection RoomsSection(const QList<rooms::Room> &rooms)
{
    SheetSection section {QStringLiteral("房间负荷与选型"),
        {{QStringLiteral("房间"), 16, false}, {QStringLiteral("面积（m²）"), 14, true},
            {QStringLiteral("指标（W/m²）"), 17, true}, {QStringLiteral("负荷（kW）"), 15, true},
            {QStringLiteral("室内机"), 22, false}, {QStringLiteral("制冷量（kW）"), 16, true}},
        {}};
    section.rows.reserve(rooms.size());
    for (const rooms::Room &room : rooms) {
        const QString unit = room.unit.count > 1
            ? QStringLiteral("%1 × %2").arg(room.unit.model).arg(room.unit.count)
            : room.unit.model;
        section.rows << QStringList {room.name, CentiText(room.area, 0), CentiText(room.index, 0),
            CentiText(rooms::RoomLoad(room), 2), unit, CentiText(rooms::RoomCapacity(room), 2)};
    }
    return section;
}

QList<SheetField> TotalsFields(const Job &job, const JobTotals &totals)
{
    QList<SheetField> fields {{QStringLiteral("小计"), Yuan(totals.subtotal)}};
    if (totals.discount != 0)
        fields << SheetField {QStringLiteral("优惠"), Yuan(-totals.discount)};
    if (job.taxRate != 0)
        fields << SheetField {
            QStringLiteral("税额（%1%）").arg(FormatTaxRate(job.taxRate)), Yuan(totals.tax)};
    // A quotation never asks for less than nothing: what went wrong is said instead.
    if (totals.total >= 0)
        fields << SheetField {QStringLiteral("合计"), Yuan(totals.total)};
    else if (totals.discount > totals.subtotal)
        fields << SheetField {QStringLiteral("合计"), QStringLiteral("无（优惠大于小计，请修改优惠或明细）")};
    else
        fields << SheetField {QStringLiteral("合计"), QStringLiteral("无（明细之和低于零，请检查明细）")};
    return fields;
}

QString SheetText(const JobSheet &sheet)
{
    QStringList lines {sheet.title};
    lines << sheet.dealer;
    for (const SheetField &field : sheet.customer)
        lines << FieldText(field);
    for (const SheetSection &section : sheet.sections) {
        lines << section.caption << Captions(section).join(u'\t');
        for (const QStringList &row : section.rows)
            lines << row.join(u'\t');
    }
    lines << sheet.columns.join(u'\t');
    for (const QStringList &row : sheet.rows)
        lines << row.join(u'\t');
    for (const QList<SheetField> &fields : {sheet.totals, sheet.footer}) {
        for (const SheetField &field : fields)
            lines << FieldText(field);
    }
    return lines.join(u'\n');
}

QString SheetHtml(const JobSheet &sheet)
{
    // Spreadsheets take a fragment without a character set for Latin-1.
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><h1>%1</h1>")
                       .arg(sheet.title.toHtmlEscaped());
    for (const QString &line : sheet.dealer)
        html += HtmlParagraph(line);
    for (const SheetField &field : sheet.customer)
        html += HtmlParagraph(FieldText(field));
    for (const SheetSection &section : sheet.sections) {
        html += QStringLiteral("<h2>%1</h2>").arg(section.caption.toHtmlEscaped())
            + HtmlTable(Captions(section), section.rows);
    }
    html += HtmlTable(sheet.columns, sheet.rows);
    for (const QList<SheetField> &fields : {sheet.totals, sheet.footer}) {
        for (const SheetField &field : fields)
            html += HtmlParagraph(FieldText(field));
    }
    return html + QStringLiteral("</body></html>");
}

QString JobFileName(const Job &job)
{
    // The name is typed by the user; characters that no file system takes in a name would make the
    // proposal point elsewhere or fail.
    QString customer = job.customer.name.trimmed();
    for (QChar &c : customer) {
        if (c.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    return Filled({QStringLiteral("报价单"), customer, job.date.toString(Qt::ISODate)}).join(u'-');
}

} // namespace kalmoro
