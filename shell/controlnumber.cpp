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
}

void WriteNumber(TransparentLabel &label, double value)
{
    // A label fits the whole number into its box instead of cutting it off.
    label.setNumberText(NumberToText(value));
}

} // namespace kalmoro
