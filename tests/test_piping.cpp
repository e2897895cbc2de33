#include <QTest>

#include "job.h"
#include "piping.h"

using namespace kalmoro;
using namespace kalmoro::piping;

namespace {

// "from>to|liquid/gas|length|joints|model" as typed in the cells.
PipeRun TypedRun(const QString &written)
{
    const QStringList parts = written.split(u'|');
    const QStringList ends = parts[0].split(u'>');
    const QStringList pipes = parts[1].split(u'/');
    return {ends[0], ends[1], int(ReadDiameter(pipes[0], true).value.value()),
        int(ReadDiameter(pipes[1], false).value.value()), ReadLength(parts[2]).value.value(),
        int(ReadJoints(parts.value(3)).value.value()), parts.value(4)};
}

QString Decimal(qint64 value)
{
    return FormatDecimal(value, CentiDecimals, 0);
}

// The lengths other than 0 as "diameter:length", joined by spaces.
template <std::size_t N> QString Lengths(const std::array<Centi, N> &lengths, bool liquid)
{
    QStringList shown;
    for (std::size_t i = 0; i < N; ++i) {
        if (lengths[i] != 0)
            shown << (liquid ? LiquidDiameterText(i) : DiameterText(i)) + u':' + Decimal(lengths[i]);
    }
    return shown.join(u' ');
}

QString Rows(const QList<qsizetype> &rows)
{
    QStringList shown;
    for (qsizetype row : rows)
        shown << QString::number(row);
    return shown.join(u',');
}

} // namespace

