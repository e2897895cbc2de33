#pragma once

namespace kalmoro {

class MainWindow;

// Refrigerant top-up page.
void ComputeOutdoorCharge(MainWindow &window);
void ComputeIndoorCharge(MainWindow &window);
void ComputeTotalCharge(MainWindow &window);
void EnableOutdoorPart(MainWindow &window);
void DisableOutdoorPart(MainWindow &window);

// Copper pipe page.
void RefreshMarketPrices(MainWindow &window);
void ComputeCopperTotal(MainWindow &window);
void ClearCopperMetres(MainWindow &window);

// Air vent page.
void ComputeOutletPrice(MainWindow &window);
void ComputeReturnPrice(MainWindow &window);

// Connects the three calculator pages' controls to their handlers.
void WireCalculatorPages(MainWindow &window);

} // namespace kalmoro
