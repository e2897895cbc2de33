#pragma once

#include <QRect>
#include <QStringList>

class QWidget;

namespace kalmoro {

// Makes the widget kinds known to screen readers for what they are: the main window as a frame; a
// page tab as a list of page tabs with its headers, the current one selected; an edit box as
// editable text, named by its caption and unit, with its text as its value; a graphic button as
// a push button, checked and selected while it is checked; a label as static text; a picture as a
// graphic; a group box as a grouping; a browser by the part of it that shows. Safe to call more
// than once.
void InstallAccessibleInterfaces();

// Ties a control to a control that captions it: screen readers read the caption as the control's
// label (labelled-by), and the caption names what it labels (label-for); a picture that prints
// several captions may label several controls. Edit boxes, labels and pictures report both sides.
void SetLabelledBy(QWidget &control, QWidget &caption);

// Has screen readers read a picture as a list of rows, one item each, rather than as a graphic: a
// table the picture prints.
void ReadAsList(QWidget &picture, const QStringList &rows);

// The part of widget inside its ancestors, in global coordinates: what a magnifier should show.
QRect VisibleGlobalRect(const QWidget &widget);

} // namespace kalmoro
