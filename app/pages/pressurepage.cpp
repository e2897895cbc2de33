#include "pressurepage.h"

#include <cmath>
#include <vector>

#include <QSignalBlocker>
#include <QTableWidget>

#include "controlresolver.h"
#include "layoutnotes.h"
#include "numbertext.h"
#include "radiostop.h"
#include "spokenresults.h"
#include "widgets/editbox.h"
#include "widgets/radiobutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

using namespace saturation;
using namespace pressurenames;
using namespace layoutnotes;
using namespace palette;

constexpr ParentRef kPage = MainPage(kPressureUnit.page);
constexpr ParentRef kFluidParent {kFluidGroup};
constexpr ParentRef kUnitParent {kUnitGroup};

constexpr Notes kSection {.fontPx = 14, .bold = true, .color = kOrange};
constexpr Notes kResult {.fontPx = 14, .bold = true, .color = kOrange, .align = Align::Centre};
constexpr Notes kNotice {.fontPx = 12, .color = kRed};
constexpr Notes kCurve {.fontPx = 12, .color = kHintGrey, .align = Align::Right};

// The table's temperatures: what installers meet from a heat pump's evaporator in the cold to a
// condenser in the summer sun, every 5 ℃ as the printed charts have it.
constexpr int kTableLowestCelsius = -40;
constexpr int kTableHighestCelsius = 65;
constexpr int kTableStepCelsius = 5;

// Temperatures and their differences are read to a tenth of a degree on a pipe thermometer.
constexpr int kTemperatureDecimals = 1;

const QString kOutOfRange = QStringLiteral("超出范围");
const QString kCelsius = QStringLiteral("℃");
const QString kKelvin = QStringLiteral("K");

// What the user must know of a refrigerant beside its GWP: its ASHRAE 34 safety class in words, and
// whether it is leaving the market.
struct SafetyWords {
    QStringView safetyClass;
    QStringView words;
};
constexpr SafetyWords kSafetyWords[] = {
    {u"A1", u"不可燃"},
    {u"A2L", u"弱可燃"},
    {u"A3", u"高度可燃，只能用于专为其设计的设备"},
};
struct FluidRemark {
    QStringView fluid;
    QStringView remark;
};
// R22 harms the ozone layer: its production is being phased out under the Montreal Protocol.
constexpr FluidRemark kRemarks[] = {{u"R22", u"含氯（HCFC），正在逐步淘汰"}};

// Why a box gives no number, in the words shown beside it.
QString noticeText(NumberFault fault)
{
    switch (fault) {
    case NumberFault::None:
    case NumberFault::Empty:
        return {};
    case NumberFault::NotANumber:
        return QStringLiteral("请输入数字");
    case NumberFault::DecimalComma:
        return QStringLiteral("小数点请用“.”");
    case NumberFault::TooLarge:
        return QStringLiteral("数值过大");
    }
    return {};
}

// A refrigerant's radio is named for it and captioned with its name.
constexpr std::u16string_view kFluidPrefix = u"冷媒";
constexpr std::u16string_view fluidCaption(std::size_t fluid)
{
    return kFluids[fluid].substr(kFluidPrefix.size());
}
constexpr bool radiosFollowFluids()
{
    for (std::size_t i = 0; i < Fluids.size(); ++i) {
        if (!kFluids[i].starts_with(kFluidPrefix)
            || fluidCaption(i)
                != std::u16string_view(Fluids[i].name.utf16(), std::size_t(Fluids[i].name.size())))
            return false;
    }
    return true;
}
static_assert(radiosFollowFluids(), "the radios follow the order of Fluids");

