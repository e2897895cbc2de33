#pragma once

class QLineEdit;

namespace kalmoro {

class TransparentLabel;

// The number at the start of an edit box's content.
double ReadNumber(const QLineEdit &box);

// Shows value, rounded to 13 significant digits, as an edit box's content or a label's caption.
void WriteNumber(QLineEdit &box, double value);
void WriteNumber(TransparentLabel &label, double value);

} // namespace kalmoro
