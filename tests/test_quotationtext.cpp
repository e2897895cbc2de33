#include <QTest>

#include "quotation.h"

using namespace kalmoro;

// A quotation as text and as an HTML table, without a window: the entries' empty parts are left
// out, and what a page shows is escaped, not taken as markup.
class QuotationTextTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formats_data()
    {
        QTest::addColumn<Quotation>("quotation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("fileName");

        const QDate day(2026, 12, 7);
        QTest::newRow("lines and a total")
            << Quotation {u"铜管报价"_qs, day,
                   {{{u"Φ6.35铜管"_qs, {}, {}}, {{}, u"10"_qs, u"米"_qs},
                       {u"市场价"_qs, u"6.8"_qs, u"元/米"_qs}}},
                   {{u"铜管价格"_qs, u"81.6"_qs, u"元"_qs}}}
            << u"铜管报价  2026-12-07\nΦ6.35铜管  10 米  市场价 6.8 元/米\n铜管价格 81.6 元"_qs
            << u"<tr><th>铜管报价</th><th>2026-12-07</th></tr>"
               "<tr><td>Φ6.35铜管</td><td>10</td><td>米</td><td>市场价</td><td>6.8</td><td>元/米</td></tr>"
               "<tr><th>铜管价格</th><th>81.6</th><th>元</th></tr>"_qs
            << u"铜管报价-2026-12-07"_qs;
        QTest::newRow("no total, markup typed into a box")
            << Quotation {u"风口报价"_qs, day, {{{u"长"_qs, u"<b>1&2</b>"_qs, u"米"_qs}}}, {}}
            << u"风口报价  2026-12-07\n长 <b>1&2</b> 米"_qs
            << u"<tr><th>风口报价</th><th>2026-12-07</th></tr>"
               "<tr><td>长</td><td>&lt;b&gt;1&amp;2&lt;/b&gt;</td><td>米</td></tr>"_qs
            << u"风口报价-2026-12-07"_qs;
    }

    void formats()
    {
        QFETCH(Quotation, quotation);
        QFETCH(QString, text);
        QFETCH(QString, html);
        QFETCH(QString, fileName);

        QCOMPARE(QuotationText(quotation), text);
        const QString table = QuotationHtml(quotation);
        QVERIFY2(table.contains(u"<meta charset=\"utf-8\">"_qs), qPrintable(table));
        QVERIFY2(table.contains(u"<table>"_qs + html + u"</table>"_qs), qPrintable(table));
        QCOMPARE(QuotationFileName(quotation), fileName);
    }
};

QTEST_GUILESS_MAIN(QuotationTextTest)
#include "test_quotationtext.moc"
