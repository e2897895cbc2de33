#include "copperpage.h"

#include "controlnumber.h"
#include "controlresolver.h"
#include "message.h"
#include "widgets/browserhost.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

using namespace copper;

struct RowBoxes {
    QStringView metres;
    QStringView price;
};

// The boxes of each row, in the order of PipeRows.
constexpr std::array<RowBoxes, PipeRows.size()> kRowBoxes = {{
    {u"编辑框1", u"编辑框2"},
    {u"编辑框3", u"编辑框4"},
    {u"编辑框5", u"编辑框6"},
    {u"编辑框7", u"编辑框8"},
    {u"编辑框9", u"编辑框10"},
    {u"编辑框11", u"编辑框12"},
    {u"编辑框13", u"编辑框14"},
    {u"编辑框15", u"编辑框16"},
    {u"编辑框17", u"编辑框18"},
    {u"编辑框19", u"编辑框20"},
    {u"编辑框21", u"编辑框22"},
    {u"编辑框23", u"编辑框24"},
    {u"编辑框25", u"编辑框26"},
}};

} // namespace

CopperPage ResolveCopperPage(ControlResolver &controls)
{
    CopperPage page{};
    page.futuresPrice = controls.get<EditBox>(u"编辑框0");
    for (std::size_t i = 0; i < kRowBoxes.size(); ++i) {
        page.rows[i] = {&PipeRows[i], controls.get<EditBox>(kRowBoxes[i].metres),
                        controls.get<EditBox>(kRowBoxes[i].price)};
    }
    page.total = controls.get<TransparentLabel>(u"透明标签10");
    page.computeTotal = controls.get<GraphicButton>(u"超级按钮1");
    page.clearMetres = controls.get<GraphicButton>(u"超级按钮3");
    page.quotation = controls.get<BrowserHost>(u"今日铜价浏览");
    return page;
}

void WireCopperPage(const CopperPage &page, QObject *context)
{
    QObject::connect(page.futuresPrice, &EditBox::textChanged, context, [&page] { RefreshMarketPrices(page); });
    QObject::connect(page.computeTotal, &GraphicButton::clicked, context, [&page] { ComputeCopperTotal(page); });
    QObject::connect(page.clearMetres, &GraphicButton::clicked, context, [&page] { ClearCopperMetres(page); });
}

void RefreshMarketPrices(const CopperPage &page)
{
    const double futuresPrice = ReadNumber(*page.futuresPrice);
    for (const CopperPage::Row &row : page.rows)
        WriteNumber(*row.price, MarketPrice(futuresPrice, *row.pipe));
}

void ComputeCopperTotal(const CopperPage &page)
{
    if (IsFuturesPriceTooLow(ReadNumber(*page.futuresPrice)))
        ShowMessage(LowPriceMessage.toString());
    std::array<double, PipeRows.size()> metres{};
    std::array<double, PipeRows.size()> prices{};
    for (std::size_t row = 0; row < page.rows.size(); ++row) {
        metres[row] = ReadNumber(*page.rows[row].metres);
        prices[row] = ReadNumber(*page.rows[row].price);
    }
    WriteNumber(*page.total, Total(metres, prices));
}

void ClearCopperMetres(const CopperPage &page)
{
    page.total->setText(QStringLiteral("0"));
    for (const CopperPage::Row &row : page.rows)
        row.metres->clear();
}

} // namespace kalmoro