constexpr LayoutRow kRows[] = {
    {u"冷媒标题", Kind::TransparentLabel, kPage, {30, 20, 66, 24}, true, u"冷媒：", {}, kBlackText},
    {kFluidGroup, Kind::GroupBox, kPage, {100, 18, 360, 50}, true, u"", {}, kNone},
    {kFluids[0], Kind::RadioButton, kFluidParent, {0, 3, 85, 20}, true, fluidCaption(0), {}, kNone},
    {kFluids[1], Kind::RadioButton, kFluidParent, {90, 3, 85, 20}, true, fluidCaption(1), {}, kNone},
    {kFluids[2], Kind::RadioButton, kFluidParent, {180, 3, 85, 20}, true, fluidCaption(2), {}, kNone},
    {kFluids[3], Kind::RadioButton, kFluidParent, {270, 3, 85, 20}, true, fluidCaption(3), {}, kNone},
    {kFluids[4], Kind::RadioButton, kFluidParent, {0, 27, 85, 20}, true, fluidCaption(4), {}, kNone},
    {kFluids[5], Kind::RadioButton, kFluidParent, {90, 27, 85, 20}, true, fluidCaption(5), {}, kNone},
    {kFluids[6], Kind::RadioButton, kFluidParent, {180, 27, 85, 20}, true, fluidCaption(6), {}, kNone},
    {kFluids[7], Kind::RadioButton, kFluidParent, {270, 27, 85, 20}, true, fluidCaption(7), {}, kNone},
    {kFluidNote, Kind::TransparentLabel, kPage, {30, 72, 430, 22}, true, u"", {}, kOrangeText},
    {u"单位标题", Kind::TransparentLabel, kPage, {30, 100, 66, 24}, true, u"压力单位：", {}, kBlackText},
    {kUnitGroup, Kind::GroupBox, kPage, {100, 98, 330, 26}, true, u"", {}, kNone},
    {kUnits[0], Kind::RadioButton, kUnitParent, {0, 3, 70, 20}, true, u"MPa", {}, kNone},
    {kUnits[1], Kind::RadioButton, kUnitParent, {80, 3, 70, 20}, true, u"bar", {}, kNone},
    {kUnits[2], Kind::RadioButton, kUnitParent, {160, 3, 90, 20}, true, u"kgf/cm²", {}, kNone},
    {kUnits[3], Kind::RadioButton, kUnitParent, {260, 3, 60, 20}, true, u"psi", {}, kNone},

    {u"换算标题", Kind::TransparentLabel, kPage, {30, 132, 250, 24}, true, u"压力温度换算", {}, kSection},
    {u"换算压力标题", Kind::TransparentLabel, kPage, {30, 162, 72, 24}, true, u"表压力", {}, kBlackText},
    {kConverterPressure, Kind::EditBox, kPage, {105, 160, 90, 23}, true, u"", {}, kCentred},
    {kPressureUnits[0], Kind::TransparentLabel, kPage, {200, 162, 70, 24}, true, u"MPa", {}, kBlackText},
    {u"换算温度标题", Kind::TransparentLabel, kPage, {280, 162, 72, 24}, true, u"饱和温度", {}, kBlackText},
    {kConverterTemperature, Kind::EditBox, kPage, {355, 160, 70, 23}, true, u"", {}, kCentred},
    {u"换算温度单位", Kind::TransparentLabel, kPage, {430, 162, 24, 24}, true, u"℃", {}, kBlackText},
    {kNotices[0], Kind::TransparentLabel, kPage, {105, 184, 170, 17}, true, u"", {}, kNotice},
    {kNotices[1], Kind::TransparentLabel, kPage, {355, 184, 105, 17}, true, u"", {}, kNotice},
    {kGlide, Kind::TransparentLabel, kPage, {30, 202, 420, 24}, true, u"", {}, kOrangeText},

    {u"过热度标题", Kind::TransparentLabel, kPage, {30, 232, 250, 24}, true, u"过热度（低压侧）", {},
        kSection},
    {kSuperheatCurve, Kind::TransparentLabel, kPage, {300, 236, 154, 20}, true, u"", {}, kCurve},
    {u"低压压力标题", Kind::TransparentLabel, kPage, {30, 262, 72, 24}, true, u"低压表压力", {}, kBlackText},
    {kLowPressure, Kind::EditBox, kPage, {105, 260, 90, 23}, true, u"", {}, kCentred},
    {kPressureUnits[1], Kind::TransparentLabel, kPage, {200, 262, 70, 24}, true, u"MPa", {}, kBlackText},
    {u"吸气管温度标题", Kind::TransparentLabel, kPage, {280, 262, 72, 24}, true, u"吸气管温度", {},
        kBlackText},
    {kSuctionTemperature, Kind::EditBox, kPage, {355, 260, 70, 23}, true, u"", {}, kCentred},
    {u"吸气管温度单位", Kind::TransparentLabel, kPage, {430, 262, 24, 24}, true, u"℃", {}, kBlackText},
    {kNotices[2], Kind::TransparentLabel, kPage, {105, 284, 170, 17}, true, u"", {}, kNotice},
    {kNotices[3], Kind::TransparentLabel, kPage, {355, 284, 105, 17}, true, u"", {}, kNotice},
    {u"蒸发温度标题", Kind::TransparentLabel, kPage, {30, 304, 72, 24}, true, u"蒸发温度", {}, kBlackText},
    {kEvaporating, Kind::TransparentLabel, kPage, {105, 302, 90, 24}, true, u"", {}, kResult},
    {u"蒸发温度单位", Kind::TransparentLabel, kPage, {200, 304, 24, 24}, true, u"℃", {}, kBlackText},
    {u"过热度值标题", Kind::TransparentLabel, kPage, {280, 304, 72, 24}, true, u"过热度", {}, kBlackText},
    {kSuperheat, Kind::TransparentLabel, kPage, {355, 302, 70, 24}, true, u"", {}, kResult},
    {u"过热度单位", Kind::TransparentLabel, kPage, {430, 304, 24, 24}, true, u"K", {}, kBlackText},
    {kSuperheatHint, Kind::TransparentLabel, kPage, {30, 328, 430, 20}, true, u"", {}, kNotice},

    {u"过冷度标题", Kind::TransparentLabel, kPage, {30, 354, 250, 24}, true, u"过冷度（高压侧）", {},
        kSection},
    {kSubcoolingCurve, Kind::TransparentLabel, kPage, {300, 358, 154, 20}, true, u"", {}, kCurve},
    {u"高压压力标题", Kind::TransparentLabel, kPage, {30, 384, 72, 24}, true, u"高压表压力", {}, kBlackText},
    {kHighPressure, Kind::EditBox, kPage, {105, 382, 90, 23}, true, u"", {}, kCentred},
    {kPressureUnits[2], Kind::TransparentLabel, kPage, {200, 384, 70, 24}, true, u"MPa", {}, kBlackText},
    {u"液管温度标题", Kind::TransparentLabel, kPage, {280, 384, 72, 24}, true, u"液管温度", {}, kBlackText},
    {kLiquidTemperature, Kind::EditBox, kPage, {355, 382, 70, 23}, true, u"", {}, kCentred},
    {u"液管温度单位", Kind::TransparentLabel, kPage, {430, 384, 24, 24}, true, u"℃", {}, kBlackText},
    {kNotices[4], Kind::TransparentLabel, kPage, {105, 406, 170, 17}, true, u"", {}, kNotice},
    {kNotices[5], Kind::TransparentLabel, kPage, {355, 406, 105, 17}, true, u"", {}, kNotice},
    {u"冷凝温度标题", Kind::TransparentLabel, kPage, {30, 426, 72, 24}, true, u"冷凝温度", {}, kBlackText},
    {kCondensing, Kind::TransparentLabel, kPage, {105, 424, 90, 24}, true, u"", {}, kResult},
    {u"冷凝温度单位", Kind::TransparentLabel, kPage, {200, 426, 24, 24}, true, u"℃", {}, kBlackText},
    {u"过冷度值标题", Kind::TransparentLabel, kPage, {280, 426, 72, 24}, true, u"过冷度", {}, kBlackText},
    {kSubcooling, Kind::TransparentLabel, kPage, {355, 424, 70, 24}, true, u"", {}, kResult},
    {u"过冷度单位", Kind::TransparentLabel, kPage, {430, 426, 24, 24}, true, u"K", {}, kBlackText},
    {kSubcoolingHint, Kind::TransparentLabel, kPage, {30, 450, 430, 20}, true, u"", {}, kNotice},

    {u"表压力说明", Kind::TransparentLabel, kPage, {30, 476, 430, 22}, true,
        u"表压力 = 绝对压力 − 101.325 kPa（标准大气压）；所示均为饱和值。", {}, kHint},
    {u"厂家说明", Kind::TransparentLabel, kPage, {30, 498, 430, 22}, true,
        u"目标过热度与过冷度以厂家说明书为准。", {}, kHint},

    {u"压力温度表标题", Kind::TransparentLabel, kPage, {470, 20, 320, 24}, true, u"饱和压力温度表", {},
        kSection},
    {kTable, Kind::Table, kPage, {470, 48, 320, 470}, true, u"", {}, kNone},
};

