#include "refrigerantpage.h"

#include "accessibility.h"
#include "controlnumber.h"
#include "controlresolver.h"
#include "layoutnotes.h"
#include "radiostop.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/picturebox.h"
#include "widgets/radiobutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

using assets::Asset;
using namespace refrigerant;
using namespace refrigerantnames;
using namespace layoutnotes;
using namespace palette;

constexpr ParentRef kPage = MainPage(kRefrigerantUnit.page);
// How the total is read, on the sheet and by screen readers; the page prints it in a picture.
const QString kTotalChargeCaption = QStringLiteral("所需加氟量");
const QString kKilograms = QStringLiteral("KG");

constexpr LayoutRow kRows[] = {
    {u"空调品牌图片", Kind::PictureBox, kPage, {40, 25, 122, 23}, true, u"", {Asset::img143}, kNone},
    {kOtherMode, Kind::RadioButton, kPage, {316, 27, 136, 16}, true, u"其他品牌加氟", {}, kOrangeText},
    {kGreeMode, Kind::RadioButton, kPage, {180, 27, 120, 16}, true, u"格力多联机加氟", {}, kOrangeText},
    {u"室内机系列2", Kind::TransparentLabel, kPage, {44, 354, 100, 24}, true, u"不能计算在内！", {}, kHint},
    {u"室内机系列1", Kind::TransparentLabel, kPage, {44, 325, 151, 24}, true, u"管的长度,冷媒气管长度", {},
        kHint},
    {u"室内机加氟图片", Kind::PictureBox, kPage, {39, 255, 122, 23}, true, u"", {Asset::img159}, kNone},
    {u"室外机加氟图片", Kind::PictureBox, kPage, {39, 80, 122, 23}, true, u"", {Asset::img160}, kNone},
    {kTotalCharge, Kind::TransparentLabel, kPage, {323, 494, 64, 22}, true, u"0", {},
        {.fontPx = 19, .bold = true, .color = kOrange, .align = Align::Centre}},
    {kComputeTotal, Kind::GraphicButton, kPage, {425, 487, 179, 36}, true, u"",
        {Asset::img161, Asset::img162, Asset::img163}, kNone},
    {u"透明标签19", Kind::TransparentLabel, kPage, {427, 417, 32, 26}, true, u"KG", {}, kBlackText},
    {u"透明标签9", Kind::TransparentLabel, kPage, {431, 187, 32, 26}, true, u"KG", {}, kBlackText},
    {u"透明标签8", Kind::TransparentLabel, kPage, {264, 141, 32, 26}, true, u"台", {}, kBlackText},
    {u"透明标签7", Kind::TransparentLabel, kPage, {512, 141, 32, 26}, true, u"KW", {}, kBlackText},
    {kComputeIndoor, Kind::GraphicButton, kPage, {540, 415, 179, 36}, true, u"",
        {Asset::img164, Asset::img165, Asset::img166}, kNone},
    {kIndoorCharge, Kind::EditBox, kPage, {258, 419, 160, 23}, true, u"", {}, kCentred},
    {kIndoorChargeCaption, Kind::TransparentLabel, kPage, {141, 415, 160, 32}, true, u"室内机所需氟利昂：",
        {}, kBlackText},
    {kPipeLengths[7], Kind::EditBox, kPage, {612, 365, 136, 23}, true, u"", {}, kCentred},
    {kPipeCaptions[7], Kind::TransparentLabel, kPage, {508, 365, 96, 26}, true, u"冷媒液管Φ28.58", {},
        kBlackText},
    {kPipeCaptions[6], Kind::TransparentLabel, kPage, {508, 327, 96, 26}, true, u"冷媒液管Φ25.4", {},
        kBlackText},
    {kPipeLengths[6], Kind::EditBox, kPage, {612, 327, 136, 23}, true, u"", {}, kCentred},
    {kPipeLengths[5], Kind::EditBox, kPage, {611, 289, 136, 23}, true, u"", {}, kCentred},
    {kPipeCaptions[5], Kind::TransparentLabel, kPage, {507, 289, 96, 26}, true, u"冷媒液管Φ22.23", {},
        kBlackText},
    {kPipeCaptions[4], Kind::TransparentLabel, kPage, {508, 251, 96, 26}, true, u"冷媒液管Φ19.05", {},
        kBlackText},
    {kPipeLengths[4], Kind::EditBox, kPage, {612, 251, 136, 23}, true, u"", {}, kCentred},
    {kPipeLengths[3], Kind::EditBox, kPage, {309, 365, 136, 23}, true, u"", {}, kCentred},
    {kPipeCaptions[3], Kind::TransparentLabel, kPage, {205, 365, 96, 26}, true, u"冷媒液管Φ15.88", {},
        kBlackText},
    {kPipeLengths[2], Kind::EditBox, kPage, {309, 327, 136, 23}, true, u"", {}, kCentred},
    {kPipeCaptions[2], Kind::TransparentLabel, kPage, {205, 327, 96, 26}, true, u"冷媒液管Φ12.7", {},
        kBlackText},
    {kPipeLengths[1], Kind::EditBox, kPage, {308, 289, 136, 23}, true, u"", {}, kCentred},
    {kPipeCaptions[1], Kind::TransparentLabel, kPage, {204, 289, 96, 26}, true, u"冷媒液管Φ9.52", {},
        kBlackText},
    {kPipeCaptions[0], Kind::TransparentLabel, kPage, {205, 251, 96, 26}, true, u"冷媒液管Φ6.35", {},
        kBlackText},
    {kPipeLengths[0], Kind::EditBox, kPage, {309, 251, 136, 23}, true, u"", {}, kCentred},
    {u"室内机系列", Kind::TransparentLabel, kPage, {44, 296, 142, 24}, true, u"提示:铜管长度为冷媒液", {},
        kHint},
    {kOutdoorChargeCaption, Kind::TransparentLabel, kPage, {140, 187, 160, 23}, true, u"室外机所需氟利昂：",
        {}, kBlackText},
    {kModels[9], Kind::RadioButton, kPage, {660, 95, 96, 24}, true, u"GMV-900W/A", {}, kNone},
    {kModels[8], Kind::RadioButton, kPage, {540, 95, 96, 24}, true, u"GMV-785W/A", {}, kNone},
    {kModels[7], Kind::RadioButton, kPage, {420, 95, 96, 24}, true, u"GMV-615W/A", {}, kNone},
    {kModels[6], Kind::RadioButton, kPage, {300, 95, 96, 24}, true, u"GMV-560W/A", {}, kNone},
    {kModels[5], Kind::RadioButton, kPage, {180, 95, 96, 24}, true, u"GMV-504W/A", {}, kNone},
    {kModels[4], Kind::RadioButton, kPage, {660, 65, 96, 24}, true, u"GMV-450W/A", {}, kNone},
    {kModels[3], Kind::RadioButton, kPage, {540, 65, 96, 24}, true, u"GMV-400W/A", {}, kNone},
    {kModels[2], Kind::RadioButton, kPage, {420, 65, 96, 24}, true, u"GMV-350W/A", {}, kNone},
    {kRatioCaption, Kind::TransparentLabel, kPage, {568, 141, 48, 26}, true, u"配比率：", {}, kBlackText},
    {kRatio, Kind::EditBox, kPage, {628, 141, 120, 23}, true, u"", {}, kCentred},
    {kIndoorCapacityCaption, Kind::TransparentLabel, kPage, {300, 139, 72, 26}, true, u"室内机总量：", {},
        kBlackText},
    {kIndoorCapacity, Kind::EditBox, kPage, {381, 141, 120, 23}, true, u"", {}, kCentred},
    {kOutdoorCharge, Kind::EditBox, kPage, {257, 187, 160, 26}, true, u"", {}, kCentred},
    {kComputeOutdoor, Kind::GraphicButton, kPage, {540, 185, 179, 36}, true, u"",
        {Asset::img167, Asset::img168, Asset::img169}, kNone},
    {kIndoorUnitsCaption, Kind::TransparentLabel, kPage, {53, 141, 72, 26}, true, u"室内机台数：", {},
        kBlackText},
    {kIndoorUnits, Kind::EditBox, kPage, {134, 141, 120, 23}, true, u"", {}, kCentred},
    {kModels[1], Kind::RadioButton, kPage, {300, 65, 96, 24}, true, u"GMV-300W/A", {}, kNone},
    {kModels[0], Kind::RadioButton, kPage, {180, 65, 96, 24}, true, u"GMV-250W/A", {}, kNone},
    {kTotalCaption, Kind::PictureBox, kPage, {137, 494, 220, 23}, true, u"", {Asset::img170}, kNone},
};

