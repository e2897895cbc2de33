#pragma once

#include <QUrl>

namespace kalmoro {

// The copper futures quotation shown in the copper page's viewport.
QUrl QuotationAddress();
// The maker's page, opened in the desktop's default browser.
QUrl MakerAddress();

// Lets tests point the quotation viewport at a server of their own; an empty url restores it.
void SetQuotationAddressForTesting(const QUrl &url);

} // namespace kalmoro
