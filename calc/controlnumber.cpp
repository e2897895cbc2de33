#include "calc/controlnumber.h"

#include <QVariant>
#include <QWidget>

#include "calc/numbertext.h"
#include "shell/widgets/transparentlabel.h"

namespace kalmoro {

double ReadNumber(const QWidget *control)
{
    return TextToNumber(control->property("text").toString());
}

void WriteNumber(QWidget *control, double value)
{
    const QString text = NumberToText(value);
    // A label fits the whole number into its box instead of cutting it off.
    if (auto *label = qobject_cast<TransparentLabel *>(control))
        label->setNumberText(text);
    else
        control->setProperty("text", text);
}

} // namespace kalmoro
