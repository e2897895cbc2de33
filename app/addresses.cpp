#include "addresses.h"

#include "hosts.h"

namespace kalmoro {

QUrl FuturesQuoteAddress()
{
    return QUrl(QStringLiteral("https://" KALMORO_QUOTE_HOST KALMORO_QUOTE_PATH));
}

QUrl MakerAddress()
{
    return QUrl(QStringLiteral("https://" KALMORO_MAKER_HOST "/soft/yc"));
}

} // namespace kalmoro