// value rounded to decimals, without the minus sign of a value that rounds to 0.
QString fixed(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', decimals);
}

QString temperatureText(const Value &celsius)
{
    return celsius.ok() ? fixed(celsius.value, kTemperatureDecimals) : kOutOfRange;
}

QString pressureText(const Value &gaugePascal, Unit unit)
{
    return gaugePascal.ok() ? fixed(ToUnit(gaugePascal.value, unit), InfoOf(unit).decimals) : kOutOfRange;
}

QString unitName(Unit unit)
{
    return InfoOf(unit).name.toString();
}

// A result label shows its number alone; a screen reader hears its caption and unit with it.
void showResult(TransparentLabel &label, const QString &caption, const QString &text, const QString &unit)
{
    label.setText(text);
    const QString spoken = text.isEmpty() ? caption
        : text == kOutOfRange             ? caption + u' ' + text
                                          : caption + u' ' + text + u' ' + unit;
    if (spoken != label.accessibleName())
        NoteResult(label, spoken);
    label.setAccessibleName(spoken);
}

// Writes a box the program fills without its change counting as typed.
void fill(EditBox &box, const QString &text)
{
    const QSignalBlocker quiet(box);
    box.setText(text);
}

// A line of text a screen reader reads as it is shown; empty when there is nothing to say.
void showLine(TransparentLabel &label, const QString &text)
{
    label.setText(text);
    label.setAccessibleName(text);
}

