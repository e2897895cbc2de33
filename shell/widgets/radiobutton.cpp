#include "widgets/radiobutton.h"

#include <QMouseEvent>

namespace kalmoro {

RadioButton::RadioButton(QWidget *parent)
    : QRadioButton(parent)
{
    // Buttons fill with the Button role by default, which is grey.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void RadioButton::setTextColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void RadioButton::mousePressEvent(QMouseEvent *event)
{
    QRadioButton::mousePressEvent(event);
    // A press beside the mark and caption is still the radio's, never the window's.
    event->accept();
}

} // namespace kalmoro