void setOutdoorPart(const RefrigerantPage &page, bool on)
{
    for (RadioButton *radio : page.models)
        radio->setEnabled(on);
    // Shown and hidden in this order: units, capacity, ratio, charge, then its button.
    page.indoorUnits->setVisible(on);
    page.indoorCapacity->setVisible(on);
    page.ratio->setVisible(on);
    page.outdoorCharge->setVisible(on);
    page.computeOutdoor->setVisible(on);
}

class RefrigerantUnit final : public CalculatorPage,
                              public PageJobLines,
                              public IndoorUnitsTarget,
                              public PipeLengthsTarget
{
public:
    explicit RefrigerantUnit(const Services &services) { m_page.showMessage = services.showMessage; }

    void resolve(ControlResolver &controls) override
    {
        RefrigerantPage &page = m_page;
        page.greeMode = controls.get<RadioButton>(kGreeMode);
        page.otherMode = controls.get<RadioButton>(kOtherMode);
        controls.getEach(kModels, page.models);
        page.indoorUnits = controls.get<EditBox>(kIndoorUnits);
        page.indoorCapacity = controls.get<EditBox>(kIndoorCapacity);
        page.ratio = controls.get<EditBox>(kRatio);
        page.outdoorCharge = controls.get<EditBox>(kOutdoorCharge);
        page.computeOutdoor = controls.get<GraphicButton>(kComputeOutdoor);
        controls.getEach(kPipeLengths, page.pipeLengths);
        page.indoorCharge = controls.get<EditBox>(kIndoorCharge);
        page.computeIndoor = controls.get<GraphicButton>(kComputeIndoor);
        page.totalCharge = controls.get<TransparentLabel>(kTotalCharge);
        page.computeTotal = controls.get<GraphicButton>(kComputeTotal);

        const auto caption
            = [&controls](std::u16string_view name) { return controls.get<TransparentLabel>(name); };
        m_captions = {{page.indoorUnits, caption(kIndoorUnitsCaption)},
            {page.indoorCapacity, caption(kIndoorCapacityCaption)}, {page.ratio, caption(kRatioCaption)},
            {page.outdoorCharge, caption(kOutdoorChargeCaption)},
            {page.indoorCharge, caption(kIndoorChargeCaption)},
            {page.totalCharge, controls.get<PictureBox>(kTotalCaption)}};
        for (std::size_t i = 0; i < kPipeCaptions.size(); ++i)
            m_captions.push_back({page.pipeLengths[i], caption(kPipeCaptions[i])});
    }

    void wire(QObject *context) const override
    {
        const RefrigerantPage &page = m_page;
        QObject::connect(page.greeMode, &RadioButton::clicked, context, [&page] { EnableOutdoorPart(page); });
        QObject::connect(
            page.otherMode, &RadioButton::clicked, context, [&page] { DisableOutdoorPart(page); });
        QObject::connect(
            page.computeOutdoor, &GraphicButton::clicked, context, [&page] { ComputeOutdoorCharge(page); });
        QObject::connect(
            page.computeIndoor, &GraphicButton::clicked, context, [&page] { ComputeIndoorCharge(page); });
        QObject::connect(
            page.computeTotal, &GraphicButton::clicked, context, [&page] { ComputeTotalCharge(page); });

        std::vector<QWidget *> order {page.greeMode, page.otherMode};
        order.insert(order.end(), page.models.begin(), page.models.end());
        order.insert(order.end(), {page.indoorUnits, page.indoorCapacity, page.ratio, page.outdoorCharge});
        // The lengths down the left column, then the right one: the order of the pipes.
        order.insert(order.end(), page.pipeLengths.begin(), page.pipeLengths.end());
        order.push_back(page.indoorCharge);
        ChainTabOrder(order);
        // The mode and the model are two choices of one group: an arrow never turns the one into
        // the other.
        MakeRadioStop(std::array {page.greeMode, page.otherMode});
        MakeRadioStop(page.models);

        page.indoorUnits->setAccessibleName(QStringLiteral("室内机台数 台"));
        page.indoorCapacity->setAccessibleName(QStringLiteral("室内机总量 KW"));
        page.ratio->setReading(QStringLiteral("配比率"), {});
        page.outdoorCharge->setReading(QStringLiteral("室外机所需氟利昂"), QStringLiteral("KG"));
        for (std::size_t i = 0; i < page.pipeLengths.size(); ++i)
            page.pipeLengths[i]->setAccessibleName(LiquidPipes[i].name.toString());
        page.indoorCharge->setReading(QStringLiteral("室内机所需氟利昂"), QStringLiteral("KG"));
        page.totalCharge->setReading(kTotalChargeCaption, kKilograms);

        // Enter finishes the section of the box it is pressed in.
        const QList<KeyNote> pageKeys {BringUpToDateNote()};
        FinishOnEnter(
            std::array {page.indoorUnits, page.indoorCapacity, page.ratio}, *page.computeOutdoor, pageKeys);
        FinishOnEnter(page.pipeLengths, *page.computeIndoor, pageKeys);
        FinishOnEnter(std::array {page.outdoorCharge, page.indoorCharge}, *page.computeTotal, pageKeys);
        WireBringUpToDateKey(*this, context);

        for (const auto &[control, caption] : m_captions)
            SetLabelledBy(*control, *caption);
    }

    QWidget *anchor() const override { return m_page.totalCharge; }

    void bringUpToDate() const override { UpdateRefrigerantResults(m_page); }

    Quotation quotation(QDate date) const override
    {
        const RefrigerantPage &page = m_page;
        Quotation quotation {QStringLiteral("加氟计算"), date, {}, {}, {}};
        QList<QuotationLine> &lines = quotation.lines;
        const bool outdoorPart = IsOutdoorPartOn(page);
        lines.append(
            {{QStringLiteral("加氟方式"), outdoorPart ? page.greeMode->text() : page.otherMode->text(), {}}});
        if (outdoorPart) {
            const OutdoorModel *model = CheckedModel(page);
            if (model)
                lines.append({{QStringLiteral("室外机型号"), model->name.toString(), {}}});
            AddFilled(lines, QStringLiteral("室内机台数"), *page.indoorUnits, QStringLiteral("台"));
            AddFilled(lines, QStringLiteral("室内机总量"), *page.indoorCapacity, QStringLiteral("KW"));
            AddFilled(lines, QStringLiteral("配比率"), *page.ratio);
            // A ratio out of range leaves the earlier charge in place, and the sheet says why.
            if (model) {
                if (const QStringView warning = RatioWarning(ReadNumber(*page.ratio)); !warning.isEmpty())
                    lines.append({{warning.toString(), {}, {}}});
            }
            AddFilled(lines, QStringLiteral("室外机所需氟利昂"), *page.outdoorCharge, QStringLiteral("KG"));
        }
        for (std::size_t i = 0; i < page.pipeLengths.size(); ++i) {
            if (HasLength(*page.pipeLengths[i]))
                lines.append({{LiquidPipes[i].name.toString(), {}, {}},
                    {{}, page.pipeLengths[i]->text(), QStringLiteral("米")}});
        }
        AddFilled(lines, QStringLiteral("室内机所需氟利昂"), *page.indoorCharge, QStringLiteral("KG"));
        quotation.total = {{kTotalChargeCaption, page.totalCharge->text(), kKilograms}};
        return quotation;
    }

    const PageJobLines *jobLines() const override { return this; }
    JobSource source() const override { return JobSource::Refrigerant; }

    // The total charge at the price per KG the job remembers.
    QList<JobLine> lines(const Job &job) const override
    {
        const Milli charge = ShownDecimal(m_page.totalCharge->text(), MilliDecimals);
        if (charge == 0)
            return {};
        return {{QStringLiteral("冷媒"), charge, QStringLiteral("KG"), job.refrigerantUnitPrice,
            JobSource::Refrigerant}};
    }

    // The price per KG is typed once a job and kept for the page's next lines; a price below zero
    // is a credit on that line alone, and one the job file would not take back.
    void keepTypedPrice(Job &job, const JobLine &line) const override
    {
        if (line.unitPrice >= 0)
            job.refrigerantUnitPrice = line.unitPrice;
    }

    // Clicked and typed as the user would: the outdoor-unit part switched on first where another
    // make's is in force, then the model, then the boxes; then the page's results as they follow.
    void takeIndoorUnits(int units, rooms::Centi capacity, qsizetype model,
        std::span<const rooms::Centi> liquidLengths) const override
    {
        const RefrigerantPage &page = m_page;
        if (!IsOutdoorPartOn(page))
            page.greeMode->click();
        page.models[static_cast<std::size_t>(model)]->click();
        TypeInto(*page.indoorUnits, QString::number(units));
        TypeInto(*page.indoorCapacity, FormatDecimal(capacity, rooms::CentiDecimals, 0));
        typeLengths(liquidLengths);
        UpdateRefrigerantResults(page);
    }

    // The liquid pipes' lengths typed into their boxes, then the page's results as they follow.
    void takePipeLengths(std::span<const rooms::Centi> lengths) const override
    {
        typeLengths(lengths);
        UpdateRefrigerantResults(m_page);
    }

    void takeOtherMake(std::span<const rooms::Centi> liquidLengths) const override
    {
        if (IsOutdoorPartOn(m_page))
            m_page.otherMode->click();
        typeLengths(liquidLengths);
        UpdateRefrigerantResults(m_page);
    }

private:
    void typeLengths(std::span<const rooms::Centi> lengths) const
    {
        for (std::size_t i = 0; i < m_page.pipeLengths.size() && i < lengths.size(); ++i)
            TypeInto(*m_page.pipeLengths[i], TypedLength(lengths[i]));
    }

    RefrigerantPage m_page {};
    std::vector<std::pair<QWidget *, QWidget *>> m_captions; // control, its caption
};

} // namespace

