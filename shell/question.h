#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kalmoro {

// Asks text in a box modal over parent's window with one button a choice, in that order; gives the
// choice clicked. Esc and the box's close button give the last choice, which is to leave things as
// they are.
QString AskChoice(QWidget *parent, const QString &text, const QStringList &choices);

} // namespace kalmoro
