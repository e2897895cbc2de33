#include <QClipboard>
#include <QTest>

#include "pagetesting.h"

using namespace kalmoro;

namespace {

const QDate Day(2026, 12, 7);

} // namespace

// The quotation of each calculator page after real input: what the page shows, line by line.
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
            << u"铜管报价  2026-12-07\n"
               "期货铜价 60000 元\n"
               "Φ6.35铜管  10 米  市场价 6.8 元/米\n"
               "铜管价格 81.6 元"_qs
            << QStringList();
        QTest::newRow("copper, rows of 0 m left out")
            << copper << 2
            << QStringList {"编辑框0=60000", "编辑框1=10", "编辑框3=0", "编辑框5=abc", "编辑框25=2",
                   "超级按钮1"}
            << u"铜管报价  2026-12-07\n"
               "期货铜价 60000 元\n"
               "Φ6.35铜管  10 米  市场价 6.8 元/米\n"
               "Φ44.45铜管  2 米  市场价 112.5 元/米\n"
               "铜管价格 351.6 元"_qs
            << QStringList();
        QTest::newRow("copper, total computed on request, inputs as typed")
            << copper << 2 << QStringList {"编辑框0=６００００", "编辑框3=1.50", "编辑框4=9"}
            << u"铜管报价  2026-12-07\n"
               "期货铜价 ６００００ 元\n"
               "Φ9.53铜管  1.50 米  市场价 9 元/米\n"
               "铜管价格 16.2 元"_qs
            << QStringList();
        QTest::newRow("copper, inputs changed after the total")
            << copper << 2
            << QStringList {"编辑框0=68000", "编辑框1=12.5", "编辑框3=20", "超级按钮1", "编辑框1=100",
                   "编辑框0=70000"}
            << u"铜管报价  2026-12-07\n"
               "期货铜价 70000 元\n"
               "Φ6.35铜管  100 米  市场价 7.933333333333 元/米\n"
               "Φ9.53铜管  20 米  市场价 10.73333333333 元/米\n"
               "铜管价格 1209.6 元"_qs
            << QStringList();
        QTest::newRow("copper, untouched: the button's warning, then the total")
            << copper << 2 << QStringList {}
            << u"铜管报价  2026-12-07\n"
               "铜管价格 0 元"_qs
            << QStringList {u"铜价过低，请检查......"_qs};

        QTest::newRow("refrigerant, Gree")
            << refrigerant << 1
            << QStringList {"格力加氟", "二百五", "室内机总量=26.25", "室内机台数=3", "室内机加氟量", "六=10",
                   "十=10", "室外机加氟量", "室外机加氟量1"}
            << u"加氟计算  2026-12-07\n"
               "加氟方式 格力多联机加氟\n"
               "室外机型号 GMV-250W/A\n"
               "室内机台数 3 台\n"
               "室内机总量 26.25 KW\n"
               "配比率 1.05\n"
               "室外机所需氟利昂 1 KG\n"
               "冷媒液管Φ6.35  10 米\n"
               "冷媒液管Φ9.52  10 米\n"
               "室内机所需氟利昂 0.76 KG\n"
               "所需加氟量 1.76 KG"_qs
            << QStringList();
        QTest::newRow("refrigerant, other brand hides the outdoor part")
            << refrigerant << 1
            << QStringList {"室内机台数=3", "其他加氟", "六=15", "十=20", "十二=10", "十六=5", "十九=3",
                   "二十二=2", "二十五=1", "二十八=1", "室外机加氟量", "室外机加氟量1"}
            << u"加氟计算  2026-12-07\n"
               "加氟方式 其他品牌加氟\n"
               "冷媒液管Φ6.35  15 米\n"
               "冷媒液管Φ9.52  20 米\n"
               "冷媒液管Φ12.7  10 米\n"
               "冷媒液管Φ15.88  5 米\n"
               "冷媒液管Φ19.05  3 米\n"
               "冷媒液管Φ22.23  2 米\n"
               "冷媒液管Φ25.4  1 米\n"
               "冷媒液管Φ28.58  1 米\n"
               "室内机所需氟利昂 6.01 KG\n"
               "所需加氟量 6.01 KG"_qs
            << QStringList();
        QTest::newRow("refrigerant, other brand after a total with the outdoor part")
            << refrigerant << 1
            << QStringList {"格力加氟", "二百五", "室内机总量=33.75", "室内机台数=4", "室内机加氟量", "六=10",
                   "十=10", "十六=20", "室外机加氟量", "室外机加氟量1", "其他加氟"}
            << u"加氟计算  2026-12-07\n"
               "加氟方式 其他品牌加氟\n"
               "冷媒液管Φ6.35  10 米\n"
               "冷媒液管Φ9.52  10 米\n"
               "冷媒液管Φ15.88  20 米\n"
               "室内机所需氟利昂 4.16 KG\n"
               "所需加氟量 4.16 KG"_qs
            << QStringList();
        QTest::newRow("refrigerant, a ratio out of range keeps the earlier charge")
            << refrigerant << 1
            << QStringList {"格力加氟", "二百五", "室内机总量=26.25", "室内机台数=3", "室内机加氟量",
                   "室内机总量=34"}
            << u"加氟计算  2026-12-07\n"
               "加氟方式 格力多联机加氟\n"
               "室外机型号 GMV-250W/A\n"
               "室内机台数 3 台\n"
               "室内机总量 34 KW\n"
               "配比率 1.36\n"
               "配比率过大，请选择合适的室外机！\n"
               "室外机所需氟利昂 1 KG\n"
               "室内机所需氟利昂 0 KG\n"
               "所需加氟量 1 KG"_qs
            << QStringList {u"配比率过大，请选择合适的室外机！"_qs};

        QTest::newRow("vent, priced on request, the empty half left out")
            << vent << 4 << QStringList {"出风长=1", "出风宽=0.2"}
            << u"风口报价  2026-12-07\n"
               "出风口  长 1 米  宽 0.2 米\n"
               "出风口价格 47.52 元"_qs
            << QStringList();
        QTest::newRow("vent, both, the outlet's inputs changed after its price")
            << vent << 4
            << QStringList {"出风长=1", "出风宽=0.2", "出风口计算", "出风长=2.5", "回风长=3", "回风宽=0.2",
                   "回风口计算"}
            << u"风口报价  2026-12-07\n"
               "出风口  长 2.5 米  宽 0.2 米\n"
               "出风口价格 145.2 元\n"
               "回风口  长 3 米  宽 0.2 米\n"
               "回风口价格 236.304 元"_qs
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
