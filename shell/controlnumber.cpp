#include "controlnumber.h"

#include <QLineEdit>

#include "numbertext.h"
#include "spokenresults.h"
#include "widgets/editbox.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

double ReadNumber(const QLineEdit &box)
{
    return TextToNumber(box.text());
}

void WriteNumber(QLineEdit &box, double value)
{
    const QString before = box.text();
    box.setText(NumberToText(value));
    if (const auto *edit = qobject_cast<const EditBox *>(&box); edit && box.text() != before)
        NoteResult(box, edit->reading());
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
