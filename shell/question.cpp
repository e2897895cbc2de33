#include "question.h"

#include <QMessageBox>
#include <QPushButton>

namespace kalmoro {

QString AskChoice(QWidget *parent, const QString &text, const QStringList &choices)
{
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

} // namespace kalmoro
