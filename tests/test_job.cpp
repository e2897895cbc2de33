#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "job.h"

using namespace kalmoro;

namespace {

// "quantity×unit price" as typed.
JobLine TypedLine(const QString &written)
{
    const QStringList parts = written.split(u'×');
    return {u"项目"_qs, ParseDecimal(parts[0], MilliDecimals).value(), u"个"_qs,
        ParseDecimal(parts[1], MicroYuanDecimals).value(), JobSource::Typed};
}

Job SampleJob()
{
    Job job;
    job.customer = {u"王先生"_qs, u"138 0000 0000"_qs, u"幸福路 1 号"_qs};
    job.site = u"三楼 \"A\" 座"_qs;
    job.dealer = {u"暖通<工程>公司"_qs, u"李工"_qs, u"0571-0000000"_qs};
    job.date = QDate(2026, 12, 7);
    job.validityDays = 30;
    job.notes = u"含安装\n不含拆旧"_qs;
    job.lines = {{u"冷媒"_qs, 12'345, u"KG"_qs, 65'000'000, JobSource::Refrigerant},
        {u"Φ6.35铜管"_qs, 10'500, u"米"_qs, 81'576'000, JobSource::Copper},
        {u"出风口"_qs, 1'000, u"个"_qs, 120'500'000, JobSource::Vents},
        {u"人工"_qs, -2'000, u"天"_qs, 300'000'001, JobSource::Typed}};
    job.discount = 5'050;
    job.taxRate = 650;
    job.refrigerantUnitPrice = 65'000'000;
    job.rooms = {{u"主卧"_qs, u"卧室"_qs, 1'850, 15'000, {u"KFR-35GW"_qs, 350, 1}},
        {u"\"影音\"室"_qs, u"自定义"_qs, 2'005, 17'550, {u"风管机"_qs, 280, 2}}};
    job.diversity = 75;
    job.outdoorModel = u"GMV-250W/A"_qs;
    job.runs = {{u"室外机"_qs, u"A"_qs, 2, 7, 1'000, 1, u"FQ01A"_qs},
        {u" A"_qs, u"主卧 KFR-35GW"_qs, 1, 4, 555, 0, {}}};
    job.allowance = 1'050;
    job.jointPrices = {{u"FQ01A"_qs, 45'500'000}};
    job.otherOutdoorModel = u"RXYQ10 \"B\""_qs;
    job.otherOutdoorCapacity = 2'800;
    return job;
}

// The sample job's file with one member changed, or removed when value is undefined; the member of
// the second of list ("lines", "rooms") when list is given.
QByteArray Edited(const QString &key, const QJsonValue &value, const QString &list = {})
{
    const auto edit = [&key, &value](QJsonObject &object) {
        if (value.isUndefined())
            object.remove(key);
        else
            object.insert(key, value);
    };
    QJsonObject root = QJsonDocument::fromJson(WriteJob(SampleJob())).object();
    if (list.isEmpty()) {
        edit(root);
        return QJsonDocument(root).toJson();
    }
    QJsonArray elements = root.value(list).toArray();
    QJsonObject second = elements.at(1).toObject();
    edit(second);
    elements.replace(1, second);
    root.insert(list, elements);
    return QJsonDocument(root).toJson();
}

} // namespace

// The job's money is exact: amounts round half away from zero to the fen once per line, the tax once
// on the discounted subtotal, and nothing drifts however many lines are summed.
class JobTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void totals_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("taxRate");
        QTest::addColumn<QStringList>("expected"); // subtotal, tax, total

        QTest::newRow("half a fen rounds up") << QStringList {u"1×0.125"_qs} << 1 << u"0"_qs << u"0"_qs
                                              << QStringList {u"0.13"_qs, u"0.00"_qs, u"0.13"_qs};
        QTest::newRow("just under half rounds down")
            << QStringList {u"3×0.041666"_qs} << 1 << u"0"_qs << u"0"_qs
            << QStringList {u"0.12"_qs, u"0.00"_qs, u"0.12"_qs};
        QTest::newRow("each line rounded before the sum") << QStringList {u"1×0.125"_qs,
            u"1×0.125"_qs} << 1 << u"0"_qs << u"0"_qs << QStringList {u"0.26"_qs, u"0.00"_qs, u"0.26"_qs};
        QTest::newRow("metres at a computed price")
            << QStringList {u"12.345×97.919999"_qs} << 1 << u"0"_qs << u"0"_qs
            << QStringList {u"1208.82"_qs, u"0.00"_qs, u"1208.82"_qs};
        QTest::newRow("a return rounds away from zero") << QStringList {
            u"-1×0.125"_qs} << 1 << u"0"_qs << u"0"_qs << QStringList {u"-0.13"_qs, u"0.00"_qs, u"-0.13"_qs};
        QTest::newRow("discount, then tax")
            << QStringList {u"2×100"_qs, u"1×50.5"_qs} << 1 << u"0.50"_qs << u"6"_qs
            << QStringList {u"250.50"_qs, u"15.00"_qs, u"265.00"_qs};
        QTest::newRow("tax rounds half up") << QStringList {u"1×0.25"_qs} << 1 << u"0"_qs << u"6"_qs
                                            << QStringList {u"0.25"_qs, u"0.02"_qs, u"0.27"_qs};
        QTest::newRow("a fractional tax rate") << QStringList {u"1×1000"_qs} << 1 << u"0"_qs << u"6.55"_qs
                                               << QStringList {u"1000.00"_qs, u"65.50"_qs, u"1065.50"_qs};
        QTest::newRow("many dimes do not drift") << QStringList {u"1×0.1"_qs} << 10'000 << u"0"_qs << u"0"_qs
                                                 << QStringList {u"1000.00"_qs, u"0.00"_qs, u"1000.00"_qs};
        QTest::newRow("the most lines at the bounds")
            << QStringList {u"1000000×1000000"_qs} << 10'000 << u"0"_qs << u"100"_qs
            << QStringList {
                   u"10000000000000000.00"_qs, u"10000000000000000.00"_qs, u"20000000000000000.00"_qs};
    }

    void totals()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, copies);
        QFETCH(QString, discount);
        QFETCH(QString, taxRate);
        QFETCH(QStringList, expected);

        Job job;
        for (int copy = 0; copy < copies; ++copy) {
            for (const QString &line : lines)
                job.lines << TypedLine(line);
        }
        job.discount = ParseDecimal(discount, FenDecimals).value();
        job.taxRate = ParseDecimal(taxRate, BasisPointDecimals).value();
        const JobTotals totals = Totals(job);
        QCOMPARE(
            (QStringList {FormatYuan(totals.subtotal), FormatYuan(totals.tax), FormatYuan(totals.total)}),
            expected);
        QCOMPARE(totals.subtotal - totals.discount + totals.tax, totals.total);
    }

    // Typed numbers and numbers a page computed, as exact decimals.
    void decimals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("computed"); // the same number as a page holds it
        QTest::addColumn<QString>("expected"); // of two decimals; empty for none

        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("plain") << u" 12.5 "_qs << 12.5 << u"12.50"_qs;
        QTest::newRow("half rounds up") << u"0.145"_qs << 0.145 << u"0.15"_qs;
        QTest::newRow("a product a page computed") << u"97.92"_qs << 81.6 * 1.2 << u"97.92"_qs;
        QTest::newRow("under half") << u"0.14499"_qs << 0.14499 << u"0.14"_qs;
        QTest::newRow("negative") << u"-1.005"_qs << -1.005 << u"-1.01"_qs;
        QTest::newRow("full-width") << u"１２．５"_qs << 12.5 << u"12.50"_qs;
        QTest::newRow("leading point") << u".5"_qs << .5 << u"0.50"_qs;
        QTest::newRow("exponent") << u"1e3"_qs << nan << QString();
        QTest::newRow("thousands separator") << u"1,000"_qs << nan << QString();
        QTest::newRow("sign alone") << u"-"_qs << nan << QString();
        QTest::newRow("point alone") << u"."_qs << nan << QString();
        QTest::newRow("empty") << QString() << std::numeric_limits<double>::infinity() << QString();
        QTest::newRow("too large") << u"99999999999999999.99"_qs << 1e300 << QString();
    }

    void decimals()
    {
        QFETCH(QString, text);
        QFETCH(double, computed);
        QFETCH(QString, expected);

        const auto shown = [](std::optional<qint64> value) { return value ? FormatYuan(*value) : QString(); };
        QCOMPARE(shown(ParseDecimal(text, FenDecimals)), expected);
        QCOMPARE(shown(DecimalFromDouble(computed, FenDecimals)), expected);
    }

    // Adding a page again puts its new lines where its old ones stood; other lines stay.
    void replacesSourceLines_data()
    {
        QTest::addColumn<QString>("before"); // a letter a line: T typed, C copper, R refrigerant
        QTest::addColumn<int>("added"); // copper lines added
        QTest::addColumn<QString>("after"); // n for a new copper line

        QTest::newRow("first time, at the end") << u"TR"_qs << 2 << u"TRnn"_qs;
        QTest::newRow("again, in place") << u"TCRCT"_qs << 3 << u"TnnnRT"_qs;
        QTest::newRow("again, with none") << u"CCT"_qs << 0 << u"T"_qs;
    }

    void replacesSourceLines()
    {
        QFETCH(QString, before);
        QFETCH(int, added);
        QFETCH(QString, after);

        const auto source = [](QChar letter) {
            return letter == u'C' || letter == u'n'
                ? JobSource::Copper
                : (letter == u'R' ? JobSource::Refrigerant : JobSource::Typed);
        };
        Job job;
        for (QChar letter : before)
            job.lines << JobLine {letter, 0, {}, 0, source(letter)};
        ReplaceSourceLines(
            job, JobSource::Copper, QList<JobLine>(added, JobLine {u"n"_qs, 0, {}, 0, JobSource::Copper}));
        QString letters;
        for (const JobLine &line : job.lines)
            letters += line.description;
        QCOMPARE(letters, after);
        QCOMPARE(HasSourceLines(job, JobSource::Copper), added > 0);
    }

    void roundTrip_data()
    {
        QTest::addColumn<Job>("job");

        QTest::newRow("every member, markup and line breaks") << SampleJob();
        Job otherMake = SampleJob();
        otherMake.outdoorModel.clear();
        otherMake.otherOutdoorChosen = true;
        QTest::newRow("another make's outdoor unit") << otherMake;
        QTest::newRow("new and blank") << Job {};
    }

    void roundTrip()
    {
        QFETCH(Job, job);

        const QByteArray file = WriteJob(job);
        QVERIFY2(file.left(64).contains("\"kalmoro-job\": 3,"), file.left(64).constData());
        const JobReadResult read = ReadJob(file);
        QCOMPARE(read.error, QString());
        QVERIFY(read.job == job);
    }

    // A file of an earlier version opens as the job it was, without what later versions added;
    // what it may hold of them is not read.
    void opensEarlierVersions_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QStringList>("removed");

        QTest::newRow("1, before rooms")
            << 1
            << QStringList {u"diversity"_qs, u"outdoorModel"_qs, u"otherOutdoorCapacity"_qs, u"allowance"_qs};
        QTest::newRow("2, before pipe runs and another make's outdoor unit")
            << 2 << QStringList {u"otherOutdoorCapacity"_qs, u"allowance"_qs, u"jointPrices"_qs};
    }

