#include "calculatorpage.h"

#include <QLineEdit>
#include <QShortcut>

#include "controlnumber.h"
#include "numbertext.h"
#include "spokenresults.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"

namespace kalmoro {

namespace {

// Keys are named as on the keyboard; the keypad's Enter does what the main one does.
QString keyName(const QKeySequence &key)
{
    return key.toString(QKeySequence::PortableText);
}

const QKeySequence kEnter {Qt::Key_Enter};
const QKeySequence kCtrlEnter {Qt::CTRL | Qt::Key_Enter};

} // namespace

void CalculatorPage::enter(EntrySteps &steps) const
{
    Page::enter(steps);
    steps.focusFirstInput();
}

void FinishOnEnter(std::span<EditBox *const> boxes, GraphicButton &button, const QList<KeyNote> &pageKeys)
{
    QStringList notes {keyName(kEnter) + u'：' + button.accessibleName()};
    for (const KeyNote &note : pageKeys)
        notes << keyName(note.key) + u'：' + note.does;
    const QString description = QStringLiteral("快捷键 ") + notes.join(u'；');
    for (EditBox *box : boxes) {
        QObject::connect(box, &QLineEdit::returnPressed, &button, [&button] {
            const SpokenResults spoken;
            button.click();
        });
        box->setAccessibleDescription(description);
    }
}

void WireBringUpToDateKey(const CalculatorPage &page, QObject *context)
{
    // Held by a control of the page, so that the key works only while the page shows.
    auto *shortcut = new QShortcut(page.anchor());
    shortcut->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Return), kCtrlEnter});
    QObject::connect(shortcut, &QShortcut::activated, context, [&page] {
        const SpokenResults spoken;
        page.bringUpToDate();
    });
}

KeyNote BringUpToDateNote()
{
    return {kCtrlEnter, QStringLiteral("全部计算")};
}

void ChainTabOrder(const std::vector<QWidget *> &order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void AddFilled(QList<QuotationLine> &lines, const QString &caption, const QLineEdit &box, const QString &unit)
{
    if (!box.text().isEmpty())
        lines.append({{caption, box.text(), unit}});
}

bool HasLength(const QLineEdit &metres)
{
    return ReadNumber(metres) != 0;
}

void TypeInto(QLineEdit &box, const QString &typed)
{
    box.selectAll();
    if (typed.isEmpty())
        box.del();
    else
        box.insert(typed);
}

QString TypedLength(rooms::Centi length)
{
    return length == 0 ? QString() : FormatDecimal(length, rooms::CentiDecimals, 0);
}

qint64 ShownDecimal(const QString &shown, int decimals)
{
    return DecimalFromDouble(TextToNumber(shown), decimals).value_or(0);
}

} // namespace kalmoro
