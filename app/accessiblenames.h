#pragma once

namespace kalmoro {

struct PageViews;

// Gives every edit box the caption and unit a user reads beside it, and every browser what it
// shows, so that a screen reader says them when the control takes the focus.
void NameControls(const PageViews &views);

} // namespace kalmoro