    void opensEarlierVersions()
    {
        QFETCH(int, version);
        QFETCH(QStringList, removed);

        QJsonObject root = QJsonDocument::fromJson(Edited(u"kalmoro-job"_qs, version)).object();
        root.insert(u"runs"_qs, u"not read"_qs);
        root.insert(u"otherOutdoorChosen"_qs, u"not read"_qs);
        if (version < 2)
            root.insert(u"rooms"_qs, u"not read"_qs);
        for (const QString &key : removed)
            root.remove(key);
        const JobReadResult read = ReadJob(QJsonDocument(root).toJson());
        QCOMPARE(read.error, QString());
        Job before = SampleJob();
        before.runs.clear();
        before.allowance = 0;
        before.jointPrices.clear();
        before.otherOutdoorModel.clear();
        before.otherOutdoorCapacity = 0;
        if (version < 2) {
            before.rooms.clear();
            before.diversity = rooms::DefaultDiversity;
            before.outdoorModel.clear();
        }
        QVERIFY(read.job == before);
    }

    void refuses_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");

        QTest::newRow("over 10 MB") << QByteArray(MaxJobFileBytes + 1, ' ')
                                    << u"文件有 10.0 MB，超过 10 MB 的上限。"_qs;
        QTest::newRow("empty") << QByteArray("\n") << u"文件是空的。"_qs;
        QTest::newRow("not JSON") << QByteArray("报价") << u"文件不是 JSON 格式（第 1 个字节附近有误）。"_qs;
        QTest::newRow("an array") << QByteArray("[1]") << u"文件不是报价单：缺少 kalmoro-job 标记。"_qs;
        QTest::newRow("no marker") << Edited(u"kalmoro-job"_qs, QJsonValue::Undefined)
                                   << u"文件不是报价单：缺少 kalmoro-job 标记。"_qs;
        QTest::newRow("a later version")
            << Edited(u"kalmoro-job"_qs, 4) << u"报价单的格式版本为 4，本程序只能打开版本 1 至 3。"_qs;
        QTest::newRow("version 2.5") << Edited(u"kalmoro-job"_qs, 2.5)
                                     << u"报价单的格式版本为 2.5，本程序只能打开版本 1 至 3。"_qs;
        QTest::newRow("version as text")
            << Edited(u"kalmoro-job"_qs, u"1"_qs) << u"字段 kalmoro-job 应为数。"_qs;
        QTest::newRow("missing member")
            << Edited(u"site"_qs, QJsonValue::Undefined) << u"文件缺少字段 site。"_qs;
        QTest::newRow("customer not an object")
            << Edited(u"customer"_qs, u"王"_qs) << u"字段 customer 应为对象。"_qs;
        QTest::newRow("lines not an array")
            << Edited(u"lines"_qs, QJsonObject {}) << u"字段 lines 应为数组。"_qs;
        QTest::newRow("quantity as a number")
            << Edited(u"quantity"_qs, 10.5, u"lines"_qs) << u"字段 lines[1].quantity 应为文本。"_qs;
        QTest::newRow("price not a number") << Edited(u"unitPrice"_qs, u"八十"_qs, u"lines"_qs)
                                            << u"字段 lines[1].unitPrice 的值“八十”不是数。"_qs;
        QTest::newRow("quantity out of range") << Edited(u"quantity"_qs, u"1000000.001"_qs,
            u"lines"_qs) << u"字段 lines[1].quantity 超出范围（-1000000 至 1000000）。"_qs;
        QTest::newRow("unknown source") << Edited(u"source"_qs, u"pump"_qs, u"lines"_qs)
                                        << u"字段 lines[1].source 的值“pump”不是已知的来源。"_qs;
        QTest::newRow("a line not an object")
            << Edited(u"lines"_qs, QJsonArray {1}) << u"字段 lines[0] 应为对象。"_qs;
        QTest::newRow("bad date") << Edited(u"date"_qs, u"2026-13-01"_qs)
                                  << u"字段 date 的值“2026-13-01”不是日期（应如 2026-12-07）。"_qs;
        QTest::newRow("fractional days")
            << Edited(u"validityDays"_qs, 1.5) << u"字段 validityDays 应为整数。"_qs;
        QTest::newRow("negative tax")
            << Edited(u"taxRate"_qs, u"-1"_qs) << u"字段 taxRate 超出范围（0 至 100）。"_qs;
        // Held to what the window lays out at once, however the file's lines run.
        QTest::newRow("notes of one line of 9 M characters")
            << Edited(u"notes"_qs, QString(9'000'000, u'x')) << u"字段 notes 超过 5000 个字的上限。"_qs;
        QTest::newRow("a description over the bound") << Edited(u"description"_qs, QString(501, u'管'),
            u"lines"_qs) << u"字段 lines[1].description 超过 500 个字的上限。"_qs;
        QJsonArray tooMany;
        for (qsizetype i = 0; i <= MaxJobLines; ++i)
            tooMany.append(QJsonObject {});
        QTest::newRow("over 10,000 lines")
            << Edited(u"lines"_qs, tooMany) << u"报价单有 10001 行，超过 10000 行的上限。"_qs;
        QTest::newRow("rooms missing")
            << Edited(u"rooms"_qs, QJsonValue::Undefined) << u"文件缺少字段 rooms。"_qs;
        QTest::newRow("a room not an object")
            << Edited(u"rooms"_qs, QJsonArray {u"卧室"_qs}) << u"字段 rooms[0] 应为对象。"_qs;
        QTest::newRow("negative area") << Edited(u"area"_qs, u"-1"_qs, u"rooms"_qs)
                                       << u"字段 rooms[1].area 超出范围（0 至 100000）。"_qs;
        QTest::newRow("index over 1000") << Edited(u"index"_qs, u"1000.01"_qs, u"rooms"_qs)
                                         << u"字段 rooms[1].index 超出范围（20 至 1000）。"_qs;
        QTest::newRow("capacity as a number")
            << Edited(u"unitCapacity"_qs, 2.8, u"rooms"_qs) << u"字段 rooms[1].unitCapacity 应为文本。"_qs;
        QTest::newRow("half a unit") << Edited(u"unitCount"_qs, 1.5, u"rooms"_qs)
                                     << u"字段 rooms[1].unitCount 应为整数。"_qs;
        QTest::newRow("100 units") << Edited(u"unitCount"_qs, 100, u"rooms"_qs)
                                   << u"字段 rooms[1].unitCount 超出范围（1 至 99）。"_qs;
        QTest::newRow("diversity 0.4")
            << Edited(u"diversity"_qs, u"0.4"_qs) << u"字段 diversity 超出范围（0.5 至 1）。"_qs;
        QTest::newRow("unknown outdoor unit") << Edited(u"outdoorModel"_qs,
            u"GMV-999W/A"_qs) << u"字段 outdoorModel 的值“GMV-999W/A”不是加氟计算器的室外机型号。"_qs;
        QTest::newRow("runs missing")
            << Edited(u"runs"_qs, QJsonValue::Undefined) << u"文件缺少字段 runs。"_qs;
        QTest::newRow("a liquid pipe of the copper page only") << Edited(u"liquid"_qs, u"31.75"_qs,
            u"runs"_qs) << u"字段 runs[1].liquid：液管管径“31.75”不是加氟计算中的液管。"_qs;
        QTest::newRow("a gas pipe of no page") << Edited(u"gas"_qs, u"10"_qs, u"runs"_qs)
                                               << u"字段 runs[1].gas：气管管径“10”不是铜管价格中的管径。"_qs;
        QTest::newRow("a negative length") << Edited(u"length"_qs, u"-0.01"_qs, u"runs"_qs)
                                           << u"字段 runs[1].length 超出范围（0 至 1000）。"_qs;
        QTest::newRow("100 joints") << Edited(u"joints"_qs, 100, u"runs"_qs)
                                    << u"字段 runs[1].joints 超出范围（0 至 99）。"_qs;
        QTest::newRow("allowance over 100 %")
            << Edited(u"allowance"_qs, u"100.5"_qs) << u"字段 allowance 超出范围（0 至 100）。"_qs;
        QTest::newRow("a joint price not an object")
            << Edited(u"jointPrices"_qs, QJsonArray {1}) << u"字段 jointPrices[0] 应为对象。"_qs;
        QTest::newRow("another make's unit missing") << Edited(u"otherOutdoorModel"_qs, QJsonValue::Undefined)
                                                     << u"文件缺少字段 otherOutdoorModel。"_qs;
        QTest::newRow("another make chosen as text")
            << Edited(u"otherOutdoorChosen"_qs, u"是"_qs) << u"字段 otherOutdoorChosen 应为真或假。"_qs;
        QTest::newRow("another make's capacity negative") << Edited(
            u"otherOutdoorCapacity"_qs, u"-3"_qs) << u"字段 otherOutdoorCapacity 超出范围（0 至 1000）。"_qs;
        QTest::newRow("two outdoor units chosen") << Edited(u"otherOutdoorChosen"_qs,
            true) << u"字段 outdoorModel 与 otherOutdoorChosen 选了两台室外机，只能选一台。"_qs;
    }

    void refuses()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);

        const JobReadResult read = ReadJob(file);
        QCOMPARE(read.error, message);
        QVERIFY(!read.job);
    }
};

QTEST_GUILESS_MAIN(JobTest)
#include "test_job.moc"