// A box's content as the page reads numbers; the notice beside the box says why there is none.
WholeNumber readBox(const EditBox &box, TransparentLabel &notice)
{
    const WholeNumber number = ReadWholeNumber(box.text());
    showLine(notice, noticeText(number.fault));
    return number;
}

// A gauge pressure in pascal: as kept when the program rewrote the box, else as the box reads.
WholeNumber readPressure(const EditBox &box, TransparentLabel &notice, std::optional<double> kept, Unit unit)
{
    if (kept) {
        showLine(notice, {});
        return {*kept, NumberFault::None};
    }
    WholeNumber number = readBox(box, notice);
    if (number.ok())
        number.value = FromUnit(number.value, unit);
    return number;
}

void namePressureControls(const PressurePage &page, Unit unit)
{
    const QString name = unitName(unit);
    page.converterPressure->setAccessibleName(QStringLiteral("表压力 ") + name);
    page.lowPressure->setAccessibleName(QStringLiteral("低压表压力 ") + name);
    page.highPressure->setAccessibleName(QStringLiteral("高压表压力 ") + name);
    for (TransparentLabel *label : page.pressureUnits)
        label->setText(name);
}

// The refrigerant's name, GWP and safety class, and what its class or its market asks of the user.
QString fluidNote(const Fluid &fluid)
{
    QString note = QStringLiteral("%1　GWP %2　%3").arg(fluid.name).arg(fluid.gwp).arg(fluid.safetyClass);
    for (const SafetyWords &words : kSafetyWords) {
        if (words.safetyClass == fluid.safetyClass)
            note += u' ' + words.words.toString();
    }
    for (const FluidRemark &remark : kRemarks) {
        if (remark.fluid == fluid.name)
            note += u'　' + remark.remark.toString();
    }
    return note;
}

