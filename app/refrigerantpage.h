#pragma once

#include <array>

#include "refrigerant.h"

class QObject;

namespace kalmoro {

class ControlResolver;
class EditBox;
class GraphicButton;
class RadioButton;
class TransparentLabel;

// The refrigerant top-up page: the outdoor-unit part (mode, model, units, capacity, ratio and
// charge) and the indoor part (liquid pipe lengths and their charge), then the total.
struct RefrigerantPage {
    RadioButton *greeMode;
    RadioButton *otherMode;
    std::array<RadioButton *, refrigerant::OutdoorModels.size()> models; // in the order of OutdoorModels
    EditBox *indoorUnits;
    EditBox *indoorCapacity;
    EditBox *ratio;
    EditBox *outdoorCharge;
    GraphicButton *computeOutdoor;
    std::array<EditBox *, refrigerant::LiquidPipes.size()> pipeLengths; // in the order of LiquidPipes
    EditBox *indoorCharge;
    GraphicButton *computeIndoor;
    TransparentLabel *totalCharge;
    GraphicButton *computeTotal;
};

RefrigerantPage ResolveRefrigerantPage(ControlResolver &controls);
// Connects the page's buttons to its handlers for as long as context lives.
void WireRefrigerantPage(const RefrigerantPage &page, QObject *context);

void ComputeOutdoorCharge(const RefrigerantPage &page);
void ComputeIndoorCharge(const RefrigerantPage &page);
void ComputeTotalCharge(const RefrigerantPage &page);
void EnableOutdoorPart(const RefrigerantPage &page);
void DisableOutdoorPart(const RefrigerantPage &page);

} // namespace kalmoro
