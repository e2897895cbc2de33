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

// Whether the outdoor-unit part is on: the mode the brand radios last set. Choosing a model clears
// the brand radio's mark, so the mode shows only in whether the part's boxes are shown.
bool IsOutdoorPartOn(const RefrigerantPage &page);
// The model whose radio is checked, or nullptr when none is.
const refrigerant::OutdoorModel *CheckedModel(const RefrigerantPage &page);

// Brings every result of the page up to date, as clicks on its buttons would: the outdoor-unit
// part while it is on and a model is checked, then the indoor part, then the total.
void UpdateRefrigerantResults(const RefrigerantPage &page);

void ComputeOutdoorCharge(const RefrigerantPage &page);
void ComputeIndoorCharge(const RefrigerantPage &page);
void ComputeTotalCharge(const RefrigerantPage &page);
void EnableOutdoorPart(const RefrigerantPage &page);
void DisableOutdoorPart(const RefrigerantPage &page);

} // namespace kalmoro
