#include "ventpage.h"

#include <QLineEdit>

#include "controlnumber.h"
#include "controlresolver.h"
#include "layoutnotes.h"
#include "vent.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

using assets::Asset;
using namespace ventnames;
using namespace layoutnotes;
using namespace palette;

constexpr ParentRef kPage = MainPage(kVentUnit.page);
// The page's picture prints the captions of the sizes.
constexpr std::u16string_view kPicture = u"图片框2";
// A half of the page prices one vent: quantity 1, in thousandths.
constexpr Milli kOneVent = 1'000;

constexpr LayoutRow kRows[] = {
    {kComputeReturn, Kind::GraphicButton, kPage, {427, 472, 161, 37}, true, u"",
        {Asset::img134, Asset::img135, Asset::img136}, kNone},
    {kComputeOutlet, Kind::GraphicButton, kPage, {427, 203, 161, 37}, true, u"",
        {Asset::img137, Asset::img138, Asset::img139}, kNone},
    {kReturnLength, Kind::EditBox, kPage, {470, 333, 72, 25}, true, u"", {}, kCentred},
    {kReturnWidth, Kind::EditBox, kPage, {470, 400, 72, 25}, true, u"", {}, kCentred},
    {kReturnPrice, Kind::TransparentLabel, kPage, {200, 476, 120, 24}, true, u"回风口价格", {},
        {.fontPx = 20, .color = kDarkGreen, .align = Align::Centre}},
    {kOutletPrice, Kind::TransparentLabel, kPage, {200, 208, 120, 24}, true, u"出风口价格", {},
        {.fontPx = 20, .color = kOrange, .align = Align::Centre}},
    {kOutletLength, Kind::EditBox, kPage, {470, 64, 72, 25}, true, u"", {}, kCentred},
    {kOutletWidth, Kind::EditBox, kPage, {470, 129, 72, 25}, true, u"", {}, kCentred},
    {kPicture, Kind::PictureBox, kPage, {116, 39, 560, 480}, true, u"", {Asset::img171}, kNone},
};

class VentUnit final : public CalculatorPage, public PageJobLines
{
public:
    void resolve(ControlResolver &controls) override
    {
        m_page = {
            .outletLength = controls.get<EditBox>(kOutletLength),
            .outletWidth = controls.get<EditBox>(kOutletWidth),
            .outletPrice = controls.get<TransparentLabel>(kOutletPrice),
            .computeOutlet = controls.get<GraphicButton>(kComputeOutlet),
            .returnLength = controls.get<EditBox>(kReturnLength),
            .returnWidth = controls.get<EditBox>(kReturnWidth),
            .returnPrice = controls.get<TransparentLabel>(kReturnPrice),
            .computeReturn = controls.get<GraphicButton>(kComputeReturn),
        };
    }

    void wire(QObject *context) const override
    {
        const VentPage &page = m_page;
        QObject::connect(
            page.computeOutlet, &GraphicButton::clicked, context, [&page] { ComputeOutletPrice(page); });
        QObject::connect(
            page.computeReturn, &GraphicButton::clicked, context, [&page] { ComputeReturnPrice(page); });
        ChainTabOrder({page.outletLength, page.outletWidth, page.returnLength, page.returnWidth});
        // The captions are drawn in the page's picture, which prints all four: each box is named on
        // its own rather than labelled by the picture, so that a screen reader says which box it is.
        page.outletLength->setAccessibleName(QStringLiteral("出风口尺寸 长 米"));
        page.outletWidth->setAccessibleName(QStringLiteral("出风口尺寸 宽 米"));
        page.returnLength->setAccessibleName(QStringLiteral("回风口尺寸 长 米"));
        page.returnWidth->setAccessibleName(QStringLiteral("回风口尺寸 宽 米"));
        // Before any result each price shows its caption.
        page.outletPrice->setReading(page.outletPrice->text(), QStringLiteral("元"));
        page.returnPrice->setReading(page.returnPrice->text(), QStringLiteral("元"));

        const QList<KeyNote> pageKeys {BringUpToDateNote()};
        FinishOnEnter(std::array {page.outletLength, page.outletWidth}, *page.computeOutlet, pageKeys);
        FinishOnEnter(std::array {page.returnLength, page.returnWidth}, *page.computeReturn, pageKeys);
        WireBringUpToDateKey(*this, context);
    }

    QWidget *anchor() const override { return m_page.outletPrice; }

    void bringUpToDate() const override { UpdateVentPrices(m_page); }

    // Each vent's size stands in its line's name.
    Quotation quotation(QDate date) const override
    {
        return {QStringLiteral("风口报价"), date, {}, {}, lines(Job {})};
    }

    const PageJobLines *jobLines() const override { return this; }
    JobSource source() const override { return JobSource::Vents; }

    // One vent a half with a size entered, named with its size.
    QList<JobLine> lines(const Job &) const override
    {
        QList<JobLine> lines;
        const auto addVent = [&lines](bool filled, const QString &kind, const QLineEdit &length,
                                 const QLineEdit &width, const TransparentLabel &price) {
            if (filled) {
                lines.append({QStringLiteral("%1 %2×%3 米").arg(kind, length.text(), width.text()), kOneVent,
                    QStringLiteral("个"), ShownDecimal(price.text(), MicroYuanDecimals), JobSource::Vents});
            }
        };
        const VentPage &page = m_page;
        addVent(IsOutletFilled(page), QStringLiteral("出风口"), *page.outletLength, *page.outletWidth,
            *page.outletPrice);
        addVent(IsReturnFilled(page), QStringLiteral("回风口"), *page.returnLength, *page.returnWidth,
            *page.returnPrice);
        return lines;
    }

private:
    VentPage m_page {};
};

} // namespace

std::span<const LayoutRow> VentRows()
{
    return kRows;
}

std::unique_ptr<CalculatorPage> MakeVentPage(const Services &)
{
    return std::make_unique<VentUnit>();
}

bool IsOutletFilled(const VentPage &page)
{
    return !page.outletLength->text().isEmpty() || !page.outletWidth->text().isEmpty();
}

bool IsReturnFilled(const VentPage &page)
{
    return !page.returnLength->text().isEmpty() || !page.returnWidth->text().isEmpty();
}

void UpdateVentPrices(const VentPage &page)
{
    if (IsOutletFilled(page))
        ComputeOutletPrice(page);
    if (IsReturnFilled(page))
        ComputeReturnPrice(page);
}

void ComputeOutletPrice(const VentPage &page)
{
    const double length = ReadNumber(*page.outletLength);
    const double width = ReadNumber(*page.outletWidth);
    WriteNumber(*page.outletPrice, vent::OutletPrice(length, width));
}

void ComputeReturnPrice(const VentPage &page)
{
    const double length = ReadNumber(*page.returnLength);
    const double width = ReadNumber(*page.returnWidth);
    WriteNumber(*page.returnPrice, vent::ReturnPrice(length, width));
}

} // namespace kalmoro
