#pragma once

#include <QUrl>

namespace kalmoro {

// The copper futures quote shown in the copper page's viewport.
QUrl FuturesQuoteAddress();
// The maker's page, opened in the desktop's default browser.
QUrl MakerAddress();

} // namespace kalmoro
