#include "controlnumber.h"

#include <QLineEdit>

#include "numbertext.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

double ReadNumber(const QLineEdit &box)
{
    return TextToNumber(box.text());
}

void WriteNumber(QLineEdit &box, double value)
{
    box.setText(NumberToText(value));
    // A number wider than its box shows from its first digit, as a native edit control shows a
    // text its program sets; the tail alone would read as another number.
    box.setCursorPosition(0);
}

void WriteNumber(TransparentLabel &label, double value)
{
    // A label fits the whole number into its box instead of cutting it off.
    label.setNumberText(NumberToText(value));
}

} // namespace kalmoro
