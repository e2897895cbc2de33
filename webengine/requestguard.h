#pragma once

#include <QWebEngineUrlRequestInterceptor>

namespace kalmoro {

// Sees every request of the profile, those of workers included. A local page loads from its own
// folder only and reaches nothing else; no page at all reads a file directly or loads a local
// page of a folder that is not its own.
class RequestGuard final : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RequestGuard)
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};

} // namespace kalmoro
