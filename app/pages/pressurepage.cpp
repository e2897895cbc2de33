#include "pressurepage.h"

#include <cmath>
#include <vector>

#include <QSignalBlocker>
#include <QTableWidget>

#include "controlnumber.h"
#include "controlresolver.h"
#include "layoutnotes.h"
#include "widgets/editbox.h"
#include "widgets/radiobutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

using namespace saturation;
using namespace pressurenames;
using namespace layoutnotes;
using namespace palette;

constexpr int kPageIndex = 7;
constexpr ParentRef kPage = MainPage(kPageIndex);
constexpr ParentRef kFluidParent {kFluidGroup};
constexpr ParentRef kUnitParent {kUnitGroup};

constexpr Notes kSection {.fontPx = 14, .bold = true, .color = kOrange};
constexpr Notes kResult {.fontPx = 14, .bold = true, .color = kOrange, .align = Align::Centre};

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

constexpr LayoutRow kRows[] = {
    {u"冷媒标题", Kind::TransparentLabel, kPage, {30, 20, 66, 24}, true, u"冷媒：", {}, kBlackText},
    {kFluidGroup, Kind::GroupBox, kPage, {100, 18, 300, 26}, true, u"", {}, kNone},
    {kFluids[0], Kind::RadioButton, kFluidParent, {0, 3, 90, 20}, true, u"R410A", {}, kNone},
    {kFluids[1], Kind::RadioButton, kFluidParent, {100, 3, 90, 20}, true, u"R32", {}, kNone},
    {kFluids[2], Kind::RadioButton, kFluidParent, {200, 3, 90, 20}, true, u"R22", {}, kNone},
    {u"单位标题", Kind::TransparentLabel, kPage, {30, 52, 66, 24}, true, u"压力单位：", {}, kBlackText},
    {kUnitGroup, Kind::GroupBox, kPage, {100, 50, 330, 26}, true, u"", {}, kNone},
    {kUnits[0], Kind::RadioButton, kUnitParent, {0, 3, 70, 20}, true, u"MPa", {}, kNone},
    {kUnits[1], Kind::RadioButton, kUnitParent, {80, 3, 70, 20}, true, u"bar", {}, kNone},
    {kUnits[2], Kind::RadioButton, kUnitParent, {160, 3, 90, 20}, true, u"kgf/cm²", {}, kNone},
    {kUnits[3], Kind::RadioButton, kUnitParent, {260, 3, 60, 20}, true, u"psi", {}, kNone},

    {u"换算标题", Kind::TransparentLabel, kPage, {30, 92, 250, 24}, true, u"压力温度换算", {}, kSection},
    {u"换算压力标题", Kind::TransparentLabel, kPage, {30, 124, 72, 24}, true, u"表压力", {}, kBlackText},
    {kConverterPressure, Kind::EditBox, kPage, {105, 122, 90, 23}, true, u"", {}, kCentred},
    {kPressureUnits[0], Kind::TransparentLabel, kPage, {200, 124, 70, 24}, true, u"MPa", {}, kBlackText},
    {u"换算温度标题", Kind::TransparentLabel, kPage, {280, 124, 72, 24}, true, u"饱和温度", {}, kBlackText},
    {kConverterTemperature, Kind::EditBox, kPage, {355, 122, 70, 23}, true, u"", {}, kCentred},
    {u"换算温度单位", Kind::TransparentLabel, kPage, {430, 124, 24, 24}, true, u"℃", {}, kBlackText},
    {kGlide, Kind::TransparentLabel, kPage, {30, 154, 420, 24}, true, u"", {}, kOrangeText},

    {u"过热度标题", Kind::TransparentLabel, kPage, {30, 192, 250, 24}, true, u"过热度（低压侧）", {},
        kSection},
    {u"低压压力标题", Kind::TransparentLabel, kPage, {30, 224, 72, 24}, true, u"低压表压力", {}, kBlackText},
    {kLowPressure, Kind::EditBox, kPage, {105, 222, 90, 23}, true, u"", {}, kCentred},
    {kPressureUnits[1], Kind::TransparentLabel, kPage, {200, 224, 70, 24}, true, u"MPa", {}, kBlackText},
    {u"吸气管温度标题", Kind::TransparentLabel, kPage, {280, 224, 72, 24}, true, u"吸气管温度", {},
        kBlackText},
    {kSuctionTemperature, Kind::EditBox, kPage, {355, 222, 70, 23}, true, u"", {}, kCentred},
    {u"吸气管温度单位", Kind::TransparentLabel, kPage, {430, 224, 24, 24}, true, u"℃", {}, kBlackText},
    {u"蒸发温度标题", Kind::TransparentLabel, kPage, {30, 256, 72, 24}, true, u"蒸发温度", {}, kBlackText},
    {kEvaporating, Kind::TransparentLabel, kPage, {105, 254, 90, 24}, true, u"", {}, kResult},
    {u"蒸发温度单位", Kind::TransparentLabel, kPage, {200, 256, 24, 24}, true, u"℃", {}, kBlackText},
    {u"过热度值标题", Kind::TransparentLabel, kPage, {280, 256, 72, 24}, true, u"过热度", {}, kBlackText},
    {kSuperheat, Kind::TransparentLabel, kPage, {355, 254, 70, 24}, true, u"", {}, kResult},
    {u"过热度单位", Kind::TransparentLabel, kPage, {430, 256, 24, 24}, true, u"K", {}, kBlackText},

    {u"过冷度标题", Kind::TransparentLabel, kPage, {30, 300, 250, 24}, true, u"过冷度（高压侧）", {},
        kSection},
    {u"高压压力标题", Kind::TransparentLabel, kPage, {30, 332, 72, 24}, true, u"高压表压力", {}, kBlackText},
    {kHighPressure, Kind::EditBox, kPage, {105, 330, 90, 23}, true, u"", {}, kCentred},
    {kPressureUnits[2], Kind::TransparentLabel, kPage, {200, 332, 70, 24}, true, u"MPa", {}, kBlackText},
    {u"液管温度标题", Kind::TransparentLabel, kPage, {280, 332, 72, 24}, true, u"液管温度", {}, kBlackText},
    {kLiquidTemperature, Kind::EditBox, kPage, {355, 330, 70, 23}, true, u"", {}, kCentred},
    {u"液管温度单位", Kind::TransparentLabel, kPage, {430, 332, 24, 24}, true, u"℃", {}, kBlackText},
    {u"冷凝温度标题", Kind::TransparentLabel, kPage, {30, 364, 72, 24}, true, u"冷凝温度", {}, kBlackText},
    {kCondensing, Kind::TransparentLabel, kPage, {105, 362, 90, 24}, true, u"", {}, kResult},
    {u"冷凝温度单位", Kind::TransparentLabel, kPage, {200, 364, 24, 24}, true, u"℃", {}, kBlackText},
    {u"过冷度值标题", Kind::TransparentLabel, kPage, {280, 364, 72, 24}, true, u"过冷度", {}, kBlackText},
    {kSubcooling, Kind::TransparentLabel, kPage, {355, 362, 70, 24}, true, u"", {}, kResult},
    {u"过冷度单位", Kind::TransparentLabel, kPage, {430, 364, 24, 24}, true, u"K", {}, kBlackText},

    {u"表压力说明", Kind::TransparentLabel, kPage, {30, 420, 430, 22}, true,
        u"表压力 = 绝对压力 − 101.325 kPa（标准大气压）；所示均为饱和值。", {}, kHint},
    {u"厂家说明", Kind::TransparentLabel, kPage, {30, 444, 430, 22}, true,
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
    label.setAccessibleName(text.isEmpty() ? caption
            : text == kOutOfRange          ? caption + u' ' + text
                                           : caption + u' ' + text + u' ' + unit);
}

// Both curves' values for a refrigerant that glides, as one line that reads as it is shown.
void showGlide(const PressurePage &page, const QString &text)
{
    page.glide->setText(text);
    page.glide->setAccessibleName(text);
}

// Writes a box the program fills without its change counting as typed.
void fill(EditBox &box, const QString &text)
{
    const QSignalBlocker quiet(box);
    box.setText(text);
}

bool isEmpty(const EditBox &box)
{
    return box.text().isEmpty();
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

// One side of the system: its gauge pressure and pipe temperature, and the saturation temperature and
// the difference they give.
struct PipeCheck {
    const EditBox *pressure;
    const EditBox *pipe;
    TransparentLabel *saturation;
    TransparentLabel *difference;
};

struct PipeCheckRule {
    QStringView saturationCaption;
    QStringView differenceCaption;
    Side side; // the curve of the saturation temperature
    Value (*difference)(const Fluid &, double gaugePascal, double pipeCelsius);
};

constexpr PipeCheckRule kSuperheatRule {u"蒸发温度", u"过热度", Side::Dew, &Superheat};
constexpr PipeCheckRule kSubcoolingRule {u"冷凝温度", u"过冷度", Side::Bubble, &Subcooling};

void updatePipeCheck(const PipeCheck &check, const PipeCheckRule &rule, const Fluid &fluid, Unit unit)
{
    const QString saturationCaption = rule.saturationCaption.toString();
    const QString differenceCaption = rule.differenceCaption.toString();
    if (isEmpty(*check.pressure)) {
        showResult(*check.saturation, saturationCaption, {}, kCelsius);
        showResult(*check.difference, differenceCaption, {}, kKelvin);
        return;
    }
    const double gauge = FromUnit(ReadNumber(*check.pressure), unit);
    showResult(*check.saturation, saturationCaption,
        temperatureText(SaturationTemperature(fluid, rule.side, gauge)), kCelsius);
    showResult(*check.difference, differenceCaption,
        isEmpty(*check.pipe) ? QString()
                             : temperatureText(rule.difference(fluid, gauge, ReadNumber(*check.pipe))),
        kKelvin);
}

class PressureUnit final : public CalculatorPage
{
public:
    void resolve(ControlResolver &controls) override
    {
        PressurePage &page = m_page;
        controls.getEach(kFluids, page.fluids);
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
                if (checked)
                    UpdatePressureResults(page, state);
            });
        for (RadioButton *radio : page.units)
            QObject::connect(radio, &RadioButton::toggled, context, [&page, &state](bool checked) {
                if (checked)
                    ChangePressureUnit(page, state);
            });
        QObject::connect(page.converterPressure, &EditBox::textChanged, context,
            [&page, &state] { ConvertFromPressure(page, state); });
        QObject::connect(page.converterTemperature, &EditBox::textChanged, context,
            [&page, &state] { ConvertFromTemperature(page, state); });
        for (EditBox *box : {page.lowPressure, page.suctionTemperature})
            QObject::connect(
                box, &EditBox::textChanged, context, [&page, &state] { UpdateSuperheat(page, state); });
        for (EditBox *box : {page.highPressure, page.liquidTemperature})
            QObject::connect(
                box, &EditBox::textChanged, context, [&page, &state] { UpdateSubcooling(page, state); });

        // Each radio group is one stop; then the boxes top to bottom, left to right, then the table.
        ChainTabOrder({page.fluids[0], page.units[0], page.converterPressure, page.converterTemperature,
            page.lowPressure, page.suctionTemperature, page.highPressure, page.liquidTemperature,
            page.table});
        page.converterTemperature->setAccessibleName(QStringLiteral("饱和温度 ℃"));
        page.suctionTemperature->setAccessibleName(QStringLiteral("吸气管温度 ℃"));
        page.liquidTemperature->setAccessibleName(QStringLiteral("液管温度 ℃"));
        UpdatePressureResults(page, state);
    }

    QWidget *anchor() const override { return m_page.evaporating; }

    void bringUpToDate() const override { UpdatePressureResults(m_page, m_state); }

    // A commissioning record prices nothing: the page adds no line to a job.
    const PageJobLines *jobLines() const override { return nullptr; }
    Quotation quotation(QDate date) const override
    {
        const PressurePage &page = m_page;
        const QString unit = unitName(m_state.unit);
        Quotation quotation {QStringLiteral("调试记录"), date, {}, {}, {}};
        QList<QuotationLine> &lines = quotation.lines;
        lines.append({{QStringLiteral("冷媒"), CheckedFluid(page).name.toString(), {}},
            {QStringLiteral("压力单位"), unit, {}}});
        addLine(lines,
            {{QStringLiteral("表压力"), page.converterPressure->text(), unit},
                {QStringLiteral("饱和温度"), page.converterTemperature->text(), kCelsius}});
        if (!page.glide->text().isEmpty())
            lines.append({{page.glide->text(), {}, {}}});
        addLine(lines,
            {{QStringLiteral("低压表压力"), page.lowPressure->text(), unit},
                {QStringLiteral("吸气管温度"), page.suctionTemperature->text(), kCelsius}});
        addLine(lines,
            {{QStringLiteral("蒸发温度"), page.evaporating->text(), kCelsius},
                {QStringLiteral("过热度"), page.superheat->text(), kKelvin}});
        addLine(lines,
            {{QStringLiteral("高压表压力"), page.highPressure->text(), unit},
                {QStringLiteral("液管温度"), page.liquidTemperature->text(), kCelsius}});
        addLine(lines,
            {{QStringLiteral("冷凝温度"), page.condensing->text(), kCelsius},
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

std::unique_ptr<CalculatorPage> MakePressurePage()
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
    showGlide(page, {});
    if (isEmpty(*page.converterPressure)) {
        fill(*page.converterTemperature, {});
        return;
    }
    const double gauge = FromUnit(ReadNumber(*page.converterPressure), state.unit);
    const Value dew = SaturationTemperature(fluid, Side::Dew, gauge);
    fill(*page.converterTemperature, temperatureText(dew));
    if (fluid.glides)
        showGlide(page,
            QStringLiteral("液相 %1 ℃　气相 %2 ℃")
                .arg(temperatureText(SaturationTemperature(fluid, Side::Bubble, gauge)),
                    temperatureText(dew)));
}

void ConvertFromTemperature(const PressurePage &page, PressureState &state)
{
    state.fromTemperature = true;
    const Fluid &fluid = CheckedFluid(page);
    showGlide(page, {});
    if (isEmpty(*page.converterTemperature)) {
        fill(*page.converterPressure, {});
        return;
    }
    const double celsius = ReadNumber(*page.converterTemperature);
    const QString dew = pressureText(GaugePressure(fluid, Side::Dew, celsius), state.unit);
    fill(*page.converterPressure, dew);
    if (fluid.glides) {
        const QString unit = unitName(state.unit);
        showGlide(page,
            QStringLiteral("液相 %1 %3　气相 %2 %3")
                .arg(pressureText(GaugePressure(fluid, Side::Bubble, celsius), state.unit), dew, unit));
    }
}

void UpdateSuperheat(const PressurePage &page, const PressureState &state)
{
    updatePipeCheck({page.lowPressure, page.suctionTemperature, page.evaporating, page.superheat},
        kSuperheatRule, CheckedFluid(page), state.unit);
}

void UpdateSubcooling(const PressurePage &page, const PressureState &state)
{
    updatePipeCheck({page.highPressure, page.liquidTemperature, page.condensing, page.subcooling},
        kSubcoolingRule, CheckedFluid(page), state.unit);
}

void UpdatePressureTable(const PressurePage &page, const PressureState &state)
{
    const Fluid &fluid = CheckedFluid(page);
    const QString unit = unitName(state.unit);
    QStringList headers {QStringLiteral("温度 (℃)")};
    std::vector<Side> sides;
    if (fluid.glides) {
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
    // The typed pressures keep their value: each is written again in the new unit. The converter's
    // pressure box holds a typed pressure only while the temperature box was not typed last.
    std::vector<EditBox *> typed {page.lowPressure, page.highPressure};
    if (!state.fromTemperature)
        typed.push_back(page.converterPressure);
    for (EditBox *box : typed) {
        if (!isEmpty(*box))
            fill(*box, fixed(ToUnit(FromUnit(ReadNumber(*box), state.unit), unit), InfoOf(unit).decimals));
    }
    state.unit = unit;
    UpdatePressureResults(page, state);
}

} // namespace kalmoro
