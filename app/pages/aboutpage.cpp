#include "aboutpage.h"

#include <array>

#include <QStringList>

#include "controlresolver.h"
#include "framenames.h"
#include "layoutnotes.h"
#include "palette.h"
#include "widgets/transparentlabel.h"

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

// The texts from top to bottom, the way they read.
constexpr std::u16string_view kTexts[] = {u"透明标签21", u"透明标签23", u"透明标签24", u"透明标签25"};

// Its entry turns the tab before it swaps the column's pictures. The focus goes to the first line
// of the text, which screen readers read as the whole text.
class AboutUnit final : public Page
{
public:
    void resolve(ControlResolver &controls) override
    {
        for (std::size_t i = 0; i < std::size(kTexts); ++i)
            m_texts[i] = controls.get<kalmoro::TransparentLabel>(kTexts[i]);
    }
    void wire(QObject *) const override
    {
        QStringList whole;
        for (const kalmoro::TransparentLabel *line : m_texts)
            whole << line->text();
        m_texts.front()->setAccessibleName(whole.join(QString()));
        m_texts.front()->setFocusPolicy(Qt::TabFocus);
    }
    void enter(EntrySteps &steps) const override
    {
        steps.turn();
        steps.select();
        steps.focus(*m_texts.front());
    }

private:
    std::array<kalmoro::TransparentLabel *, std::size(kTexts)> m_texts {};
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