// A blend's saturation temperature names its curve; a pure fluid has one.
QString curveCaption(const QString &caption, const Fluid &fluid, Side side)
{
    if (!IsBlend(fluid))
        return caption;
    return caption + (side == Side::Dew ? QStringLiteral("（露点）") : QStringLiteral("（泡点）"));
}

// Captions and boxes of one sheet line: those of boxes that hold text, results with their unit
// unless out of range.
void addLine(QList<QuotationLine> &lines, std::initializer_list<QuotedValue> values)
{
    QuotationLine line;
    for (QuotedValue value : values) {
        if (value.number.isEmpty())
            continue;
        if (value.number == kOutOfRange)
            value.unit.clear();
        line.append(value);
    }
    if (!line.isEmpty())
        lines.append(line);
}

// One side of the system: its gauge pressure and pipe temperature with their notices, and the
// saturation temperature, the difference they give and what a negative difference may mean.
struct PipeCheck {
    const EditBox *pressure;
    TransparentLabel *pressureNotice;
    std::optional<double> keptPascal;
    const EditBox *pipe;
    TransparentLabel *pipeNotice;
    TransparentLabel *saturation;
    TransparentLabel *difference;
    TransparentLabel *hint;
};

struct PipeCheckRule {
    QStringView saturationCaption;
    QStringView differenceCaption;
    QStringView negativeHint;
    Side side; // the curve of the saturation temperature
    Value (*difference)(const Fluid &, double gaugePascal, double pipeCelsius);
};

constexpr PipeCheckRule kSuperheatRule {
    u"蒸发温度", u"过热度", u"过热度为负：吸气可能带液或读数有误", Side::Dew, &Superheat};
constexpr PipeCheckRule kSubcoolingRule {
    u"冷凝温度", u"过冷度", u"过冷度为负：液管可能有闪发气体或读数有误", Side::Bubble, &Subcooling};

void updatePipeCheck(const PipeCheck &check, const PipeCheckRule &rule, const Fluid &fluid, Unit unit)
{
    const WholeNumber gauge = readPressure(*check.pressure, *check.pressureNotice, check.keptPascal, unit);
    const WholeNumber pipe = readBox(*check.pipe, *check.pipeNotice);
    QString saturation;
    QString difference;
    QString hint;
    if (gauge.ok()) {
        saturation = temperatureText(SaturationTemperature(fluid, rule.side, gauge.value));
        if (pipe.ok()) {
            difference = temperatureText(rule.difference(fluid, gauge.value, pipe.value));
            if (difference.startsWith(u'-'))
                hint = rule.negativeHint.toString();
        }
    }
    showResult(*check.saturation, rule.saturationCaption.toString(), saturation, kCelsius);
    showResult(*check.difference, rule.differenceCaption.toString(), difference, kKelvin);
    showLine(*check.hint, hint);
}

class PressureUnit final : public CalculatorPage
{
public:
    void resolve(ControlResolver &controls) override
    {
        PressurePage &page = m_page;
        controls.getEach(kFluids, page.fluids);
        page.fluidNote = controls.get<TransparentLabel>(kFluidNote);
        controls.getEach(kUnits, page.units);
        page.converterPressure = controls.get<EditBox>(kConverterPressure);
        page.converterTemperature = controls.get<EditBox>(kConverterTemperature);
        page.glide = controls.get<TransparentLabel>(kGlide);
        page.lowPressure = controls.get<EditBox>(kLowPressure);
        page.suctionTemperature = controls.get<EditBox>(kSuctionTemperature);
        page.evaporating = controls.get<TransparentLabel>(kEvaporating);
        page.superheat = controls.get<TransparentLabel>(kSuperheat);
        page.highPressure = controls.get<EditBox>(kHighPressure);
        page.liquidTemperature = controls.get<EditBox>(kLiquidTemperature);
        page.condensing = controls.get<TransparentLabel>(kCondensing);
        page.subcooling = controls.get<TransparentLabel>(kSubcooling);
        controls.getEach(kPressureUnits, page.pressureUnits);
        page.table = controls.get<QTableWidget>(kTable);
        controls.getEach(kNotices, page.notices);
        page.superheatCurve = controls.get<TransparentLabel>(kSuperheatCurve);
        page.subcoolingCurve = controls.get<TransparentLabel>(kSubcoolingCurve);
        page.superheatHint = controls.get<TransparentLabel>(kSuperheatHint);
        page.subcoolingHint = controls.get<TransparentLabel>(kSubcoolingHint);
    }

