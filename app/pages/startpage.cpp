#include "startpage.h"

#include "layoutnotes.h"

namespace kalmoro {

namespace {

using namespace layoutnotes;

constexpr LayoutRow kRows[] = {
    {u"图片框3", Kind::PictureBox, MainPage(kStartUnit.page), {42, 11, 726, 525}, true, u"",
        {assets::Asset::img079}, kNone},
};

} // namespace

std::span<const LayoutRow> StartRows()
{
    return kRows;
}

std::unique_ptr<Page> MakeStartPage(const Services &)
{
    return std::make_unique<Page>();
}

} // namespace kalmoro
