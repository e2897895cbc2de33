#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QWidget;

namespace kalmoro {

// Asks text in a box modal over parent's window with one button a choice, in that order; gives the
// choice clicked. Esc and the box's close button give the last choice, which is to leave things as
// they are.
QString AskChoice(QWidget *parent, const QString &text, const QStringList &choices);

// While a hook is set, AskChoice hands it the text and the choices and gives its answer instead of
// showing the box. Gives the hook it replaces; an empty hook restores the box.
using QuestionHook = std::function<QString(const QString &text, const QStringList &choices)>;
QuestionHook SetQuestionHook(QuestionHook hook);

} // namespace kalmoro
