#include "widgets/editbox.h"

#include <limits>

namespace kalmoro {

EditBox::EditBox(QWidget *parent)
    : QLineEdit(parent)
{
    // Qt caps a line edit at 32767 characters; a paste must never be cut short silently.
    setMaxLength(std::numeric_limits<int>::max());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

void EditBox::setTextColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, color);
    setPalette(colours);
}

} // namespace kalmoro
