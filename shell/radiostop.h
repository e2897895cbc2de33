#pragma once

#include <span>

namespace kalmoro {

class RadioButton;

// Makes radios, in their Tab order, one stop of the keyboard: Tab enters them on the checked one, or
// on the first while none is, and leaves them for the control after the last; the arrow keys move
// among them alone, and from a checked radio check the one they reach, as in any radio group. The
// radios may be part of a larger group, whose marks stay exclusive: a group that offers two
// choices, such as a mode and a model, then has two stops, and an arrow never carries the focus
// from one choice into the other. Lives as long as the first radio.
void MakeRadioStop(std::span<RadioButton *const> radios);

} // namespace kalmoro
