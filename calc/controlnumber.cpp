#include "calc/controlnumber.h"

#include <QMetaObject>
#include <QVariant>
#include <QWidget>

#include "calc/numbertext.h"

namespace kalmoro {

double ReadNumber(const QWidget *control)
{
    return TextToNumber(control->property("text").toString());
}

void WriteNumber(QWidget *control, double value)
{
    const QString text = NumberToText(value);
    // A control that offers setNumberText (the transparent label) fits the whole number into its box
    // instead of cutting it off.
    if (control->metaObject()->indexOfMethod("setNumberText(QString)") >= 0)
        QMetaObject::invokeMethod(control, "setNumberText", Q_ARG(QString, text));
    else
        control->setProperty("text", text);
}

} // namespace kalmoro
