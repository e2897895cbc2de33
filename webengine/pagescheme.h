#pragma once

#include <QHash>
#include <QStringList>
#include <QWebEngineUrlSchemeHandler>

namespace kalmoro {

// Local pages are served under a scheme of the program's own rather than as files, so that every
// file: address is another origin to them and the engine's rules for files never apply. A host is a
// site to the engine, which gives each site a renderer of its own: the pages the program ships, of
// the last of a list of page folders, are one host and share a renderer; each page of the folders
// before it, a dealer's, is a host of its own, so that one that hangs or crashes takes no other
// page with it.
inline constexpr char PageScheme[] = "kalmoro-web";

// Makes the scheme known to the engine; before the engine's first profile, or it is ignored.
void RegisterPageScheme();

// Whether url, an address of the scheme, names an HTML page: the only kind of file a frame
// or an embedded object may show, as each served page carries the program's policy.
bool IsPageDocument(const QUrl &url);

// Serves the regular files under each host's page folders, and nothing else: a file from the first
// folder that holds it, and refused when it is not a regular file inside that folder. The host of
// the program's own pages serves the program's folder alone, so that nothing of a dealer's runs in
// the renderer they share. Pages get the program's policy at their start: no connection, no worker,
// no plug-in, whatever their own code asks.
class PageSchemeHandler final : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageSchemeHandler)
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // The host under which the page at path (from the folders' root, "/x7.html") is served: the
    // program's own pages' host unless a folder before the last holds the page. The same host for
    // the same page.
    QString hostFor(const QStringList &folders, const QString &path);
    // Whether host serves pages of folders.
    bool serves(const QString &host, const QStringList &folders) const;
    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    struct Site {
        qsizetype folders; // in m_folders
        QString page; // a dealer's page; empty for the program's own pages
        bool operator==(const Site &) const = default;
    };

    // Folders, resolved on each request: a folder may be made, or become a link, meanwhile.
    QList<QStringList> m_folders;
    QHash<QString, Site> m_sites; // by host
};

} // namespace kalmoro
