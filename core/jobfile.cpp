#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include "job.h"
#include "refrigerant.h"

namespace kalmoro {

namespace {

constexpr QStringView MarkerKey = u"kalmoro-job";
// The versions that brought the rooms, then the pipe runs and another make's outdoor unit.
constexpr int RoomsFormatVersion = 2;
constexpr int PipingFormatVersion = 3;

// How each source is named in the file: a switch, so that the compiler finds a source left out.
QStringView SourceName(JobSource source)
{
    switch (source) {
    case JobSource::Typed:
        return u"typed";
    case JobSource::Refrigerant:
        return u"refrigerant";
    case JobSource::Copper:
        return u"copper";
    case JobSource::Vents:
        return u"vents";
    case JobSource::Piping:
        return u"piping";
    }
    Q_UNREACHABLE();
}

// Every source, to read a name back.
constexpr JobSource Sources[]
    = {JobSource::Typed, JobSource::Refrigerant, JobSource::Copper, JobSource::Vents, JobSource::Piping};
static_assert(
    std::size(Sources) == static_cast<std::size_t>(LastJobSource) + 1, "a source that cannot be read");

QJsonObject LineObject(const JobLine &line)
{
    return {
        {QStringLiteral("description"), line.description},
        {QStringLiteral("quantity"), FormatQuantity(line.quantity)},
        {QStringLiteral("unit"), line.unit},
        {QStringLiteral("unitPrice"), FormatUnitPrice(line.unitPrice)},
        {QStringLiteral("source"), SourceName(line.source).toString()},
    };
}

// Reads the members of the file one by one; the first that is wrong stops it and says why, naming
// the member by its path ("lines[3].quantity").
class JobReader final
{
public:
    const QString &error() const { return m_error; }

    std::optional<QJsonValue> member(
        const QJsonObject &object, const QString &path, const QString &key, QJsonValue::Type type)
    {
        if (!m_error.isEmpty())
            return std::nullopt;
        m_name = path.isEmpty() ? key : path + u'.' + key;
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) {
            fail(QStringLiteral("文件缺少字段 %1。").arg(m_name));
            return std::nullopt;
        }
        if (value.type() != type) {
            fail(QStringLiteral("字段 %1 应为%2。").arg(m_name, TypeName(type)));
            return std::nullopt;
        }
        return value;
    }

    QString text(const QJsonObject &object, const QString &path, const QString &key,
        qsizetype maxLength = MaxTextLength)
    {
        QString text = member(object, path, key, QJsonValue::String).value_or(QJsonValue()).toString();
        if (text.size() > maxLength)
            fail(QStringLiteral("字段 %1 超过 %2 个字的上限。").arg(m_name).arg(maxLength));
        return text;
    }

    bool boolean(const QJsonObject &object, const QString &key)
    {
        return member(object, {}, key, QJsonValue::Bool).value_or(QJsonValue(false)).toBool();
    }

    QJsonObject object(const QJsonObject &object, const QString &key)
    {
        return member(object, {}, key, QJsonValue::Object).value_or(QJsonValue()).toObject();
    }

    // A decimal written as text, of the given decimals, within [low, high].
    qint64 decimal(const QJsonObject &object, const QString &path, const QString &key, int decimals,
        qint64 low, qint64 high)
    {
        const QString written = text(object, path, key);
        if (!m_error.isEmpty())
            return 0;
        const std::optional<qint64> value = ParseDecimal(written, decimals);
        if (!value)
            fail(QStringLiteral("字段 %1 的值“%2”不是数。").arg(m_name, written));
        else if (*value < low || *value > high)
            outOfRange(FormatDecimal(low, decimals, 0), FormatDecimal(high, decimals, 0));
        return m_error.isEmpty() ? *value : 0;
    }

    int integer(const QJsonObject &object, const QString &path, const QString &key, int low, int high)
    {
        const double number
            = member(object, path, key, QJsonValue::Double).value_or(QJsonValue(0)).toDouble();
        if (number != std::floor(number))
            fail(QStringLiteral("字段 %1 应为整数。").arg(m_name));
        else if (number < low || number > high)
            outOfRange(QString::number(low), QString::number(high));
        return m_error.isEmpty() ? int(number) : 0;
    }

