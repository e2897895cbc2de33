#include "question.h"

#include <utility>

#include <QMessageBox>
#include <QPushButton>

namespace kalmoro {

namespace {

QuestionHook &currentHook()
{
    static QuestionHook hook;
    return hook;
}

} // namespace

QString AskChoice(QWidget *parent, const QString &text, const QStringList &choices)
{
    // A copy, so that a hook may replace itself while it runs.
    if (const QuestionHook hook = currentHook())
        return hook(text, choices);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kalmoro"), text, QMessageBox::NoButton, parent);
    box.setWindowModality(Qt::WindowModal);
    QList<QPushButton *> buttons;
    for (const QString &choice : choices)
        buttons << box.addButton(choice, QMessageBox::ActionRole);
    box.setDefaultButton(buttons.value(0));
    box.setEscapeButton(buttons.value(buttons.size() - 1));
    box.exec();
    const qsizetype clicked = buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return choices.value(clicked < 0 ? choices.size() - 1 : clicked);
}

QuestionHook SetQuestionHook(QuestionHook hook)
{
    return std::exchange(currentHook(), std::move(hook));
}

} // namespace kalmoro
