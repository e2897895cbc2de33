#include "calc/pages.h"

#include "calc/controlnumber.h"
#include "calc/copper.h"
#include "calc/message.h"
#include "shell/mainwindow.h"
#include "shell/widgets/transparentlabel.h"

#include <QLineEdit>

namespace kalmoro {

namespace {

using namespace copper;

QWidget *control(MainWindow &window, QStringView name)
{
    return window.control(name.toString());
}

} // namespace

void RefreshMarketPrices(MainWindow &window)
{
    // Read once: the field may hold a megabyte of pasted text.
    const double futures = ReadNumber(control(window, u"编辑框0"));
    for (const PipeRow &row : PipeRows)
        WriteNumber(control(window, row.priceBox), MarketPrice(futures, row));
}

void ComputeCopperTotal(MainWindow &window)
{
    if (IsFuturesPriceTooLow(ReadNumber(control(window, u"编辑框0"))))
        ShowMessage(LowPriceMessage.toString());
    std::array<double, PipeRows.size()> metres{};
    std::array<double, PipeRows.size()> prices{};
    for (size_t row = 0; row < PipeRows.size(); ++row) {
        metres[row] = ReadNumber(control(window, PipeRows[row].metresBox));
        prices[row] = ReadNumber(control(window, PipeRows[row].priceBox));
    }
    WriteNumber(control(window, u"透明标签10"), Total(metres, prices));
}

void ClearCopperMetres(MainWindow &window)
{
    window.control<TransparentLabel>(QStringLiteral("透明标签10"))->setText(QStringLiteral("0"));
    for (const PipeRow &row : PipeRows)
        window.control<QLineEdit>(row.metresBox.toString())->clear();
}

} // namespace kalmoro
