#include <QTest>

#include "jobquotation.h"

using namespace kalmoro;

// The customer quotation of a job as text and HTML: only the filled parts of the header, the rooms'
// table before the lines when there are rooms, money as 0.00 元, discount and tax only when set, and
// what the user typed escaped, not taken as markup.
class JobQuotationTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formats_data()
    {
        QTest::addColumn<Job>("job");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("html"); // fragments in this order
        QTest::addColumn<QString>("fileName");

        Job full;
        full.customer = {u"王/先生"_qs, u"138"_qs, u"幸福路 1 号"_qs};
        full.site = u"三楼"_qs;
        full.dealer = {u"暖通<工程>"_qs, u"李工"_qs, u"0571"_qs};
        full.date = QDate(2026, 12, 7);
        full.validityDays = 30;
        full.notes = u"含安装\n不含拆旧"_qs;
        full.lines = {{u"Φ6.35铜管"_qs, 10'500, u"米"_qs, 97'919'999, JobSource::Copper},
            {u"人工"_qs, 1'000, u"天"_qs, 300'000'000, JobSource::Typed}};
        full.discount = 2'000;
        full.taxRate = 600;
        QTest::newRow("every part")
            << full
            << u"报价单\n暖通<工程>\n联系人：李工　电话：0571\n"
               "客户：王/先生\n电话：138\n地址：幸福路 1 号\n工地：三楼\n日期：2026-12-07\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n"
               "1\tΦ6.35铜管\t10.5\t米\t97.919999 元\t1028.16 元\n"
               "2\t人工\t1\t天\t300.00 元\t300.00 元\n"
               "小计：1328.16 元\n优惠：-20.00 元\n税额（6%）：78.49 元\n合计：1386.65 元\n"
               "有效期：30 天（至 2027-01-06）\n备注：含安装\n不含拆旧"_qs
            << QStringList {u"<h1>报价单</h1><p>暖通&lt;工程&gt;</p>"_qs,
                   u"<tr><th>序号</th><th>项目</th><th>数量</th><th>单位</th><th>单价</th><th>金额</th></tr>"
                   "<tr><td>1</td><td>Φ6.35铜管</td><td>10.5</td><td>米</td><td>97.919999 元</td><td>1028.16 元</td></tr>"_qs,
                   u"<p>合计：1386.65 元</p>"_qs, u"<p>备注：含安装<br>不含拆旧</p>"_qs}
            << u"报价单-王_先生-2026-12-07"_qs;
        Job rooms;
        rooms.rooms = {{u"客厅"_qs, u"客厅"_qs, 2'550, 15'000, {u"KFR-35"_qs, 350, 2}},
            {u"主卧<南>"_qs, u"卧室"_qs, 1'500, 18'000, {u"KFR-26"_qs, 260, 1}}};
        QTest::newRow("rooms before the lines")
            << rooms
            << u"报价单\n房间负荷与选型\n房间\t面积（m²）\t指标（W/m²）\t负荷（kW）\t室内机\t制冷量（kW）\n"
               "客厅\t25.5\t150\t3.83\tKFR-35 × 2\t7.00\n主卧<南>\t15\t180\t2.70\tKFR-26\t2.60\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n小计：0.00 元\n合计：0.00 元"_qs
            << QStringList {u"<h2>房间负荷与选型</h2><table><tr><th>房间</th>"_qs,
                   u"<tr><td>主卧&lt;南&gt;</td><td>15</td><td>180</td><td>2.70</td><td>KFR-26</td><td>2.60</"
                   u"td></tr></table>"
                   "<table><tr><th>序号</th>"_qs}
            << u"报价单"_qs;
        QTest::newRow("new and blank")
            << Job {} << u"报价单\n序号\t项目\t数量\t单位\t单价\t金额\n小计：0.00 元\n合计：0.00 元"_qs
            << QStringList {u"</th></tr></table><p>小计：0.00 元</p><p>合计：0.00 元</p></body>"_qs}
            << u"报价单"_qs;
    }

    void formats()
    {
        QFETCH(Job, job);
        QFETCH(QString, text);
        QFETCH(QStringList, html);
        QFETCH(QString, fileName);

        const JobSheet sheet = SheetOf(job);
        QCOMPARE(SheetText(sheet), text);
        const QString page = SheetHtml(sheet);
        qsizetype from = 0;
        for (const QString &fragment : html) {
            from = page.indexOf(fragment, from);
            QVERIFY2(from >= 0, qPrintable(fragment + u"\n in \n"_qs + page));
        }
        QCOMPARE(JobFileName(job), fileName);
    }
};

QTEST_GUILESS_MAIN(JobQuotationTest)
#include "test_jobquotation.moc"
