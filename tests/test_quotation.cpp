#include <QClipboard>
#include <QTest>

#include "pagetesting.h"

using namespace kalmoro;

namespace {

const QDate Day(2026, 12, 7);

} // namespace

// The sheet of each calculator page after real input, as copied: a priced page's lines as a job of
// them alone would give them, another page's lines as caption and value.
class QuotationTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_page.close(); }

    void text_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");

        const QString refrigerant = u"加氟计算按钮"_qs;
        const QString copper = u"铜管价格按钮"_qs;
        const QString vent = u"风口价格按钮"_qs;

        QTest::newRow("copper, one row")
            << copper << 2 << QStringList {"编辑框0=60000", "编辑框1=10", "超级按钮1"}
            << u"铜管报价\n"
               "日期：2026-12-07\n"
               "期货铜价：60000 元\n"
               "单价：市场价 × 1.2\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n"
               "1\tΦ6.35 铜管\t10\t米\t8.16 元\t81.60 元\n"
               "小计：81.60 元\n"
               "合计：81.60 元"_qs
            << QStringList();
        QTest::newRow("copper, rows of 0 m left out")
            << copper << 2
            << QStringList {"编辑框0=60000", "编辑框1=10", "编辑框3=0", "编辑框5=abc", "编辑框25=2",
                   "超级按钮1"}
            << u"铜管报价\n"
               "日期：2026-12-07\n"
               "期货铜价：60000 元\n"
               "单价：市场价 × 1.2\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n"
               "1\tΦ6.35 铜管\t10\t米\t8.16 元\t81.60 元\n"
               "2\tΦ44.45 铜管\t2\t米\t135.00 元\t270.00 元\n"
               "小计：351.60 元\n"
               "合计：351.60 元"_qs
            << QStringList();
        QTest::newRow("copper, total computed on request, inputs as typed")
            << copper << 2 << QStringList {"编辑框0=６００００", "编辑框3=1.50", "编辑框4=9"}
            << u"铜管报价\n"
               "日期：2026-12-07\n"
               "期货铜价：６００００ 元\n"
               "单价：市场价 × 1.2\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n"
               "1\tΦ9.53 铜管\t1.5\t米\t10.80 元\t16.20 元\n"
               "小计：16.20 元\n"
               "合计：16.20 元"_qs
            << QStringList();
        QTest::newRow("copper, inputs changed after the total")
            << copper << 2
            << QStringList {"编辑框0=68000", "编辑框1=12.5", "编辑框3=20", "超级按钮1", "编辑框1=100",
                   "编辑框0=70000"}
            << u"铜管报价\n"
               "日期：2026-12-07\n"
               "期货铜价：70000 元\n"
               "单价：市场价 × 1.2\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n"
               "1\tΦ6.35 铜管\t100\t米\t9.52 元\t952.00 元\n"
               "2\tΦ9.53 铜管\t20\t米\t12.88 元\t257.60 元\n"
               "小计：1209.60 元\n"
               "合计：1209.60 元"_qs
            << QStringList();
        QTest::newRow("copper, untouched: the button's warning, then the total")
            << copper << 2 << QStringList {}
            << u"铜管报价\n"
               "日期：2026-12-07\n"
               "单价：市场价 × 1.2\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n"
               "小计：0.00 元\n"
               "合计：0.00 元"_qs
            << QStringList {u"铜价过低，请检查......"_qs};

        QTest::newRow("refrigerant, Gree")
            << refrigerant << 1
            << QStringList {"格力加氟", "二百五", "室内机总量=26.25", "室内机台数=3", "室内机加氟量", "六=10",
                   "十=10", "室外机加氟量", "室外机加氟量1"}
            << u"加氟计算\n"
               "日期：2026-12-07\n"
               "项目\t数值\n"
               "加氟方式\t格力多联机加氟\n"
               "室外机型号\tGMV-250W/A\n"
               "室内机台数\t3 台\n"
               "室内机总量\t26.25 KW\n"
               "配比率\t1.05\n"
               "室外机所需氟利昂\t1.00 KG\n"
               "冷媒液管Φ6.35\t10 米\n"
               "冷媒液管Φ9.52\t10 米\n"
               "室内机所需氟利昂\t0.76 KG\n"
               "所需加氟量：1.76 KG"_qs
            << QStringList();
        QTest::newRow("refrigerant, other brand hides the outdoor part")
            << refrigerant << 1
            << QStringList {"室内机台数=3", "其他加氟", "六=15", "十=20", "十二=10", "十六=5", "十九=3",
                   "二十二=2", "二十五=1", "二十八=1", "室外机加氟量", "室外机加氟量1"}
            << u"加氟计算\n"
               "日期：2026-12-07\n"
               "项目\t数值\n"
               "加氟方式\t其他品牌加氟\n"
               "冷媒液管Φ6.35\t15 米\n"
               "冷媒液管Φ9.52\t20 米\n"
               "冷媒液管Φ12.7\t10 米\n"
               "冷媒液管Φ15.88\t5 米\n"
               "冷媒液管Φ19.05\t3 米\n"
               "冷媒液管Φ22.23\t2 米\n"
               "冷媒液管Φ25.4\t1 米\n"
               "冷媒液管Φ28.58\t1 米\n"
               "室内机所需氟利昂\t6.01 KG\n"
               "所需加氟量：6.01 KG"_qs
            << QStringList();
        QTest::newRow("refrigerant, other brand after a total with the outdoor part")
            << refrigerant << 1
            << QStringList {"格力加氟", "二百五", "室内机总量=33.75", "室内机台数=4", "室内机加氟量", "六=10",
                   "十=10", "十六=20", "室外机加氟量", "室外机加氟量1", "其他加氟"}
            << u"加氟计算\n"
               "日期：2026-12-07\n"
               "项目\t数值\n"
               "加氟方式\t其他品牌加氟\n"
               "冷媒液管Φ6.35\t10 米\n"
               "冷媒液管Φ9.52\t10 米\n"
               "冷媒液管Φ15.88\t20 米\n"
               "室内机所需氟利昂\t4.16 KG\n"
               "所需加氟量：4.16 KG"_qs
            << QStringList();
        QTest::newRow("refrigerant, a ratio out of range keeps the earlier charge")
            << refrigerant << 1
            << QStringList {"格力加氟", "二百五", "室内机总量=26.25", "室内机台数=3", "室内机加氟量",
                   "室内机总量=34"}
            << u"加氟计算\n"
               "日期：2026-12-07\n"
               "项目\t数值\n"
               "加氟方式\t格力多联机加氟\n"
               "室外机型号\tGMV-250W/A\n"
               "室内机台数\t3 台\n"
               "室内机总量\t34 KW\n"
               "配比率\t1.36\n"
               "配比率过大，请选择合适的室外机！\t\n"
               "室外机所需氟利昂\t1.00 KG\n"
               "室内机所需氟利昂\t0.00 KG\n"
               "所需加氟量：1.00 KG"_qs
            << QStringList {u"配比率过大，请选择合适的室外机！"_qs};

        QTest::newRow("vent, priced on request, the empty half left out")
            << vent << 4 << QStringList {"出风长=1", "出风宽=0.2"}
            << u"风口报价\n"
               "日期：2026-12-07\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n"
               "1\t出风口 1×0.2 米\t1\t个\t47.52 元\t47.52 元\n"
               "小计：47.52 元\n"
               "合计：47.52 元"_qs
            << QStringList();
        QTest::newRow("vent, both, the outlet's inputs changed after its price")
            << vent << 4
            << QStringList {"出风长=1", "出风宽=0.2", "出风口计算", "出风长=2.5", "回风长=3", "回风宽=0.2",
                   "回风口计算"}
            << u"风口报价\n"
               "日期：2026-12-07\n"
               "序号\t项目\t数量\t单位\t单价\t金额\n"
               "1\t出风口 2.5×0.2 米\t1\t个\t145.20 元\t145.20 元\n"
               "2\t回风口 3×0.2 米\t1\t个\t236.304 元\t236.30 元\n"
               "小计：381.50 元\n"
               "合计：381.50 元"_qs
            << QStringList();
    }

    // The sheet the user asks for (Ctrl+Shift+C, wherever the last step left the focus) brings the
    // page up to date first: its total is the one the page shows after the request.
    void text()
    {
        QFETCH(QString, entry);
        QFETCH(int, pageIndex);
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);

        m_page.today = Day;
        m_page.open(entry, pageIndex);
        m_page.run(steps);
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &m_page.window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QCOMPARE(m_page.messages, messages);
    }

private:
    testing::PageDriver m_page;
};

QTEST_MAIN(QuotationTest)
#include "test_quotation.moc"
