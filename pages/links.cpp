#include "pages/links.h"

#include "pages/addresses.h"
#include "shell/mainwindow.h"
#include "shell/platform.h"
#include "shell/widgets/browserhost.h"
#include "shell/widgets/graphicbutton.h"
#include "shell/widgets/transparentlabel.h"

namespace kalmoro {

void ShowQuotation(MainWindow &window)
{
    window.control<BrowserHost>(QStringLiteral("今日铜价浏览"))->setAddress(QuotationAddress());
}

void OpenMakerPage()
{
    platform::OpenInDefaultBrowser(MakerAddress());
}

void WireLinks(MainWindow &window)
{
    QObject::connect(window.control<GraphicButton>(QStringLiteral("Lumavo按钮")), &GraphicButton::clicked, &window,
                     &OpenMakerPage);
    QObject::connect(window.control<TransparentLabel>(QStringLiteral("透明标签5")), &TransparentLabel::pressed,
                     &window, &OpenMakerPage);
}

} // namespace kalmoro
