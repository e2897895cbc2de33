#include "addresses.h"

#include "hosts.h"

namespace kalmoro {

namespace {
QUrl &quotationOverride()
{
    static QUrl url;
    return url;
}
} // namespace

QUrl QuotationAddress()
{
    if (!quotationOverride().isEmpty())
        return quotationOverride();
    return QUrl(QStringLiteral("https://" KALMORO_QUOTE_HOST KALMORO_QUOTE_PATH));
}

QUrl MakerAddress()
{
    return QUrl(QStringLiteral("https://" KALMORO_MAKER_HOST "/soft/yc"));
}

void SetQuotationAddressForTesting(const QUrl &url)
{
    quotationOverride() = url;
}

} // namespace kalmoro