    QDate date(const QJsonObject &object, const QString &key)
    {
        const QString written = text(object, {}, key);
        const QDate date = QDate::fromString(written, Qt::ISODate);
        if (m_error.isEmpty() && !written.isEmpty() && !date.isValid())
            fail(QStringLiteral("字段 %1 的值“%2”不是日期（应如 2026-12-07）。").arg(m_name, written));
        return date;
    }

    JobSource source(const QJsonObject &object, const QString &path)
    {
        const QString written = text(object, path, QStringLiteral("source"));
        const auto *known = std::find_if(std::begin(Sources), std::end(Sources),
            [&written](JobSource candidate) { return SourceName(candidate) == written; });
        if (known == std::end(Sources)) {
            fail(QStringLiteral("字段 %1 的值“%2”不是已知的来源。").arg(m_name, written));
            return JobSource::Typed;
        }
        return *known;
    }

    void fail(const QString &message)
    {
        if (m_error.isEmpty())
            m_error = message;
    }

private:
    static QString TypeName(QJsonValue::Type type)
    {
        switch (type) {
        case QJsonValue::String:
            return QStringLiteral("文本");
        case QJsonValue::Double:
            return QStringLiteral("数");
        case QJsonValue::Object:
            return QStringLiteral("对象");
        case QJsonValue::Bool:
            return QStringLiteral("真或假");
        default:
            return QStringLiteral("数组");
        }
    }

    void outOfRange(const QString &low, const QString &high)
    {
        fail(QStringLiteral("字段 %1 超出范围（%2 至 %3）。").arg(m_name, low, high));
    }

