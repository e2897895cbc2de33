#include "requestguard.h"

#include <QWebEngineUrlRequestInfo>

#include "pagescheme.h"

namespace kalmoro {

namespace {

bool IsDocument(QWebEngineUrlRequestInfo::ResourceType type)
{
    return type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame
        || type == QWebEngineUrlRequestInfo::ResourceTypeSubFrame
        || type == QWebEngineUrlRequestInfo::ResourceTypeObject;
}

} // namespace

void RequestGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    // The program's own loads have no initiator.
    const QUrl initiator = info.initiator();
    const bool fromLocalPage = initiator.scheme() == QLatin1String(PageScheme)
        || info.firstPartyUrl().scheme() == QLatin1String(PageScheme);
    if (url.scheme() == QLatin1String(PageScheme)) {
        const bool fromElsewhere = initiator.isValid()
            && (initiator.scheme() != QLatin1String(PageScheme) || initiator.host() != url.host());
        info.block(fromElsewhere || (IsDocument(info.resourceType()) && !IsPageDocument(url)));
        return;
    }
    if (fromLocalPage || url.isLocalFile())
        info.block(true);
}

} // namespace kalmoro