    void wire(QObject *context) const override
    {
        const PressurePage &page = m_page;
        PressureState &state = m_state;
        // The multi-split systems of the specified brand run on R410A, and manifolds read MPa.
        page.fluids[0]->setChecked(true);
        page.units[0]->setChecked(true);
        for (RadioButton *radio : page.fluids)
            QObject::connect(radio, &RadioButton::toggled, context, [&page, &state](bool checked) {
                const SpokenResults spoken;
                if (checked)
                    UpdatePressureResults(page, state);
            });
        for (RadioButton *radio : page.units)
            QObject::connect(radio, &RadioButton::toggled, context, [&page, &state](bool checked) {
                const SpokenResults spoken;
                if (checked)
                    ChangePressureUnit(page, state);
            });
        // A pressure typed is read from its box again, in the unit shown.
        QObject::connect(page.converterPressure, &EditBox::textChanged, context, [&page, &state] {
            state.converterPascal.reset();
            ConvertFromPressure(page, state);
        });
        QObject::connect(page.converterTemperature, &EditBox::textChanged, context,
            [&page, &state] { ConvertFromTemperature(page, state); });
        QObject::connect(page.lowPressure, &EditBox::textChanged, context, [&page, &state] {
            state.lowPascal.reset();
            UpdateSuperheat(page, state);
        });
        QObject::connect(page.suctionTemperature, &EditBox::textChanged, context,
            [&page, &state] { UpdateSuperheat(page, state); });
        QObject::connect(page.highPressure, &EditBox::textChanged, context, [&page, &state] {
            state.highPascal.reset();
            UpdateSubcooling(page, state);
        });
        QObject::connect(page.liquidTemperature, &EditBox::textChanged, context,
            [&page, &state] { UpdateSubcooling(page, state); });

        // Each radio group is one stop; then the boxes top to bottom, left to right, then the table.
        std::vector<QWidget *> order(page.fluids.begin(), page.fluids.end());
        order.insert(order.end(), page.units.begin(), page.units.end());
        order.insert(order.end(),
            {page.converterPressure, page.converterTemperature, page.lowPressure, page.suctionTemperature,
                page.highPressure, page.liquidTemperature, page.table});
        ChainTabOrder(order);
        MakeRadioStop(page.fluids);
        MakeRadioStop(page.units);
        page.converterTemperature->setAccessibleName(QStringLiteral("饱和温度 ℃"));
        page.suctionTemperature->setAccessibleName(QStringLiteral("吸气管温度 ℃"));
        page.liquidTemperature->setAccessibleName(QStringLiteral("液管温度 ℃"));
        UpdatePressureResults(page, state);
    }

    QWidget *anchor() const override { return m_page.evaporating; }

    void bringUpToDate() const override { UpdatePressureResults(m_page, m_state); }

