#pragma once

namespace kalmoro {

struct PageViews;

// Tab walks each calculator page in the order a person fills it, top to bottom: the inputs of a
// section first, then the boxes the program fills. Shift+Tab walks it backwards. The radios of the
// refrigerant page are one group, so Tab stops at one of them and the arrow keys move within.
void SetTabOrders(const PageViews &views);

} // namespace kalmoro
