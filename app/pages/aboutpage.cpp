#include "aboutpage.h"

#include "framenames.h"
#include "layoutnotes.h"
#include "palette.h"

namespace kalmoro {

namespace {

using assets::Asset;
using enum Kind;
using namespace layoutnotes;

constexpr ParentRef kPage = MainPage(kAboutUnit.page);
constexpr Notes kAbout {.color = palette::kSlate};

// The sentence begun by 透明标签24 continues in 透明标签25.
constexpr LayoutRow kRows[] = {
    {u"透明标签25", TransparentLabel, kPage, {168, 234, 470, 32}, true,
        u"家宣传画册及说明书为依据。因各地材料价格不同及变动请以当地实际价格为准。", {}, kAbout},
    {u"透明标签24", TransparentLabel, kPage, {185, 204, 470, 32}, true,
        u"此次提供的Kalmoro，旨在方便广大中央空调消费者及暖通设计师。空调数据以厂", {}, kAbout},
    {u"透明标签23", TransparentLabel, kPage, {162, 174, 309, 32}, true, u"为广大网友及站长提供优质服务。", {},
        kAbout},
    {u"图片框6", PictureBox, kPage, {115, 258, 580, 266}, true, u"", {Asset::img013}, kNone},
    {u"透明标签21", TransparentLabel, kPage, {183, 147, 560, 32}, true,
        u"Lumavo-Lumavo集合各种精品软件、教程、设计素材、建站资源、互联网优惠信息等资源，", {}, kAbout},
    {framenames::kMakerLogo, GraphicButton, kPage, {201, 78, 385, 46}, true, u"",
        {Asset::img014, Asset::img015}, kNone},
};

// Its entry turns the tab before it swaps the column's pictures.
class AboutUnit final : public Page
{
public:
    void enter(EntrySteps &steps) const override
    {
        steps.turn();
        steps.select();
    }
};

} // namespace

std::span<const LayoutRow> AboutRows()
{
    return kRows;
}

std::unique_ptr<Page> MakeAboutPage(const Services &)
{
    return std::make_unique<AboutUnit>();
}

} // namespace kalmoro
