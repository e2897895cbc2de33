#include "brandpages.h"

#include "controlresolver.h"
#include "platform.h"
#include "widgets/browserhost.h"
#include "widgets/graphicbutton.h"

namespace kalmoro {

namespace {

constexpr BrandPageButton kButtons[] = {
    {u"X7按钮", u"大金浏览器", u"\\web\\x7.html"},
    {u"P按钮", u"大金浏览器", u"\\web\\p.html"},
    {u"S按钮", u"大金浏览器", u"\\web\\s.html"},
    {u"skyair按钮", u"大金浏览器", u"\\web\\skyair.html"},
    {u"大金价格", u"大金浏览器", u"\\web\\daikinprice.html"},
    {u"GMVES按钮", u"格力浏览器", u"\\web\\gmves.html"},
    {u"GMV5按钮", u"格力浏览器", u"\\web\\gmv5.html"},
    {u"GMV5S按钮", u"格力浏览器", u"\\web\\gmv5s.html"},
    {u"star按钮", u"格力浏览器", u"\\web\\star.html"},
    {u"D按钮", u"格力浏览器", u"\\web\\d.html"},
    {u"qt按钮", u"格力浏览器", u"\\web\\qt.html"},
    {u"格力价格", u"格力浏览器", u"\\web\\greeprice.html"},
    {u"mdvs整体按钮", u"美的浏览器", u"\\web\\mdvsi.html"},
    {u"mdvs组合按钮", u"美的浏览器", u"\\web\\mdvs.html"},
    {u"侧出风按钮", u"美的浏览器", u"\\web\\cechu.html"},
    {u"美的价格", u"美的浏览器", u"\\web\\meidiprice.html"},
    {u"奥克斯X7按钮", u"奥克斯浏览器", u"\\web\\aux7.html"},
    {u"CE小多联按钮", u"奥克斯浏览器", u"\\web\\auxce.html"},
    {u"奥克斯轻商", u"奥克斯浏览器", u"\\web\\auxqs.html"},
    {u"奥克斯其他按钮", u"奥克斯浏览器", u"\\web\\auxqt.html"},
    {u"奥克斯价格", u"奥克斯浏览器", u"\\web\\auxprice.html"},
    {u"CMVX按钮", u"志高浏览器", u"\\web\\cmvx.html"},
    {u"CMV按钮", u"志高浏览器", u"\\web\\cmv.html"},
    {u"qingshang按钮", u"志高浏览器", u"\\web\\qingshang.html"},
    {u"chigohome按钮", u"志高浏览器", u"\\web\\chigohome.html"},
    {u"志高价格", u"志高浏览器", u"\\web\\chigoprice.html"},
};

constexpr BrandStartPage kStartPages[] = {
    {u"格力浏览器", u"\\web\\gree0.html"},
    {u"大金浏览器", u"\\web\\daikin0.html"},
    {u"美的浏览器", u"\\web\\meidi0.html"},
    {u"奥克斯浏览器", u"\\web\\aux0.html"},
    {u"志高浏览器", u"\\web\\chigo0.html"},
};

} // namespace

std::span<const BrandPageButton> BrandPageButtons()
{
    return kButtons;
}

std::span<const BrandStartPage> BrandStartPages()
{
    return kStartPages;
}

QUrl PageLocation(const QString &baseDirectory, const QString &relativePath)
{
    // The table writes paths with backslashes; a backslash in the program folder is a real
    // character of a folder name and stays.
    QString relative = relativePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QUrl::fromLocalFile(baseDirectory + relative);
}

void LoadPage(BrowserHost &browser, const QString &baseDirectory, const QString &relativePath)
{
    browser.setAddress(PageLocation(baseDirectory, relativePath));
}

BrandPages ResolveBrandPages(ControlResolver &controls)
{
    BrandPages pages;
    pages.buttons.reserve(std::size(kButtons));
    for (const BrandPageButton &row : kButtons) {
        pages.buttons.push_back({controls.get<GraphicButton>(row.button), controls.get<BrowserHost>(row.browser),
                                 QString::fromUtf16(row.path)});
    }
    pages.starts.reserve(std::size(kStartPages));
    for (const BrandStartPage &start : kStartPages)
        pages.starts.push_back({controls.get<BrowserHost>(start.browser), QString::fromUtf16(start.path)});
    return pages;
}

void WireBrandPages(const BrandPages &pages, QObject *context)
{
    for (const BrandPages::Button &button : pages.buttons) {
        QObject::connect(button.button, &GraphicButton::clicked, context, [&button] {
            LoadPage(*button.browser, platform::ProgramDirectory(), button.path);
        });
    }
}

void LoadStartPages(const BrandPages &pages)
{
    // Built from the program directory at any length: it is the working directory in normal
    // use, and reading the working directory into a fixed buffer would lose long paths.
    const QString base = platform::ProgramDirectory();
    for (const BrandPages::Start &start : pages.starts)
        LoadPage(*start.browser, base, start.path);
}

} // namespace kalmoro