    // A commissioning record prices nothing: the page adds no line to a job.
    const PageJobLines *jobLines() const override { return nullptr; }
    // The record names the refrigerant, the fit its curves come from and, for a blend, the curve
    // each saturation temperature was read from.
    Quotation quotation(QDate date) const override
    {
        const PressurePage &page = m_page;
        const Fluid &fluid = CheckedFluid(page);
        const QString unit = unitName(m_state.unit);
        Quotation quotation {QStringLiteral("调试记录"), date, {}, {}, {}};
        QList<QuotationLine> &lines = quotation.lines;
        lines.append({{QStringLiteral("冷媒"), fluid.name.toString(), {}},
            {QStringLiteral("GWP"), QString::number(fluid.gwp), {}},
            {QStringLiteral("安全分类"), fluid.safetyClass.toString(), {}},
            {QStringLiteral("压力单位"), unit, {}}});
        lines.append({{QStringLiteral("饱和曲线"),
            QStringLiteral("CoolProp 拟合式，依据 %1").arg(fluid.equationOfState), {}}});
        addLine(lines,
            {{QStringLiteral("表压力"), page.converterPressure->text(), unit},
                {curveCaption(QStringLiteral("饱和温度"), fluid, Side::Dew),
                    page.converterTemperature->text(), kCelsius}});
        if (!page.glide->text().isEmpty())
            lines.append({{page.glide->text(), {}, {}}});
        addLine(lines,
            {{QStringLiteral("低压表压力"), page.lowPressure->text(), unit},
                {QStringLiteral("吸气管温度"), page.suctionTemperature->text(), kCelsius}});
        addLine(lines,
            {{curveCaption(QStringLiteral("蒸发温度"), fluid, Side::Dew), page.evaporating->text(), kCelsius},
                {QStringLiteral("过热度"), page.superheat->text(), kKelvin}});
        addLine(lines,
            {{QStringLiteral("高压表压力"), page.highPressure->text(), unit},
                {QStringLiteral("液管温度"), page.liquidTemperature->text(), kCelsius}});
        addLine(lines,
            {{curveCaption(QStringLiteral("冷凝温度"), fluid, Side::Bubble), page.condensing->text(),
                 kCelsius},
                {QStringLiteral("过冷度"), page.subcooling->text(), kKelvin}});
        return quotation;
    }

private:
    PressurePage m_page {};
    // Changed by the handlers the const wiring connects, as the controls are.
    mutable PressureState m_state {};
};

} // namespace

std::span<const LayoutRow> PressureRows()
{
    return kRows;
}

std::unique_ptr<CalculatorPage> MakePressurePage(const Services &)
{
    return std::make_unique<PressureUnit>();
}

const Fluid &CheckedFluid(const PressurePage &page)
{
    for (std::size_t i = 0; i < page.fluids.size(); ++i) {
        if (page.fluids[i]->isChecked())
            return Fluids[i];
    }
    return Fluids[0];
}

Unit CheckedUnit(const PressurePage &page)
{
    for (std::size_t i = 0; i < page.units.size(); ++i) {
        if (page.units[i]->isChecked())
            return Unit(i);
    }
    return Unit::MPa;
}

void ConvertFromPressure(const PressurePage &page, PressureState &state)
{
    state.fromTemperature = false;
    const Fluid &fluid = CheckedFluid(page);
    showLine(*page.notice(PressureBox::ConverterTemperature), {});
    showLine(*page.glide, {});
    const WholeNumber gauge = readPressure(*page.converterPressure,
        *page.notice(PressureBox::ConverterPressure), state.converterPascal, state.unit);
    if (!gauge.ok()) {
        fill(*page.converterTemperature, {});
        return;
    }
    const Value dew = SaturationTemperature(fluid, Side::Dew, gauge.value);
    fill(*page.converterTemperature, temperatureText(dew));
    if (IsBlend(fluid))
        showLine(*page.glide,
            QStringLiteral("液相 %1 ℃　气相 %2 ℃")
                .arg(temperatureText(SaturationTemperature(fluid, Side::Bubble, gauge.value)),
                    temperatureText(dew)));
}

void ConvertFromTemperature(const PressurePage &page, PressureState &state)
{
    state.fromTemperature = true;
    // The pressure box now shows a result, not a pressure typed.
    state.converterPascal.reset();
    const Fluid &fluid = CheckedFluid(page);
    showLine(*page.notice(PressureBox::ConverterPressure), {});
    showLine(*page.glide, {});
    const WholeNumber celsius
        = readBox(*page.converterTemperature, *page.notice(PressureBox::ConverterTemperature));
    if (!celsius.ok()) {
        fill(*page.converterPressure, {});
        return;
    }
    const QString dew = pressureText(GaugePressure(fluid, Side::Dew, celsius.value), state.unit);
    fill(*page.converterPressure, dew);
    if (IsBlend(fluid)) {
        const QString unit = unitName(state.unit);
        showLine(*page.glide,
            QStringLiteral("液相 %1 %3　气相 %2 %3")
                .arg(pressureText(GaugePressure(fluid, Side::Bubble, celsius.value), state.unit), dew, unit));
    }
}

