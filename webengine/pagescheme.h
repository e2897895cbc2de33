#pragma once

#include <QHash>
#include <QWebEngineUrlSchemeHandler>

namespace kalmoro {

// Local pages are served under a scheme of the program's own rather than as files, so that every
// file: address is another origin to them and the engine's rules for files never apply. Each page
// folder is one host of the scheme.
inline constexpr char PageScheme[] = "kalmoro-web";

// Makes the scheme known to the engine; before the engine's first profile, or it is ignored.
void RegisterPageScheme();

// Whether url, an address of the scheme, names an HTML page: the only kind of file a frame
// or an embedded object may show, as each served page carries the program's policy.
bool IsPageDocument(const QUrl &url);

// Serves the regular files under each page folder, and nothing else. Pages get the program's
// policy at their start: no connection, no worker, no plug-in, whatever their own code asks.
class PageSchemeHandler final : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageSchemeHandler)
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // The host under which folder's pages are served; the same host for the same folder.
    QString hostFor(const QString &folder);
    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    QHash<QString, QString> m_folders; // host -> resolved folder
};

} // namespace kalmoro
