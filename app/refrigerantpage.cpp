#include "refrigerantpage.h"

#include "controlnumber.h"
#include "controlresolver.h"
#include "message.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/radiobutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

using namespace refrigerant;

// The radios of the models, in the order of OutdoorModels.
constexpr std::array<QStringView, OutdoorModels.size()> kModelRadios = {
    u"二百五", u"三百", u"三百五", u"四百", u"四百五", u"五零四", u"五百六", u"六一五", u"七八五", u"九百"};
// The length boxes, in the order of LiquidPipes.
constexpr std::array<QStringView, LiquidPipes.size()> kLengthBoxes = {
    u"六", u"十", u"十二", u"十六", u"十九", u"二十二", u"二十五", u"二十八"};

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

} // namespace

RefrigerantPage ResolveRefrigerantPage(ControlResolver &controls)
{
    RefrigerantPage page{};
    page.greeMode = controls.get<RadioButton>(u"格力加氟");
    page.otherMode = controls.get<RadioButton>(u"其他加氟");
    for (std::size_t i = 0; i < kModelRadios.size(); ++i)
        page.models[i] = controls.get<RadioButton>(kModelRadios[i]);
    page.indoorUnits = controls.get<EditBox>(u"室内机台数");
    page.indoorCapacity = controls.get<EditBox>(u"室内机总量");
    page.ratio = controls.get<EditBox>(u"配比率");
    page.outdoorCharge = controls.get<EditBox>(u"外机加氟");
    page.computeOutdoor = controls.get<GraphicButton>(u"室内机加氟量");
    for (std::size_t i = 0; i < kLengthBoxes.size(); ++i)
        page.pipeLengths[i] = controls.get<EditBox>(kLengthBoxes[i]);
    page.indoorCharge = controls.get<EditBox>(u"内机加氟");
    page.computeIndoor = controls.get<GraphicButton>(u"室外机加氟量");
    page.totalCharge = controls.get<TransparentLabel>(u"一共加氟");
    page.computeTotal = controls.get<GraphicButton>(u"室外机加氟量1");
    return page;
}

void WireRefrigerantPage(const RefrigerantPage &page, QObject *context)
{
    QObject::connect(page.greeMode, &RadioButton::clicked, context, [&page] { EnableOutdoorPart(page); });
    QObject::connect(page.otherMode, &RadioButton::clicked, context, [&page] { DisableOutdoorPart(page); });
    QObject::connect(page.computeOutdoor, &GraphicButton::clicked, context, [&page] { ComputeOutdoorCharge(page); });
    QObject::connect(page.computeIndoor, &GraphicButton::clicked, context, [&page] { ComputeIndoorCharge(page); });
    QObject::connect(page.computeTotal, &GraphicButton::clicked, context, [&page] { ComputeTotalCharge(page); });
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
        ShowMessage(warning.toString());
}

void ComputeIndoorCharge(const RefrigerantPage &page)
{
    std::array<double, LiquidPipes.size()> metres{};
    for (std::size_t row = 0; row < metres.size(); ++row)
        metres[row] = ReadNumber(*page.pipeLengths[row]);
    WriteNumber(*page.indoorCharge, IndoorCharge(metres));
}

void ComputeTotalCharge(const RefrigerantPage &page)
{
    const double indoor = ReadNumber(*page.indoorCharge);
    // While the outdoor-unit part is switched off its box is hidden; a value the user can neither
    // see nor change must not slip into the total.
    const double total =
        IsOutdoorPartOn(page) ? TotalCharge(indoor, ReadNumber(*page.outdoorCharge)) : indoor;
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