void UpdateSuperheat(const PressurePage &page, const PressureState &state)
{
    updatePipeCheck(
        {page.lowPressure, page.notice(PressureBox::Low), state.lowPascal, page.suctionTemperature,
            page.notice(PressureBox::Suction), page.evaporating, page.superheat, page.superheatHint},
        kSuperheatRule, CheckedFluid(page), state.unit);
}

void UpdateSubcooling(const PressurePage &page, const PressureState &state)
{
    updatePipeCheck(
        {page.highPressure, page.notice(PressureBox::High), state.highPascal, page.liquidTemperature,
            page.notice(PressureBox::Liquid), page.condensing, page.subcooling, page.subcoolingHint},
        kSubcoolingRule, CheckedFluid(page), state.unit);
}

void UpdatePressureTable(const PressurePage &page, const PressureState &state)
{
    const Fluid &fluid = CheckedFluid(page);
    const QString unit = unitName(state.unit);
    QStringList headers {QStringLiteral("温度 (℃)")};
    std::vector<Side> sides;
    if (IsBlend(fluid)) {
        headers << QStringLiteral("液相 (%1)").arg(unit) << QStringLiteral("气相 (%1)").arg(unit);
        sides = {Side::Bubble, Side::Dew};
    } else {
        headers << QStringLiteral("饱和压力 (%1)").arg(unit);
        sides = {Side::Dew};
    }
    QTableWidget &table = *page.table;
    table.clear();
    table.setColumnCount(int(headers.size()));
    table.setHorizontalHeaderLabels(headers);
    table.setRowCount((kTableHighestCelsius - kTableLowestCelsius) / kTableStepCelsius + 1);
    for (int row = 0; row < table.rowCount(); ++row) {
        const int celsius = kTableLowestCelsius + row * kTableStepCelsius;
        QStringList cells {QString::number(celsius)};
        for (const Side side : sides)
            cells << pressureText(GaugePressure(fluid, side, celsius), state.unit);
        for (int column = 0; column < int(cells.size()); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            table.setItem(row, column, item);
        }
    }
    table.setAccessibleName(QStringLiteral("饱和压力温度表 %1 %2").arg(fluid.name.toString(), unit));
}

void UpdatePressureResults(const PressurePage &page, PressureState &state)
{
    const Fluid &fluid = CheckedFluid(page);
    showLine(*page.fluidNote, fluidNote(fluid));
    const bool blend = IsBlend(fluid);
    showLine(*page.superheatCurve, blend ? QStringLiteral("过热度按露点") : QString());
    showLine(*page.subcoolingCurve, blend ? QStringLiteral("过冷度按泡点") : QString());
    if (state.fromTemperature)
        ConvertFromTemperature(page, state);
    else
        ConvertFromPressure(page, state);
    UpdateSuperheat(page, state);
    UpdateSubcooling(page, state);
    UpdatePressureTable(page, state);
    namePressureControls(page, state.unit);
}

void ChangePressureUnit(const PressurePage &page, PressureState &state)
{
    const Unit unit = CheckedUnit(page);
    // The typed pressures keep their value as typed: each is written again in the new unit, and the
    // value itself is kept for the results. The converter's pressure box holds a typed pressure only
    // while the temperature box was not typed last.
    const auto rewrite = [&state, unit](EditBox &box, std::optional<double> &kept) {
        if (!kept) {
            const WholeNumber typed = ReadWholeNumber(box.text());
            if (!typed.ok())
                return;
            kept = FromUnit(typed.value, state.unit);
        }
        fill(box, fixed(ToUnit(*kept, unit), InfoOf(unit).decimals));
    };
    rewrite(*page.lowPressure, state.lowPascal);
    rewrite(*page.highPressure, state.highPascal);
    if (!state.fromTemperature)
        rewrite(*page.converterPressure, state.converterPascal);
    state.unit = unit;
    UpdatePressureResults(page, state);
}

} // namespace kalmoro