// The takeoff sums each liquid pipe for the refrigerant page and both pipes for the copper page,
// whose 3/8 inch pipe is 9.53 where the refrigerant page has 9.52; the allowance goes on the copper
// alone. The checks find what a user would look for in the notebook's list.
class PipingTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sums_data()
    {
        QTest::addColumn<QStringList>("runs");
        QTest::addColumn<QString>("allowance");
        QTest::addColumn<QString>("rooms"); // "name:indoor unit", joined by commas
        QTest::addColumn<QStringList>("sums"); // liquid, copper with allowance, joints, total
        QTest::addColumn<QStringList>("checks"); // larger, zero, unknown, loop, unreached, longest

        QTest::newRow("a tree, 9.52 typed for 9.53")
            << QStringList {u"室外机>A|12.7/28.58|10|1|FQ01A"_qs, u"A>主卧|9.52/15.88|5.5"_qs,
                   u"A>次卧 KFR-25|Φ6.35/12.7|4.25|0"_qs}
            << u"0"_qs << u" 主卧 :KFR-35,次卧:KFR-25"_qs
            << QStringList {u"6.35:4.25 9.52:5.5 12.7:10"_qs,
                   u"6.35:4.25 9.53:5.5 12.7:14.25 15.88:5.5 28.58:10"_qs, u"1"_qs, u"19.75"_qs}
            << QStringList {{}, {}, {}, {}, {}, u"15.5"_qs};
        QTest::newRow("allowance rounds each diameter to the centimetre")
            << QStringList {u"室外机>客厅|9.53/15.88|3.33|2"_qs} << u"7.5"_qs << u"客厅"_qs
            << QStringList {u"9.52:3.33"_qs, u"9.53:3.58 15.88:3.58"_qs, u"2"_qs, u"3.33"_qs}
            << QStringList {{}, {}, {}, {}, {}, u"3.33"_qs};
        QTest::newRow("ends compared trimmed, the larger liquid, a zero length")
            << QStringList {u"室外机>B|19.05/15.88|0"_qs, u" B >书房|6.35/9.53|8"_qs} << u"10"_qs
            << u"书房"_qs << QStringList {u"6.35:8"_qs, u"6.35:8.8 9.53:8.8"_qs, u"0"_qs, u"8"_qs}
            << QStringList {u"0"_qs, u"0"_qs, {}, {}, {}, u"8"_qs};
        QTest::newRow("a loop and a run from nowhere; a room not reached")
            << QStringList {u"室外机>A|9.53/15.88|2"_qs, u"A>B|6.35/12.7|3"_qs, u"B>A|6.35/12.7|4"_qs,
                   u"X>主卧|6.35/9.53|1"_qs}
            << u"0"_qs << u"主卧:KFR-35"_qs
            << QStringList {u"6.35:8 9.52:2"_qs, u"6.35:8 9.53:3 12.7:7 15.88:2"_qs, u"0"_qs, u"10"_qs}
            << QStringList {{}, {}, u"3"_qs, u"1,2"_qs, u"主卧 KFR-35"_qs, u"2"_qs};
        QTest::newRow("the longest of branches")
            << QStringList {u"室外机>A|9.53/19.05|20"_qs, u"A>B|6.35/12.7|30"_qs, u"A>C|6.35/12.7|5"_qs,
                   u"B>D|6.35/12.7|1"_qs, u"室外机>E|6.35/12.7|50"_qs}
            << u"0"_qs << u"主卧"_qs
            << QStringList {u"6.35:86 9.52:20"_qs, u"6.35:86 9.53:20 12.7:86 19.05:20"_qs, u"0"_qs, u"106"_qs}
            << QStringList {{}, {}, {}, {}, u"主卧"_qs, u"51"_qs};
    }

    void sums()
    {
        QFETCH(QStringList, runs);
        QFETCH(QString, allowance);
        QFETCH(QString, rooms);
        QFETCH(QStringList, sums);
        QFETCH(QStringList, checks);

        QList<PipeRun> typed;
        for (const QString &run : runs)
            typed << TypedRun(run);
        const Sums sum = Sum(typed, ReadAllowance(allowance).value.value());
        QCOMPARE(QStringList({Lengths(sum.liquid, true), Lengths(sum.copperWithAllowance, false),
                     QString::number(sum.joints), Decimal(sum.total)}),
            sums);
        QList<rooms::Room> typedRooms;
        for (const QString &room : rooms.split(u',')) {
            typedRooms.append({room.section(u':', 0, 0), {}, 1'000, 15'000, {room.section(u':', 1), 250, 1}});
        }
        const Checks check = Check(typed, typedRooms);
        QCOMPARE(QStringList({Rows(check.liquidLarger), Rows(check.zeroLength), Rows(check.unknownStart),
                     Rows(check.inLoop), check.unreached.join(u'、'), Decimal(check.longestPath)}),
            checks);
    }

    void cells_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result"); // the value held, or the reason it is refused

        QTest::newRow("length to the centimetre") << u"length"_qs << u"１２．３４"_qs << u"1234"_qs;
        QTest::newRow("length 0 is a check, not a refusal") << u"length"_qs << u"0"_qs << u"0"_qs;
        QTest::newRow("length negative") << u"length"_qs << u"-1"_qs << u"长度应在 0 至 1000 m 之间"_qs;
        QTest::newRow("length empty") << u"length"_qs << u""_qs << u"请填写长度"_qs;
        QTest::newRow("length text") << u"length"_qs << u"十米"_qs << u"长度“十米”不是数"_qs;
        QTest::newRow("joints empty") << u"joints"_qs << u" "_qs << u"0"_qs;
        QTest::newRow("joints 1.5") << u"joints"_qs << u"1.5"_qs << u"分歧管数应为 0 至 99 的整数"_qs;
        QTest::newRow("joints 100") << u"joints"_qs << u"100"_qs << u"分歧管数应为 0 至 99 的整数"_qs;
        QTest::newRow("allowance 100") << u"allowance"_qs << u"100"_qs << u"10000"_qs;
        QTest::newRow("allowance 100.01")
            << u"allowance"_qs << u"100.01"_qs << u"损耗余量应在 0 至 100 % 之间"_qs;
        QTest::newRow("liquid 9.52 is the copper row 9.53") << u"liquid"_qs << u"9.52"_qs << u"1"_qs;
        QTest::newRow("liquid 28.58, the largest") << u"liquid"_qs << u"Φ28.58"_qs << u"7"_qs;
        QTest::newRow("liquid 31.75")
            << u"liquid"_qs << u"31.75"_qs << u"液管管径“31.75”不是加氟计算中的液管"_qs;
        QTest::newRow("gas 44.45") << u"gas"_qs << u"44.45"_qs << u"12"_qs;
        QTest::newRow("gas 9.54") << u"gas"_qs << u"9.54"_qs << u"气管管径“9.54”不是铜管价格中的管径"_qs;
    }

    void cells()
    {
        QFETCH(QString, cell);
        QFETCH(QString, text);
        QFETCH(QString, result);

        const CellValue read = cell == u"length" ? ReadLength(text)
            : cell == u"joints"                  ? ReadJoints(text)
            : cell == u"allowance"               ? ReadAllowance(text)
                                                 : ReadDiameter(text, cell == u"liquid");
        QCOMPARE(read.value ? QString::number(*read.value) : read.refusal, result);
    }

    // The most runs a job holds, one after another and then back to the start, are checked whole.
    void longestChain()
    {
        QList<PipeRun> runs;
        for (qsizetype i = 0; i < MaxRuns - 1; ++i)
            runs << PipeRun {i == 0 ? OutdoorUnit.toString() : QString::number(i), QString::number(i + 1), 0,
                2, 100, 0, {}};
        const Checks chain = Check(runs, {});
        QCOMPARE(chain.longestPath, Sum(runs, 0).total);
        runs << PipeRun {QString::number(MaxRuns - 1), OutdoorUnit.toString(), 0, 2, 100, 0, {}};
        const Checks loop = Check(runs, {});
        QCOMPARE(loop.inLoop.size(), MaxRuns);
        QCOMPARE(loop.longestPath, 0);
    }

    // A line per model, trimmed, in the order the models first appear, at the price the job keeps.
    void jointLines()
    {
        const QList<PipeRun> runs {TypedRun(u"室外机>A|9.53/19.05|2|1|FQ01B"_qs),
            TypedRun(u"A>B|6.35/12.7|3|2|FQ01A"_qs), TypedRun(u"A>C|6.35/12.7|3|1"_qs),
            TypedRun(u"B>D|6.35/12.7|3|0|FQ01C"_qs), TypedRun(u"B>E|6.35/12.7|3|1| FQ01B "_qs)};
        const QList<JointLine> expected {
            {u"FQ01B"_qs, 2, 0}, {u"FQ01A"_qs, 2, 45'000'000}, {UnnamedJoint.toString(), 1, 0}};
        QCOMPARE(JointLines(runs, {{u"FQ01A"_qs, 45'000'000}}), expected);
    }
};

QTEST_GUILESS_MAIN(PipingTest)
#include "test_piping.moc"
