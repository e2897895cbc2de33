#include "webengineplugin.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QLoggingCategory>
#include <QQuickWindow>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include "pagescheme.h"
#include "qttranslation.h"
#include "requestguard.h"
#include "webpage.h"
#include "webview.h"

namespace kalmoro {

namespace {

QLoggingCategory::CategoryFilter previousLoggingFilter = nullptr;

const char *const WebRtcFlag = "--force-webrtc-ip-handling-policy=disable_non_proxied_udp";
// Views of one site share its renderer: the program's own pages, one host, take one renderer for
// all five brand browsers rather than one each, while every dealer's page and the quotation are
// sites of their own (pagescheme.h). Every site is isolated, as the engine would otherwise put all
// sites that need no isolation into one renderer of their own. No renderer is started ahead of a
// page that may never come, and no zygote for helpers without a sandbox, which the engine here
// never starts. A process model the engine's flags already name is kept.
const char *const ProcessModel[] = {"--process-per-site", "--site-per-process", "--no-unsandboxed-zygote"};
const char *const ProcessModelFeatureOff = "SpareRendererForSitePerProcess";
// The flags that name a process model.
const char *const ProcessModelFlags[] = {"--process-per-site", "--process-per-tab", "--single-process"};
constexpr char DisabledFeaturesFlag[] = "--disable-features=";

// The engine reads its disabled features from one flag, the last: feature joins the list there.
void DisableFeature(QByteArrayList &flags, const QByteArray &feature)
{
    const auto given = std::ranges::find_if(
        flags, [](const QByteArray &flag) { return flag.startsWith(DisabledFeaturesFlag); });
    if (given == flags.end())
        flags << QByteArray(DisabledFeaturesFlag) + feature;
    else
        *given += ',' + feature;
}

// Qt WebEngine 6.4.x describes its graphics contexts under this category, which is on by default,
// and while doing so reads the application's shared OpenGL context; the program creates none, so
// the first view would crash. A filter has the last word, unlike logging rules, which the
// environment can turn back on.
void silenceEngineContext(QLoggingCategory *category)
{
    if (qstrcmp(category->categoryName(), "qt.webenginecontext") == 0) {
        for (QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg})
            category->setEnabled(type, false);
    } else if (previousLoggingFilter) {
        previousLoggingFilter(category);
    }
}

// WebRTC's connections pass no request guard: its objects are gone before any page's script runs,
// in every frame, also in those the page fills by script before the engine loads anything there.
QWebEngineScript WithoutWebRtc()
{
    QFile source(QStringLiteral(":/webengine/withoutwebrtc.js"));
    source.open(QIODevice::ReadOnly);
    QWebEngineScript script;
    script.setName(QStringLiteral("without-webrtc"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QString::fromUtf8(source.readAll())
                             .replace(QStringLiteral("PAGE_SCHEME"), QLatin1String(PageScheme)));
    return script;
}

} // namespace

WebEnginePlugin::WebEnginePlugin()
{
    previousLoggingFilter = QLoggingCategory::installFilter(silenceEngineContext);
    // Views drawn by Qt Quick's software renderer need no OpenGL surface in the main window, so
    // the window keeps its native window when the first view appears, and the engine, finding no
    // shared context, composites in software.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Nor does the program: on X, the engine's question whether OpenGL is there would load the
    // display's OpenGL driver into it, tens of MB with a software one, unless told there is none.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // WebRTC sends nothing but through a proxy, which the program never sets, should a frame still
    // reach it.
    QByteArrayList flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").split(' ');
    flags.removeAll(QByteArray());
    flags << WebRtcFlag;
    if (std::ranges::none_of(
            ProcessModelFlags, [&flags](const char *model) { return flags.contains(model); })) {
        for (const char *flag : ProcessModel)
            flags << flag;
        DisableFeature(flags, ProcessModelFeatureOff);
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(' '));
    RegisterPageScheme();
    // The engine's own texts (its page menu) in the program's language, loaded with the engine.
    InstallQtTranslation(this, QStringLiteral("qtwebengine"));
}

QWidget *WebEnginePlugin::createView(QWidget *host, const BrowserOptions &options)
{
    QWebEngineProfile *profile = acquireProfile();
    auto *page = new WebPage(profile, options.silent, options.pageFolders, m_pages, nullptr);
    connect(page, &QObject::destroyed, this, &WebEnginePlugin::releaseProfile);
    return new WebView(page, host);
}

void WebEnginePlugin::load(QWidget *view, const QUrl &url)
{
    if (auto *webView = qobject_cast<WebView *>(view))
        webView->open(url);
}

QWebEngineProfile *WebEnginePlugin::acquireProfile()
{
    if (!m_profile) {
        m_profile = new QWebEngineProfile(this);
        // Pages are asked for the program's language and territory, as its own pages are shown in it.
        m_profile->setHttpAcceptLanguage(QLocale().name().replace(u'_', u'-'));
        m_pages = new PageSchemeHandler(m_profile);
        m_profile->installUrlSchemeHandler(PageScheme, m_pages);
        m_profile->setUrlRequestInterceptor(new RequestGuard(m_profile));
        m_profile->scripts()->insert(WithoutWebRtc());
    }
    ++m_views;
    return m_profile;
}

void WebEnginePlugin::releaseProfile()
{
    // A profile must outlive its pages and go before the application object: the last page to
    // close is the one moment that satisfies both.
    if (--m_views == 0) {
        delete m_profile;
        m_profile = nullptr;
        m_pages = nullptr;
    }
}

} // namespace kalmoro