std::span<const LayoutRow> RefrigerantRows()
{
    return kRows;
}

std::unique_ptr<CalculatorPage> MakeRefrigerantPage(const Services &services)
{
    return std::make_unique<RefrigerantUnit>(services);
}

bool IsOutdoorPartOn(const RefrigerantPage &page)
{
    return !page.outdoorCharge->isHidden();
}

const OutdoorModel *CheckedModel(const RefrigerantPage &page)
{
    // The radios form one group, so at most one model is checked.
    for (std::size_t i = 0; i < page.models.size(); ++i) {
        if (page.models[i]->isChecked())
            return &OutdoorModels[i];
    }
    return nullptr;
}

void UpdateRefrigerantResults(const RefrigerantPage &page)
{
    if (IsOutdoorPartOn(page) && CheckedModel(page))
        ComputeOutdoorCharge(page);
    ComputeIndoorCharge(page);
    ComputeTotalCharge(page);
}

void ComputeOutdoorCharge(const RefrigerantPage &page)
{
    const OutdoorModel *model = CheckedModel(page);
    if (model)
        WriteNumber(*page.ratio, CapacityRatio(ReadNumber(*page.indoorCapacity), *model));
    // The ratio as shown decides the band and the warning, so what the user reads is what was judged.
    const double ratio = ReadNumber(*page.ratio);
    if (model) {
        const Band band = RatioBand(ratio);
        if (band != Band::None)
            WriteNumber(*page.outdoorCharge, OutdoorCharge(*model, band, ReadNumber(*page.indoorUnits)));
    }
    const QStringView warning = RatioWarning(ratio);
    if (!warning.isEmpty())
        page.showMessage(warning.toString());
}

void ComputeIndoorCharge(const RefrigerantPage &page)
{
    std::array<double, LiquidPipes.size()> metres {};
    for (std::size_t row = 0; row < metres.size(); ++row)
        metres[row] = ReadNumber(*page.pipeLengths[row]);
    WriteNumber(*page.indoorCharge, IndoorCharge(metres));
}

void ComputeTotalCharge(const RefrigerantPage &page)
{
    const double indoor = ReadNumber(*page.indoorCharge);
    // While the outdoor-unit part is switched off its box is hidden; a value the user can neither
    // see nor change must not slip into the total.
    const double total
        = IsOutdoorPartOn(page) ? TotalCharge(indoor, ReadNumber(*page.outdoorCharge)) : indoor;
    WriteNumber(*page.totalCharge, total);
}

void EnableOutdoorPart(const RefrigerantPage &page)
{
    setOutdoorPart(page, true);
}

void DisableOutdoorPart(const RefrigerantPage &page)
{
    setOutdoorPart(page, false);
}

} // namespace kalmoro
