#include "calculatorpage.h"

#include <QLineEdit>

#include "controlnumber.h"
#include "numbertext.h"

namespace kalmoro {

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

qint64 ShownDecimal(const QString &shown, int decimals)
{
    return DecimalFromDouble(TextToNumber(shown), decimals).value_or(0);
}

} // namespace kalmoro