    QString m_error;
    QString m_name; // of the member read last
};

JobLine ReadLine(JobReader &reader, const QJsonValue &value, qsizetype index)
{
    const QString path = QStringLiteral("lines[%1]").arg(index);
    if (!value.isObject())
        reader.fail(QStringLiteral("字段 %1 应为对象。").arg(path));
    const QJsonObject object = value.toObject();
    JobLine line;
    line.description = reader.text(object, path, QStringLiteral("description"));
    line.quantity
        = reader.decimal(object, path, QStringLiteral("quantity"), MilliDecimals, -MaxQuantity, MaxQuantity);
    line.unit = reader.text(object, path, QStringLiteral("unit"));
    line.unitPrice = reader.decimal(
        object, path, QStringLiteral("unitPrice"), MicroYuanDecimals, -MaxUnitPrice, MaxUnitPrice);
    line.source = reader.source(object, path);
    return line;
}

QJsonObject RoomObject(const rooms::Room &room)
{
    const auto decimal = [](rooms::Centi value) { return FormatDecimal(value, rooms::CentiDecimals, 0); };
    return {
        {QStringLiteral("name"), room.name},
        {QStringLiteral("type"), room.type},
        {QStringLiteral("area"), decimal(room.area)},
        {QStringLiteral("index"), decimal(room.index)},
        {QStringLiteral("unitModel"), room.unit.model},
        {QStringLiteral("unitCapacity"), decimal(room.unit.capacity)},
        {QStringLiteral("unitCount"), room.unit.count},
    };
}

// A room's area and its unit's capacity are 0 until the user types them.
rooms::Room ReadRoom(JobReader &reader, const QJsonValue &value, qsizetype index)
{
    const QString path = QStringLiteral("rooms[%1]").arg(index);
    if (!value.isObject())
        reader.fail(QStringLiteral("字段 %1 应为对象。").arg(path));
    const QJsonObject object = value.toObject();
    rooms::Room room;
    room.name = reader.text(object, path, QStringLiteral("name"));
    room.type = reader.text(object, path, QStringLiteral("type"));
    room.area = reader.decimal(object, path, QStringLiteral("area"), rooms::CentiDecimals, 0, rooms::MaxArea);
    room.index = reader.decimal(
        object, path, QStringLiteral("index"), rooms::CentiDecimals, rooms::MinIndex, rooms::MaxIndex);
    room.unit.model = reader.text(object, path, QStringLiteral("unitModel"));
    room.unit.capacity = reader.decimal(
        object, path, QStringLiteral("unitCapacity"), rooms::CentiDecimals, 0, rooms::MaxCapacity);
    room.unit.count
        = reader.integer(object, path, QStringLiteral("unitCount"), rooms::MinUnits, rooms::MaxUnits);
    return room;
}

void ReadRooms(JobReader &reader, const QJsonObject &root, Job &job)
{
    const QJsonArray list = reader.member(root, {}, QStringLiteral("rooms"), QJsonValue::Array)
                                .value_or(QJsonValue())
                                .toArray();
    if (list.size() > rooms::MaxRooms)
        reader.fail(
            QStringLiteral("报价单有 %1 个房间，超过 %2 个的上限。").arg(list.size()).arg(rooms::MaxRooms));
    for (qsizetype i = 0; i < list.size() && reader.error().isEmpty(); ++i)
        job.rooms.append(ReadRoom(reader, list.at(i), i));
    job.diversity = reader.decimal(root, {}, QStringLiteral("diversity"), rooms::CentiDecimals,
        rooms::MinDiversity, rooms::MaxDiversity);
    job.outdoorModel = reader.text(root, {}, QStringLiteral("outdoorModel"));
    const bool known = std::any_of(refrigerant::OutdoorModels.cbegin(), refrigerant::OutdoorModels.cend(),
        [&job](const refrigerant::OutdoorModel &model) { return model.name == job.outdoorModel; });
    if (!job.outdoorModel.isEmpty() && !known) {
        reader.fail(
            QStringLiteral("字段 outdoorModel 的值“%1”不是加氟计算器的室外机型号。").arg(job.outdoorModel));
    }
}

QJsonObject RunObject(const piping::PipeRun &run)
{
    return {
        {QStringLiteral("from"), run.from},
        {QStringLiteral("to"), run.to},
        {QStringLiteral("liquid"), piping::DiameterText(std::size_t(run.liquid))},
        {QStringLiteral("gas"), piping::DiameterText(std::size_t(run.gas))},
        {QStringLiteral("length"), FormatDecimal(run.length, piping::CentiDecimals, 0)},
        {QStringLiteral("joints"), run.joints},
        {QStringLiteral("jointModel"), run.jointModel},
    };
}

piping::PipeRun ReadRun(JobReader &reader, const QJsonValue &value, qsizetype index)
{
    const QString path = QStringLiteral("runs[%1]").arg(index);
    if (!value.isObject())
        reader.fail(QStringLiteral("字段 %1 应为对象。").arg(path));
    const QJsonObject object = value.toObject();
    piping::PipeRun run;
    run.from = reader.text(object, path, QStringLiteral("from"));
    run.to = reader.text(object, path, QStringLiteral("to"));
    for (const bool liquid : {true, false}) {
        const QString key = liquid ? QStringLiteral("liquid") : QStringLiteral("gas");
        const QString written = reader.text(object, path, key);
        const piping::CellValue row = piping::ReadDiameter(written, liquid);
        if (reader.error().isEmpty() && !row.value)
            reader.fail(QStringLiteral("字段 %1.%2：%3。").arg(path, key, row.refusal));
        (liquid ? run.liquid : run.gas) = int(row.value.value_or(0));
    }
    run.length
        = reader.decimal(object, path, QStringLiteral("length"), piping::CentiDecimals, 0, piping::MaxLength);
    run.joints = reader.integer(object, path, QStringLiteral("joints"), 0, piping::MaxJoints);
    run.jointModel = reader.text(object, path, QStringLiteral("jointModel"));
    return run;
}

QJsonArray ReadList(JobReader &reader, const QJsonObject &root, const QString &key)
{
    const QJsonArray list = reader.member(root, {}, key, QJsonValue::Array).value_or(QJsonValue()).toArray();
    if (list.size() > piping::MaxRuns)
        reader.fail(QStringLiteral("字段 %1 有 %2 项，超过 %3 项的上限。")
                        .arg(key)
                        .arg(list.size())
                        .arg(piping::MaxRuns));
    return list;
}

void ReadPiping(JobReader &reader, const QJsonObject &root, Job &job)
{
    const QJsonArray runs = ReadList(reader, root, QStringLiteral("runs"));
    for (qsizetype i = 0; i < runs.size() && reader.error().isEmpty(); ++i)
        job.runs.append(ReadRun(reader, runs.at(i), i));
    job.allowance = reader.decimal(
        root, {}, QStringLiteral("allowance"), piping::CentiDecimals, 0, piping::MaxAllowance);
    const QJsonArray prices = ReadList(reader, root, QStringLiteral("jointPrices"));
    for (qsizetype i = 0; i < prices.size() && reader.error().isEmpty(); ++i) {
        const QString path = QStringLiteral("jointPrices[%1]").arg(i);
        if (!prices.at(i).isObject())
            reader.fail(QStringLiteral("字段 %1 应为对象。").arg(path));
        const QJsonObject price = prices.at(i).toObject();
        piping::JointPrice kept;
        kept.model = reader.text(price, path, QStringLiteral("model"));
        kept.unitPrice
            = reader.decimal(price, path, QStringLiteral("unitPrice"), MicroYuanDecimals, 0, MaxUnitPrice);
        job.jointPrices.append(kept);
    }
}

// Another make's outdoor unit, chosen in place of the page's models.
void ReadOtherOutdoor(JobReader &reader, const QJsonObject &root, Job &job)
{
    job.otherOutdoorChosen = reader.boolean(root, QStringLiteral("otherOutdoorChosen"));
    job.otherOutdoorModel = reader.text(root, {}, QStringLiteral("otherOutdoorModel"));
    job.otherOutdoorCapacity = reader.decimal(
        root, {}, QStringLiteral("otherOutdoorCapacity"), rooms::CentiDecimals, 0, rooms::MaxCapacity);
    if (reader.error().isEmpty() && job.otherOutdoorChosen && !job.outdoorModel.isEmpty()) {
        reader.fail(QStringLiteral("字段 outdoorModel 与 otherOutdoorChosen 选了两台室外机，只能选一台。"));
    }
}

} // namespace

