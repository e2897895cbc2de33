#include "copperpage.h"

#include <QShortcut>

#include "controlnumber.h"
#include "controlresolver.h"
#include "layoutnotes.h"
#include "widgets/browserhost.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

using assets::Asset;
using namespace copper;
using namespace coppernames;
using namespace layoutnotes;
using namespace palette;

constexpr ParentRef kPage = MainPage(kCopperUnit.page);
// The page's picture holds the hint and the frame that clips the futures quote.
constexpr std::u16string_view kPicture = u"图片框5";
constexpr std::u16string_view kQuoteFrame = u"分组框1";
const QKeySequence kClearKey {Qt::CTRL | Qt::SHIFT | Qt::Key_Delete};

constexpr LayoutRow kRows[] = {
    {kTotal, Kind::TransparentLabel, kPage, {83, 470, 91, 40}, true, u"铜管价格", {},
        {.fontPx = 20, .color = kDarkGreen}},
    {kClearMetres, Kind::GraphicButton, kPage, {345, 472, 119, 36}, true, u"",
        {Asset::img127, Asset::img128, Asset::img129}, kNone},
    {kComputeTotal, Kind::GraphicButton, kPage, {216, 472, 119, 36}, true, u"",
        {Asset::img130, Asset::img131, Asset::img132}, kNone},
    {kRowBoxes[12].price, Kind::EditBox, kPage, {348, 420, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[12].metres, Kind::EditBox, kPage, {163, 420, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[11].price, Kind::EditBox, kPage, {348, 393, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[10].price, Kind::EditBox, kPage, {348, 368, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[11].metres, Kind::EditBox, kPage, {163, 393, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[10].metres, Kind::EditBox, kPage, {163, 368, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[9].price, Kind::EditBox, kPage, {348, 340, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[8].price, Kind::EditBox, kPage, {348, 312, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[9].metres, Kind::EditBox, kPage, {163, 340, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[8].metres, Kind::EditBox, kPage, {163, 312, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[7].price, Kind::EditBox, kPage, {348, 286, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[6].price, Kind::EditBox, kPage, {348, 256, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[7].metres, Kind::EditBox, kPage, {163, 286, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[6].metres, Kind::EditBox, kPage, {163, 256, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[5].price, Kind::EditBox, kPage, {348, 230, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[4].price, Kind::EditBox, kPage, {348, 204, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[5].metres, Kind::EditBox, kPage, {163, 230, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[4].metres, Kind::EditBox, kPage, {163, 204, 70, 20}, true, u"", {}, kCentred},
    {kFuturesPrice, Kind::EditBox, kPage, {242, 48, 88, 24}, true, u"", {},
        {.fontPx = 19, .color = kRed, .align = Align::Centre}},
    {kRowBoxes[3].price, Kind::EditBox, kPage, {348, 176, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[2].price, Kind::EditBox, kPage, {348, 150, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[3].metres, Kind::EditBox, kPage, {163, 176, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[2].metres, Kind::EditBox, kPage, {163, 150, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[1].price, Kind::EditBox, kPage, {348, 124, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[0].price, Kind::EditBox, kPage, {348, 98, 70, 20}, true, u"", {}, kNone},
    {kRowBoxes[1].metres, Kind::EditBox, kPage, {163, 124, 70, 20}, true, u"", {}, kCentred},
    {kRowBoxes[0].metres, Kind::EditBox, kPage, {163, 98, 70, 20}, true, u"", {}, kCentred},
    {kPicture, Kind::PictureBox, kPage, {15, 15, 775, 522}, true, u"", {Asset::img133}, kNone},
    {u"透明标签22", Kind::TransparentLabel, ParentRef {kPicture}, {528, 330, 224, 32}, true,
        u"把今日铜价里的数值填入期货铜价", {}, {.color = kDarkGreen}},
    {u"透明标签20", Kind::TransparentLabel, ParentRef {kPicture}, {504, 291, 100, 32}, true, u"温馨提示：",
        {}, {.fontPx = 12, .bold = true, .color = kDarkGreen}},
    {kQuoteFrame, Kind::GroupBox, ParentRef {kPicture}, {512, 120, 240, 152}, true, u"", {}, kNone},
    {kFuturesQuote, Kind::Browser, ParentRef {kQuoteFrame}, {-205, -377, 488, 528}, true, u"", {},
        {.silent = true}},
};

class CopperUnit final : public CalculatorPage, public PageJobLines, public PipeLengthsTarget
{
public:
    explicit CopperUnit(const Services &services)
        : m_futuresQuote(services.futuresQuote)
    {
        m_page.showMessage = services.showMessage;
    }

    void resolve(ControlResolver &controls) override
    {
        m_page.futuresPrice = controls.get<EditBox>(kFuturesPrice);
        for (std::size_t i = 0; i < kRowBoxes.size(); ++i) {
            m_page.rows[i] = {&PipeRows[i], controls.get<EditBox>(kRowBoxes[i].metres),
                controls.get<EditBox>(kRowBoxes[i].price)};
        }
        m_page.total = controls.get<TransparentLabel>(kTotal);
        m_page.computeTotal = controls.get<GraphicButton>(kComputeTotal);
        m_page.clearMetres = controls.get<GraphicButton>(kClearMetres);
        m_page.futuresQuote = controls.get<BrowserHost>(kFuturesQuote);
    }

    void wire(QObject *context) const override
    {
        const CopperPage &page = m_page;
        QObject::connect(
            page.futuresPrice, &EditBox::textChanged, context, [&page] { RefreshMarketPrices(page); });
        QObject::connect(
            page.computeTotal, &GraphicButton::clicked, context, [&page] { ComputeCopperTotal(page); });
        QObject::connect(
            page.clearMetres, &GraphicButton::clicked, context, [&page] { ClearCopperMetres(page); });
        // The futures price, the metres down the table, then the prices.
        std::vector<QWidget *> order {page.futuresPrice};
        for (const CopperPage::Row &row : page.rows)
            order.push_back(row.metres);
        for (const CopperPage::Row &row : page.rows)
            order.push_back(row.price);
        ChainTabOrder(order);
        // The captions are drawn in the page's picture: the pipe, then the units.
        page.futuresPrice->setAccessibleName(QStringLiteral("期货铜价 元"));
        for (const CopperPage::Row &row : page.rows) {
            row.metres->setAccessibleName(PipeName(*row.pipe) + QStringLiteral(" 米"));
            row.price->setReading(PipeName(*row.pipe) + QStringLiteral(" 市场价"), QStringLiteral("元"));
        }
        page.futuresQuote->setAccessibleName(QStringLiteral("今日铜价"));
        // Before any result the total shows its caption.
        page.total->setReading(page.total->text(), QStringLiteral("元"));

        // Enter in any box computes the total; clearing takes a chord that no stray key presses.
        auto *clear = new QShortcut(kClearKey, page.clearMetres);
        QObject::connect(clear, &QShortcut::activated, page.clearMetres, &GraphicButton::click);
        std::vector<EditBox *> boxes {page.futuresPrice};
        for (const CopperPage::Row &row : page.rows)
            boxes.insert(boxes.end(), {row.metres, row.price});
        FinishOnEnter(boxes, *page.computeTotal,
            {BringUpToDateNote(), {kClearKey, page.clearMetres->accessibleName()}});
        WireBringUpToDateKey(*this, context);
    }

    void enter(EntrySteps &steps) const override
    {
        // Fresh on every visit: the quote changes through the day.
        m_page.futuresQuote->setAddress(m_futuresQuote);
        CalculatorPage::enter(steps);
    }

    QWidget *anchor() const override { return m_page.total; }

    void bringUpToDate() const override { ComputeCopperTotal(m_page); }

    Quotation quotation(QDate date) const override
    {
        Quotation quotation {QStringLiteral("铜管报价"), date, {}, {}, {}};
        AddFilled(quotation.lines, QStringLiteral("期货铜价"), *m_page.futuresPrice, QStringLiteral("元"));
        // The page's total counts each metre at the market price with its margin; the sheet says so.
        quotation.lines.append({{QStringLiteral("单价"), QStringLiteral("市场价 × 1.2"), {}}});
        quotation.priced = lines(Job {});
        return quotation;
    }

    const PageJobLines *jobLines() const override { return this; }
    JobSource source() const override { return JobSource::Copper; }

    // A line a row with metres, priced per metre as the page's total counts it.
    QList<JobLine> lines(const Job &) const override
    {
        QList<JobLine> lines;
        for (const CopperPage::Row &row : m_page.rows) {
            if (!HasLength(*row.metres))
                continue;
            lines.append({QStringLiteral("Φ%1 铜管").arg(row.pipe->diameter),
                ShownDecimal(row.metres->text(), MilliDecimals), QStringLiteral("米"),
                DecimalFromDouble(RowAmount(1, ReadNumber(*row.price)), MicroYuanDecimals).value_or(0),
                JobSource::Copper});
        }
        return lines;
    }

    // The metres typed into the rows, then the total as a click computes it, with its message for a
    // missing or low futures price.
    void takePipeLengths(std::span<const rooms::Centi> lengths) const override
    {
        for (std::size_t i = 0; i < m_page.rows.size() && i < lengths.size(); ++i)
            TypeInto(*m_page.rows[i].metres, TypedLength(lengths[i]));
        ComputeCopperTotal(m_page);
    }

private:
    CopperPage m_page {};
    QUrl m_futuresQuote;
};

} // namespace

std::span<const LayoutRow> CopperRows()
{
    return kRows;
}

std::unique_ptr<CalculatorPage> MakeCopperPage(const Services &services)
{
    return std::make_unique<CopperUnit>(services);
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
        page.showMessage(LowPriceMessage.toString());
    std::array<double, PipeRows.size()> metres {};
    std::array<double, PipeRows.size()> prices {};
    for (std::size_t row = 0; row < page.rows.size(); ++row) {
        metres[row] = ReadNumber(*page.rows[row].metres);
        prices[row] = ReadNumber(*page.rows[row].price);
    }
    WriteNumber(*page.total, Total(metres, prices));
}

void ClearCopperMetres(const CopperPage &page)
{
    WriteNumber(*page.total, 0);
    for (const CopperPage::Row &row : page.rows)
        row.metres->clear();
}

} // namespace kalmoro
