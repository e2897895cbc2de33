#include "calc/pages.h"

#include "calc/controlnumber.h"
#include "calc/message.h"
#include "calc/refrigerant.h"
#include "shell/mainwindow.h"

#include <QAbstractButton>

namespace kalmoro {

namespace {

using namespace refrigerant;

QWidget *control(MainWindow &window, QStringView name)
{
    return window.control(name.toString());
}

// The boxes and the button of the outdoor-unit part, in the order they are shown and hidden.
constexpr QStringView kOutdoorControls[] = {u"室内机台数", u"室内机总量", u"配比率", u"外机加氟", u"室内机加氟量"};

void setOutdoorPart(MainWindow &window, bool on)
{
    for (const OutdoorModel &model : OutdoorModels)
        control(window, model.radio)->setEnabled(on);
    for (QStringView name : kOutdoorControls)
        control(window, name)->setVisible(on);
}

} // namespace

void ComputeOutdoorCharge(MainWindow &window)
{
    QWidget *ratioBox = control(window, u"配比率");
    for (const OutdoorModel &model : OutdoorModels) {
        if (!window.control<QAbstractButton>(model.radio.toString())->isChecked())
            continue;
        WriteNumber(ratioBox, CapacityRatio(ReadNumber(control(window, u"室内机总量")), model));
        // The ratio as shown decides the band, so what the user reads is what was judged.
        const Band band = RatioBand(ReadNumber(ratioBox));
        if (band != Band::None)
            WriteNumber(control(window, u"外机加氟"),
                        OutdoorCharge(model, band, ReadNumber(control(window, u"室内机台数"))));
    }
    const QStringView warning = RatioWarning(ReadNumber(ratioBox));
    if (!warning.isEmpty())
        ShowMessage(warning.toString());
}

void ComputeIndoorCharge(MainWindow &window)
{
    std::array<double, LiquidPipes.size()> metres{};
    for (size_t row = 0; row < LiquidPipes.size(); ++row)
        metres[row] = ReadNumber(control(window, LiquidPipes[row].box));
    WriteNumber(control(window, u"内机加氟"), IndoorCharge(metres));
}

void ComputeTotalCharge(MainWindow &window)
{
    const double indoor = ReadNumber(control(window, u"内机加氟"));
    QWidget *outdoorBox = control(window, u"外机加氟");
    // While the outdoor-unit part is switched off its box is hidden; a value the user can neither
    // see nor change must not slip into the total.
    const double total = outdoorBox->isHidden() ? indoor : TotalCharge(indoor, ReadNumber(outdoorBox));
    WriteNumber(control(window, u"一共加氟"), total);
}

void EnableOutdoorPart(MainWindow &window)
{
    setOutdoorPart(window, true);
}

void DisableOutdoorPart(MainWindow &window)
{
    setOutdoorPart(window, false);
}

} // namespace kalmoro