QByteArray WriteJob(const Job &job)
{
    QJsonArray lines;
    for (const JobLine &line : job.lines)
        lines.append(LineObject(line));
    QJsonArray roomList;
    for (const rooms::Room &room : job.rooms)
        roomList.append(RoomObject(room));
    QJsonArray runs;
    for (const piping::PipeRun &run : job.runs)
        runs.append(RunObject(run));
    QJsonArray jointPrices;
    for (const piping::JointPrice &price : job.jointPrices) {
        jointPrices.append(QJsonObject {{QStringLiteral("model"), price.model},
            {QStringLiteral("unitPrice"), FormatUnitPrice(price.unitPrice)}});
    }
    const QJsonObject body {
        {QStringLiteral("customer"),
            QJsonObject {{QStringLiteral("name"), job.customer.name},
                {QStringLiteral("phone"), job.customer.phone},
                {QStringLiteral("address"), job.customer.address}}},
        {QStringLiteral("site"), job.site},
        {QStringLiteral("dealer"),
            QJsonObject {{QStringLiteral("company"), job.dealer.company},
                {QStringLiteral("contact"), job.dealer.contact},
                {QStringLiteral("phone"), job.dealer.phone}}},
        {QStringLiteral("date"), job.date.toString(Qt::ISODate)},
        {QStringLiteral("validityDays"), job.validityDays},
        {QStringLiteral("notes"), job.notes},
        {QStringLiteral("lines"), lines},
        {QStringLiteral("discount"), FormatYuan(job.discount)},
        {QStringLiteral("taxRate"), FormatTaxRate(job.taxRate)},
        {QStringLiteral("refrigerantUnitPrice"), FormatUnitPrice(job.refrigerantUnitPrice)},
        {QStringLiteral("rooms"), roomList},
        {QStringLiteral("diversity"), FormatDecimal(job.diversity, rooms::CentiDecimals, 0)},
        {QStringLiteral("outdoorModel"), job.outdoorModel},
        {QStringLiteral("runs"), runs},
        {QStringLiteral("allowance"), FormatDecimal(job.allowance, piping::CentiDecimals, 0)},
        {QStringLiteral("jointPrices"), jointPrices},
        {QStringLiteral("otherOutdoorChosen"), job.otherOutdoorChosen},
        {QStringLiteral("otherOutdoorModel"), job.otherOutdoorModel},
        {QStringLiteral("otherOutdoorCapacity"),
            FormatDecimal(job.otherOutdoorCapacity, rooms::CentiDecimals, 0)},
    };
    // QJsonObject orders its members by name; the marker is put first by hand, so that the file
    // manager's magic finds it at the start of the file.
    QByteArray text = QJsonDocument(body).toJson(QJsonDocument::Indented);
    const QByteArray marker
        = "\n    \"" + MarkerKey.toUtf8() + "\": " + QByteArray::number(JobFormatVersion) + ',';
    return text.insert(1, marker);
}

