#pragma once

#include <QHash>
#include <QStringList>
#include <QWebEngineUrlSchemeHandler>

namespace kalmoro {

// Local pages are served under a scheme of the program's own rather than as files, so that every
// file: address is another origin to them and the engine's rules for files never apply. Each list
// of page folders is one host of the scheme: the folders a page's files are looked up in share one
// origin.
inline constexpr char PageScheme[] = "kalmoro-web";

// Makes the scheme known to the engine; before the engine's first profile, or it is ignored.
void RegisterPageScheme();

// Whether url, an address of the scheme, names an HTML page: the only kind of file a frame
// or an embedded object may show, as each served page carries the program's policy.
bool IsPageDocument(const QUrl &url);

// Serves the regular files under each host's page folders, and nothing else: a file from the first
// folder that holds it, and refused when it is not a regular file inside that folder. Pages get the
// program's policy at their start: no connection, no worker, no plug-in, whatever their own code asks.
class PageSchemeHandler final : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageSchemeHandler)
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // The host under which the pages of folders, looked up in that order, are served; the same
    // host for the same folders.
    QString hostFor(const QStringList &folders);
    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    // host -> folders, resolved on each request: a folder may be made, or become a link, meanwhile
    QHash<QString, QStringList> m_folders;
};

} // namespace kalmoro
