#include <QTest>

#include "job.h"
#include "refrigerant.h"
#include "rooms.h"

using namespace kalmoro;
using namespace kalmoro::rooms;

namespace {

// "area×index×capacity×count" as typed.
Room TypedRoom(const QString &written)
{
    const QStringList parts = written.split(u'×');
    return {u"房间"_qs, u"卧室"_qs, ReadArea(parts[0]).value.value(), ReadIndex(parts[1]).value.value(),
        {u"内机"_qs, ReadCapacity(parts[2]).value.value(), int(ReadCount(parts[3]).value.value())}};
}

QString Decimal(qint64 value, int decimals)
{
    return FormatDecimal(value, decimals, 0);
}

} // namespace

// A room's load is its area times its index, rounded once to 0.01 kW; the summary sums the rounded
// loads, and the suggested outdoor unit is the smallest the refrigerant page would accept.
class RoomsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loads_data()
    {
        QTest::addColumn<QStringList>("rooms");
        QTest::addColumn<QString>("diversity");
        QTest::addColumn<QStringList>("loads"); // kW and 匹 of each room
        QTest::addColumn<QStringList>("summary"); // load, capacity, diversified load, units, rows under
        QTest::addColumn<QString>("suggestion");

        QTest::newRow("a bedroom") << QStringList {u"15×150×2.5×1"_qs} << u"0.8"_qs
                                   << QStringList {u"2.25 0.9"_qs} << QStringList {u"2.25 2.5 1.8 1 "_qs}
                                   << NoOutdoorFits.toString();
        QTest::newRow("half of 10 W rounds away from zero")
            << QStringList {u"7×215×1.5×1"_qs, u"7×215×1.5×1"_qs} << u"1"_qs
            << QStringList {u"1.51 0.6"_qs, u"1.51 0.6"_qs} << QStringList {u"3.02 3 3.02 2 0 1"_qs}
            << NoOutdoorFits.toString();
        QTest::newRow("ratio 1.05 on the smallest")
            << QStringList {u"100×300×26.25×1"_qs} << u"0.8"_qs << QStringList {u"30 12"_qs}
            << QStringList {u"30 26.25 24 1 0"_qs} << u"GMV-250W/A"_qs;
        QTest::newRow("ratio 1.35 still fits")
            << QStringList {u"100×300×11.25×3"_qs} << u"0.8"_qs << QStringList {u"30 12"_qs}
            << QStringList {u"30 33.75 24 3 "_qs} << u"GMV-250W/A"_qs;
        QTest::newRow("beyond 1.35, the next model")
            << QStringList {u"100×300×16.88×2"_qs} << u"0.8"_qs << QStringList {u"30 12"_qs}
            << QStringList {u"30 33.76 24 2 "_qs} << u"GMV-300W/A"_qs;
        QTest::newRow("ratio 0.9 is band 1")
            << QStringList {u"50×400×22.5×1"_qs} << u"0.8"_qs << QStringList {u"20 8"_qs}
            << QStringList {u"20 22.5 16 1 "_qs} << u"GMV-250W/A"_qs;
        QTest::newRow("just under 0.9 fits none")
            << QStringList {u"50×400×22.49×1"_qs} << u"0.8"_qs << QStringList {u"20 8"_qs}
            << QStringList {u"20 22.49 16 1 "_qs} << NoOutdoorFits.toString();
        QTest::newRow("the diversified load decides")
            << QStringList {u"100×400×20×2"_qs} << u"0.9"_qs << QStringList {u"40 16"_qs}
            << QStringList {u"40 40 36 2 "_qs} << u"GMV-400W/A"_qs;
        QTest::newRow("more than the largest")
            << QStringList {u"500×300×150×1"_qs} << u"0.5"_qs << QStringList {u"150 60"_qs}
            << QStringList {u"150 150 75 1 "_qs} << NoOutdoorFits.toString();
    }

    void loads()
    {
        QFETCH(QStringList, rooms);
        QFETCH(QString, diversity);
        QFETCH(QStringList, loads);
        QFETCH(QStringList, summary);
        QFETCH(QString, suggestion);

        QList<Room> typed;
        for (const QString &room : rooms)
            typed << TypedRoom(room);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            const Centi load = RoomLoad(typed[i]);
            QCOMPARE(Decimal(load, CentiDecimals) + u' ' + Decimal(Horsepower(load), 1), loads[i]);
        }
        const Summary sum = Summarize(typed, ReadDiversity(diversity).value.value());
        QStringList under;
        for (qsizetype row : sum.underCapacity)
            under << QString::number(row);
        QCOMPARE(QStringList({Decimal(sum.load, CentiDecimals), Decimal(sum.indoorCapacity, CentiDecimals),
                                 Decimal(sum.diversifiedLoad, CentiDecimals), QString::number(sum.units),
                                 under.join(u' ')})
                     .join(u' '),
            summary.first());
        const std::optional<qsizetype> model = SuggestOutdoor(sum);
        QCOMPARE(model ? refrigerant::OutdoorModels[*model].name.toString() : NoOutdoorFits.toString(),
            suggestion);
    }

    void cells_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result"); // the value held, or the reason it is refused

        QTest::newRow("area, full-width") << u"area"_qs << u"１２．５"_qs << u"1250"_qs;
        QTest::newRow("area empty") << u"area"_qs << u" "_qs << u"请填写面积"_qs;
        QTest::newRow("area text") << u"area"_qs << u"十"_qs << u"面积“十”不是数"_qs;
        QTest::newRow("area zero") << u"area"_qs << u"0"_qs << u"面积应大于 0"_qs;
        QTest::newRow("area negative") << u"area"_qs << u"-3"_qs << u"面积应大于 0"_qs;
        QTest::newRow("index 20") << u"index"_qs << u"20"_qs << u"2000"_qs;
        QTest::newRow("index 1000") << u"index"_qs << u"1000"_qs << u"100000"_qs;
        QTest::newRow("index 19.99") << u"index"_qs << u"19.99"_qs
                                     << u"冷负荷指标应在 20 至 1000 W/m² 之间"_qs;
        QTest::newRow("index 1001") << u"index"_qs << u"1001"_qs << u"冷负荷指标应在 20 至 1000 W/m² 之间"_qs;
        QTest::newRow("capacity 0") << u"capacity"_qs << u"0"_qs << u"制冷量应大于 0"_qs;
        QTest::newRow("capacity 3.6") << u"capacity"_qs << u"3.6"_qs << u"360"_qs;
        QTest::newRow("count 99") << u"count"_qs << u"99"_qs << u"99"_qs;
        QTest::newRow("count 0") << u"count"_qs << u"0"_qs << u"台数应为 1 至 99 的整数"_qs;
        QTest::newRow("count 100") << u"count"_qs << u"100"_qs << u"台数应为 1 至 99 的整数"_qs;
        QTest::newRow("count 1.5") << u"count"_qs << u"1.5"_qs << u"台数应为 1 至 99 的整数"_qs;
        QTest::newRow("count 1.001") << u"count"_qs << u"1.001"_qs << u"台数应为 1 至 99 的整数"_qs;
        QTest::newRow("count empty") << u"count"_qs << QString() << u"请填写台数"_qs;
        QTest::newRow("count text") << u"count"_qs << u"两"_qs << u"台数“两”不是数"_qs;
        QTest::newRow("diversity 0.5") << u"diversity"_qs << u"0.5"_qs << u"50"_qs;
        QTest::newRow("diversity 1.01")
            << u"diversity"_qs << u"1.01"_qs << u"同时使用系数应在 0.5 至 1 之间"_qs;
    }

    void cells()
    {
        QFETCH(QString, cell);
        QFETCH(QString, text);
        QFETCH(QString, result);

        const CellValue read = cell == u"area" ? ReadArea(text)
            : cell == u"index"                 ? ReadIndex(text)
            : cell == u"capacity"              ? ReadCapacity(text)
            : cell == u"count"                 ? ReadCount(text)
                                               : ReadDiversity(text);
        QCOMPARE(read.value ? QString::number(*read.value) : read.refusal, result);
        QCOMPARE(read.value.has_value(), read.refusal.isEmpty());
    }

    void defaults()
    {
        QCOMPARE(DefaultDiversity, 80);
        const RoomType *bedroom = FindRoomType(u"卧室");
        QVERIFY(bedroom);
        QCOMPARE(bedroom->defaultIndex, 150);
        QVERIFY(IndexRangeText(*bedroom).startsWith(u"130–180 W/m²（dealer practice"));
    }
};

QTEST_GUILESS_MAIN(RoomsTest)
#include "test_rooms.moc"
