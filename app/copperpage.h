#pragma once

#include <array>

#include "copper.h"

class QObject;

namespace kalmoro {

class BrowserHost;
class ControlResolver;
class EditBox;
class GraphicButton;
class TransparentLabel;

// The copper pipe price page: the futures price, one row of metres and market price per diameter,
// the total, and the viewport that shows the day's quotation.
struct CopperPage {
    struct Row {
        const copper::PipeRow *pipe;
        EditBox *metres;
        EditBox *price; // per metre
    };
    EditBox *futuresPrice;
    std::array<Row, copper::PipeRows.size()> rows; // top row first, in the order of PipeRows
    TransparentLabel *total;
    GraphicButton *computeTotal;
    GraphicButton *clearMetres;
    BrowserHost *quotation;
};

CopperPage ResolveCopperPage(ControlResolver &controls);
// Connects the futures box and the page's buttons to its handlers for as long as context lives.
void WireCopperPage(const CopperPage &page, QObject *context);

void RefreshMarketPrices(const CopperPage &page);
void ComputeCopperTotal(const CopperPage &page);
void ClearCopperMetres(const CopperPage &page);

} // namespace kalmoro
