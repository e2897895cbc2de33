#pragma once

class QObject;

namespace kalmoro {

class ControlResolver;
class EditBox;
class GraphicButton;
class TransparentLabel;

// The air vent price page: a supply air outlet and a return air vent, each from length and width.
struct VentPage {
    EditBox *outletLength;
    EditBox *outletWidth;
    TransparentLabel *outletPrice;
    GraphicButton *computeOutlet;
    EditBox *returnLength;
    EditBox *returnWidth;
    TransparentLabel *returnPrice;
    GraphicButton *computeReturn;
};

VentPage ResolveVentPage(ControlResolver &controls);
// Connects the page's buttons to its handlers for as long as context lives.
void WireVentPage(const VentPage &page, QObject *context);

// Brings the prices up to date, as clicks on the buttons would: each half whose length or width
// box holds text is computed again.
void UpdateVentPrices(const VentPage &page);
// Whether a half's length or width box holds text: only such a half is priced on request.
bool IsOutletFilled(const VentPage &page);
bool IsReturnFilled(const VentPage &page);

void ComputeOutletPrice(const VentPage &page);
void ComputeReturnPrice(const VentPage &page);

} // namespace kalmoro
