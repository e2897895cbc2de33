#pragma once

class QWidget;

namespace kalmoro {

// The number at the start of control's text (an edit box's content, a label's caption).
double ReadNumber(const QWidget *control);

// Shows value as control's text, rounded to 13 significant digits.
void WriteNumber(QWidget *control, double value);

} // namespace kalmoro
