#pragma once

namespace kalmoro::vent {

// A vent up to 2 m long (with the calculators' tolerance) is priced by its area, a longer one by its
// width and then in proportion to its length.
bool IsShort(double length);

// Price of a supply air outlet of length × width metres.
double OutletPrice(double length, double width);

// Price of a return air vent of length × width metres.
double ReturnPrice(double length, double width);

} // namespace kalmoro::vent
