#include "pagescheme.h"

#include <algorithm>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "regularfile.h"

namespace kalmoro {

namespace {

// Set before anything of the page can run: scripts and styles of the page's own folder only, no
// fetch, socket or event source to anywhere, no worker, whose requests would escape the page, and
// no embedded object, whose frame the page could reach before the engine's scripts run in it.
const QByteArray PagePolicy
    = R"(<meta http-equiv="Content-Security-Policy" content="default-src 'self' 'unsafe-inline'; connect-src 'none'; worker-src 'none'; object-src 'none'">)";

QString MimeTypeOf(const QString &path)
{
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
}

// The policy goes right after a leading byte order mark and document type, which keeps the page
// out of quirks mode; the parser then opens the head with it, before any of the page's own tags.
QByteArray WithPolicy(QByteArray html)
{
    qsizetype at = html.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < html.size() && QChar::isSpace(uchar(html.at(at))))
        ++at;
    if (html.sliced(at).first(std::min<qsizetype>(9, html.size() - at)).toLower() == "<!doctype") {
        const qsizetype end = html.indexOf('>', at);
        at = end < 0 ? html.size() : end + 1;
    }
    return html.insert(at, PagePolicy);
}

} // namespace

void RegisterPageScheme()
{
    QWebEngineUrlScheme scheme(PageScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    QWebEngineUrlScheme::registerScheme(scheme);
}

bool IsPageDocument(const QUrl &url)
{
    return MimeTypeOf(url.path()) == QLatin1String("text/html");
}

QString PageSchemeHandler::hostFor(const QStringList &folders, const QString &path)
{
    QStringList cleaned;
    for (const QString &folder : folders)
        cleaned << QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    qsizetype list = m_folders.indexOf(cleaned);
    if (list < 0) {
        list = m_folders.size();
        m_folders.append(cleaned);
    }
    const QString page = QDir::cleanPath(path);
    const bool dealers = std::ranges::any_of(cleaned.first(std::max<qsizetype>(cleaned.size() - 1, 0)),
        [&page](const QString &folder) { return QFileInfo::exists(folder + page); });
    const Site site {list, dealers ? page : QString()};
    QString host = m_sites.key(site);
    if (host.isEmpty()) {
        // Hosts without a dot: the engine then takes each whole host as a site.
        host = dealers ? QStringLiteral("pages%1-%2").arg(list).arg(m_sites.size())
                       : QStringLiteral("pages%1").arg(list);
        m_sites.insert(host, site);
    }
    return host;
}

bool PageSchemeHandler::serves(const QString &host, const QStringList &folders) const
{
    const auto site = m_sites.constFind(host);
    return site != m_sites.cend() && m_folders.at(site->folders) == folders;
}

void PageSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();
    const auto site = m_sites.constFind(url.host());
    if (job->requestMethod() != "GET" || site == m_sites.cend()) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    // Resolved, so that neither ".." nor a link leads out of the folder; and a regular file only.
    // The first folder that holds the file answers for it, also when it refuses it.
    const QStringList &all = m_folders.at(site->folders);
    const QStringList folders
        = site->page.isEmpty() ? all.sliced(std::max<qsizetype>(all.size() - 1, 0)) : all;
    QString folder;
    QFileInfo file;
    for (const QString &candidate : folders) {
        folder = QFileInfo(candidate).canonicalFilePath();
        if (folder.isEmpty())
            continue;
        file = QFileInfo(
            QFileInfo(folder + QLatin1Char('/') + url.path(QUrl::FullyDecoded)).canonicalFilePath());
        if (file.exists())
            break;
    }
    if (!file.exists()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    std::optional<QByteArray> read;
    if (file.filePath().startsWith(folder + QLatin1Char('/')))
        read = ReadRegularFile(file.filePath());
    if (!read) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString mimeType = MimeTypeOf(file.filePath());
    QByteArray content = std::move(*read);
    if (mimeType == QLatin1String("text/html"))
        content = WithPolicy(std::move(content));
    auto *body = new QBuffer(job);
    body->setData(content);
    job->reply(mimeType.toLatin1(), body);
}

} // namespace kalmoro