JobReadResult ReadJob(const QByteArray &data)
{
    if (data.size() > MaxJobFileBytes) {
        return {std::nullopt,
            QStringLiteral("文件有 %1 MB，超过 %2 MB 的上限。")
                .arg(QString::number(double(data.size()) / (1024 * 1024), 'f', 1))
                .arg(MaxJobFileBytes / (1024 * 1024))};
    }
    if (data.trimmed().isEmpty())
        return {std::nullopt, QStringLiteral("文件是空的。")};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt,
            QStringLiteral("文件不是 JSON 格式（第 %1 个字节附近有误）。").arg(parseError.offset)};
    const QJsonObject root = document.object();
    if (!root.contains(MarkerKey))
        return {std::nullopt, QStringLiteral("文件不是报价单：缺少 %1 标记。").arg(MarkerKey)};

    JobReader reader;
    const double version = reader.member(root, {}, MarkerKey.toString(), QJsonValue::Double)
                               .value_or(QJsonValue(0))
                               .toDouble();
    const bool known
        = version == std::floor(version) && version >= OldestJobFormatVersion && version <= JobFormatVersion;
    if (reader.error().isEmpty() && !known) {
        reader.fail(QStringLiteral("报价单的格式版本为 %1，本程序只能打开版本 %2 至 %3。")
                        .arg(QString::number(version))
                        .arg(OldestJobFormatVersion)
                        .arg(JobFormatVersion));
    }
    const int format = reader.error().isEmpty() ? int(version) : 0;
    Job job;
    const QJsonObject customer = reader.object(root, QStringLiteral("customer"));
    job.customer.name = reader.text(customer, QStringLiteral("customer"), QStringLiteral("name"));
    job.customer.phone = reader.text(customer, QStringLiteral("customer"), QStringLiteral("phone"));
    job.customer.address = reader.text(customer, QStringLiteral("customer"), QStringLiteral("address"));
    job.site = reader.text(root, {}, QStringLiteral("site"));
    const QJsonObject dealer = reader.object(root, QStringLiteral("dealer"));
    job.dealer.company = reader.text(dealer, QStringLiteral("dealer"), QStringLiteral("company"));
    job.dealer.contact = reader.text(dealer, QStringLiteral("dealer"), QStringLiteral("contact"));
    job.dealer.phone = reader.text(dealer, QStringLiteral("dealer"), QStringLiteral("phone"));
    job.date = reader.date(root, QStringLiteral("date"));
    job.validityDays = reader.integer(root, {}, QStringLiteral("validityDays"), 0, MaxValidityDays);
    job.notes = reader.text(root, {}, QStringLiteral("notes"), MaxNotesLength);
    job.discount
        = reader.decimal(root, {}, QStringLiteral("discount"), FenDecimals, -MaxDiscount, MaxDiscount);
    job.taxRate = reader.decimal(root, {}, QStringLiteral("taxRate"), BasisPointDecimals, 0, MaxTaxRate);
    job.refrigerantUnitPrice = reader.decimal(
        root, {}, QStringLiteral("refrigerantUnitPrice"), MicroYuanDecimals, 0, MaxUnitPrice);
    const QJsonArray lines = reader.member(root, {}, QStringLiteral("lines"), QJsonValue::Array)
                                 .value_or(QJsonValue())
                                 .toArray();
    if (lines.size() > MaxJobLines)
        reader.fail(QStringLiteral("报价单有 %1 行，超过 %2 行的上限。").arg(lines.size()).arg(MaxJobLines));
    for (qsizetype i = 0; i < lines.size() && reader.error().isEmpty(); ++i)
        job.lines.append(ReadLine(reader, lines.at(i), i));
    if (reader.error().isEmpty() && format >= RoomsFormatVersion)
        ReadRooms(reader, root, job);
    if (reader.error().isEmpty() && format >= PipingFormatVersion) {
        ReadOtherOutdoor(reader, root, job);
        ReadPiping(reader, root, job);
    }
    if (!reader.error().isEmpty())
        return {std::nullopt, reader.error()};
    return {std::move(job), {}};
}

} // namespace kalmoro
