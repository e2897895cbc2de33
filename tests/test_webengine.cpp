#include <algorithm>
#include <optional>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>
#include <signal.h>
#include <sys/stat.h>

#include "loopbackserver.h"
#include "platform.h"
#include "shelltesting.h"
#include "startprogram.h"
#include "widgets/browserhost.h"

namespace kalmoro {

namespace {

constexpr int LoadTimeoutMs = 30000;

// Closes every top-level widget that comes on screen while it lives, counting them: the only
// top-level widgets a browser makes are its dialogs. The timer also fires inside a dialog's own event loop,
// so it can close modal ones. It also counts the dialogs a browser asks to show, whether or not they
// reach the screen.
class DialogWatcher final : public QObject
{
public:
    DialogWatcher()
    {
        // Marked rather than remembered by address: a dialog may reuse the memory of one closed before.
        for (QWidget *widget : QApplication::topLevelWidgets())
            widget->setProperty(KnownProperty, true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                const QWindow *window = widget->windowHandle();
                if (window && window->isVisible() && !widget->property(KnownProperty).toBool()) {
                    widget->setProperty(KnownProperty, true);
                    m_titles.append(widget->windowTitle());
                    widget->close();
                }
            }
        });
        m_timer.start(20);
        QApplication::instance()->installEventFilter(this);
    }

    int seen() const { return int(m_titles.size()); }
    QStringList titles() const { return m_titles; }
    int asked() const { return int(m_asked.size()); }
    bool allClosed() const
    {
        return std::ranges::none_of(
            m_asked, [](const QPointer<QDialog> &dialog) { return dialog && dialog->isVisible(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *dialog = qobject_cast<QDialog *>(watched))
                m_asked.append(dialog);
        }
        return false;
    }

private:
    static constexpr const char *KnownProperty = "dialogWatcherKnown";
    QTimer m_timer;
    QStringList m_titles;
    QList<QPointer<QDialog>> m_asked;
};

// The quotation page as the viewport expects it: four coloured quarters exactly where the
// group box looks onto the page, black everywhere else.
const QByteArray QuotationPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><style>
html, body { margin: 0; height: 528px; overflow: hidden; background: #000; }
div { position: absolute; width: 120px; height: 76px; }
</style></head><body>
<div style="left: 205px; top: 377px; background: #f00"></div>
<div style="left: 325px; top: 377px; background: #0f0"></div>
<div style="left: 205px; top: 453px; background: #00f"></div>
<div style="left: 325px; top: 453px; background: #ff0"></div>
</body></html>)";

} // namespace

class WebEngineTest final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Loaded, Failed, Unfinished };
    Q_ENUM(Outcome)

    // dataFolder holds the user's data folder ("user") and the two shared ones ("local", "shared")
    // the environment names.
    explicit WebEngineTest(const QString &dataFolder)
        : m_dataFolder(dataFolder)
    {
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_pages.isValid());
        // As the program does before any browser starts: the engine then speaks Chinese.
        SetUpApplication();
    }

    // The engine's own pages, such as the one shown when the quotation cannot be reached, are in the
    // language it reports to the pages.
    void engineSpeaksChinese()
    {
        BrowserHost host;
        host.setPageFolder(m_pages.filePath(QStringLiteral("web")));
        host.resize(400, 300);
        host.show();
        host.setAddress(writePage("language.html", "<script>document.title = navigator.language;</script>"));
        QTRY_COMPARE_WITH_TIMEOUT(host.view()->property("title").toString(), u"zh-CN"_qs, LoadTimeoutMs);
        // Its own menus too.
        auto *view = qobject_cast<QWebEngineView *>(host.view());
        QVERIFY(view);
        QCOMPARE(view->pageAction(QWebEnginePage::ToggleBold)->text(), u"加粗（&B）"_qs);
    }

    void localPagesLoad_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("Daikin start page") << "daikin0.html"
                                           << "大金中央空调";
        QTest::newRow("Gree product page") << "gmv5.html"
                                           << "格力 GMV5 系列";
    }

    void localPagesLoad()
    {
        QFETCH(QString, page);
        QFETCH(QString, title);
        BrowserHost host;
        host.resize(816, 432);
        host.show();

        const QUrl url = QUrl::fromLocalFile(platform::ProgramDirectory() + QStringLiteral("/web/") + page);
        QCOMPARE(load(host, url), Outcome::Loaded);
        QCOMPARE(host.view()->property("title").toString(), title);
        // Screen readers read the view by the page's title.
        QCOMPARE(host.view()->accessibleName(), title);
    }

    // Each file of a page, the page itself and the script it links to, comes from the first folder
    // that holds it: the user's, the first shared one, the second, then the program's.
    void pagesAreLookedUpFileByFile_data()
    {
        QTest::addColumn<QStringList>("pageIn");
        QTest::addColumn<QStringList>("scriptIn");
        QTest::addColumn<QString>("shown"); // the folders the page and its script came from
        const QStringList all {u"user"_qs, u"local"_qs, u"shared"_qs, u"program"_qs};
        QTest::newRow("the user's page and script before all others") << all << all << "user user";
        QTest::newRow("the first shared folder before the second")
            << all.sliced(1) << all.sliced(2) << "local shared";
        QTest::newRow("the user's page with the program's script")
            << QStringList {u"user"_qs} << QStringList {u"program"_qs} << "user program";
        // Nothing of a dealer's runs beside the program's own pages, in the renderer they share.
        QTest::newRow("the program's page with its own script, not a shared one")
            << QStringList {u"program"_qs} << all.sliced(1) << "program program";
    }

    void pagesAreLookedUpFileByFile()
    {
        QFETCH(QStringList, pageIn);
        QFETCH(QStringList, scriptIn);
        QFETCH(QString, shown);
        QUrl page;
        for (const QString &folder : pageIn) {
            page = writePage("lookup.html",
                "<script src='lookup.js'></script><script>document.title = '" + folder.toUtf8()
                    + " ' + (window.from || 'none');</script>",
                folder);
        }
        for (const QString &folder : scriptIn)
            writeFile("lookup.js", "var from = '" + folder.toUtf8() + "';", folder);
        const auto removed = qScopeGuard([this] {
            for (const QString &folder : {u"user"_qs, u"local"_qs, u"shared"_qs, u"program"_qs}) {
                QFile::remove(pageFolder(folder) + u"/lookup.html"_qs);
                QFile::remove(pageFolder(folder) + u"/lookup.js"_qs);
            }
        });
        BrowserHost host;
        host.setPageFolder(pageFolder(u"program"_qs));
        host.resize(400, 300);
        host.show();

        QCOMPARE(load(host, page), Outcome::Loaded);
        QTRY_COMPARE_WITH_TIMEOUT(host.view()->property("title").toString(), shown, LoadTimeoutMs);
    }

    void scriptDialogsShowOnlyOutsideSilentMode_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<QString>("answer");
        QTest::newRow("brand browser shows an alert") << false << "alert('提示')" << 1 << "undefined";
        QTest::newRow("quotation browser keeps an alert to itself")
            << true << "alert('提示')" << 0 << "undefined";
        QTest::newRow("quotation browser answers no to a question")
            << true << "confirm('继续？')" << 0 << "false";
        QTest::newRow("brand browser stops a page's stream of alerts")
            << false << "(() => { for (let i = 0; i < 10; ++i) alert(i); return 'done'; })()" << 3 << "done";
    }

    void scriptDialogsShowOnlyOutsideSilentMode()
    {
        QFETCH(bool, silent);
        QFETCH(QString, call);
        QFETCH(int, dialogs);
        QFETCH(QString, answer);
        BrowserHost host;
        host.setSilent(silent);
        host.setPageFolder(m_pages.filePath(QStringLiteral("web")));
        host.resize(400, 300);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        DialogWatcher watcher;

        // The title changes only once the call has returned, whether or not a dialog was shown.
        host.setAddress(writePage("dialog.html",
            "<title>大金中央空调</title><script>document.title = String(" + call.toUtf8() + ");</script>"));
        QTRY_COMPARE_WITH_TIMEOUT(host.view()->property("title").toString(), answer, LoadTimeoutMs);
        QCOMPARE(watcher.seen(), dialogs);
        // Each dialog names the page by its title, not by its address.
        for (const QString &title : watcher.titles())
            QCOMPARE(title, u"大金中央空调"_qs);
    }

    void quotationViewportInTheWindow()
    {
        test::LoopbackServer server(QuotationPage);
        QVERIFY(server.start());
        Services services;
        services.futuresQuote = server.url(QStringLiteral("/futures/quotes/CU0.shtml"));
        const std::unique_ptr<MainWindow> window = testing::ShowProgramWindow(std::move(services));
        QVERIFY(window);

        QTest::mouseClick(window->control(QStringLiteral("铜管价格按钮")), Qt::LeftButton);
        QCOMPARE(finish(*window->control<BrowserHost>(QStringLiteral("今日铜价浏览"))), Outcome::Loaded);
        // The group box shows page x 205 to 444 and y 377 to 527; its own bottom row lies below the page.
        QWidget *box = window->control(QStringLiteral("分组框1"));
        QTRY_COMPARE_WITH_TIMEOUT(
            box->grab().toImage().pixelColor(120, 76), QColor(Qt::yellow), LoadTimeoutMs);
        const QImage image = box->grab().toImage();
        QCOMPARE(image.size(), QSize(240, 152));
        const QPair<QPoint, QColor> samples[] = {{{0, 0}, Qt::red}, {{239, 0}, Qt::green},
            {{0, 150}, Qt::blue}, {{239, 150}, Qt::yellow}, {{119, 75}, Qt::red}, {{120, 76}, Qt::yellow}};
        for (const auto &[at, colour] : samples)
            QVERIFY2(image.pixelColor(at) == colour, qPrintable(u"%1, %2"_qs.arg(at.x()).arg(at.y())));
        QVERIFY2(image.pixelColor(120, 151) != QColor(Qt::black), "row below the page");
    }

    void silentBrowserRefusesBadCertificates()
    {
        const std::optional<QPair<QSslCertificate, QSslKey>> identity = selfSigned();
        if (!identity)
            QSKIP("the openssl command is needed to make a self-signed certificate");

        test::LoopbackServer server(QuotationPage);
        server.useTls(identity->first, identity->second);
        QVERIFY(server.start());
        BrowserHost host;
        host.setSilent(true);
        host.resize(488, 528);
        host.show();
        DialogWatcher watcher;

        QCOMPARE(load(host, server.url(QStringLiteral("/futures/quotes/CU0.shtml"))), Outcome::Failed);
        QVERIFY(server.connections() > 0);
        QCOMPARE(server.requests(), 0);
        QCOMPARE(watcher.seen(), 0);
    }

    void missingWebFolderShowsTheErrorPage()
    {
        QWidget window;
        window.resize(900, 600);
        BrowserHost host(&window);
        host.setGeometry(-12, 120, 816, 432);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        DialogWatcher watcher;

        const QUrl url = QUrl::fromLocalFile(m_pages.filePath(QStringLiteral("web/x7.html")));
        QCOMPARE(load(host, url), Outcome::Failed);
        QCOMPARE(host.address(), url);
        QCOMPARE(host.view()->geometry(), QRect(0, 0, 816, 432));
        QTRY_VERIFY_WITH_TIMEOUT(!testing::AllOf(host.grab().toImage(), Qt::white), LoadTimeoutMs);
        QCOMPARE(watcher.seen(), 0);
    }

    // Pages under the page folder are a dealer's to replace: they may open each other, but read
    // no file by script, open nothing without the user's click and at most one thing per click.
    void hostileLocalPages_data()
    {
        QTest::addColumn<QString>("folder"); // the page folder that holds the page and its files
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("expected"); // "stays", "desktop once", or the title loaded

        // Once from the program's folder and once from the user's, which is looked in first.
        for (const QString &folder : {u"program"_qs, u"user"_qs}) {
            const auto newRow = [&folder](const char *name) -> QTestData & {
                return QTest::addRow("%s, from the %s folder", name, qPrintable(folder)) << folder;
            };
            const QString open = QStringLiteral("window.open('%1');");
            newRow("reading a file outside by script")
                << "const r = new XMLHttpRequest(); r.onload = () => document.title = r.responseText || "
                   "'refused';"
                   " r.onerror = () => document.title = 'refused'; r.open('GET', 'SECRET'); r.send();"
                << false << "refused";
            newRow("reading a page of its own folder by script")
                << "fetch('TARGET').then(r => r.text()).then(t => document.title = t ? 'read' : 'refused',"
                   " () => document.title = 'refused');"
                << false << "refused";
            newRow("reading a file outside in a frame")
                << "const f = document.createElement('iframe'); f.src = 'SECRET'; f.onload = () => {"
                   " try { document.title = f.contentDocument.body.innerText || 'refused'; }"
                   " catch (e) { document.title = 'refused'; } }; document.body.append(f);"
                   // A frame the engine refuses outright stays empty and reports nothing.
                   " setTimeout(() => { if (document.title === 'tried') document.title = 'refused'; }, 2000);"
                << false << "refused";
            newRow("opening a local page without a click") << open.arg("TARGET") << false << "stays";
            newRow("opening a web page without a click")
                << open.arg("http://127.0.0.1:9/a") << false << "stays";
            newRow("opening a local page on a click") << open.arg("TARGET") << true << "target";
            newRow("opening a file outside on a click") << open.arg("SECRET") << true << "stays";
            newRow("twenty web pages on one click")
                << "for (let i = 0; i < 20; ++i) window.open('http://127.0.0.1:9/' + i);" << true
                << "desktop once";
            newRow("going to a local page by script") << "location.href = 'TARGET';" << false << "target";
            newRow("reading a file outside in a shared worker")
                << "try { const w = new SharedWorker('worker.js'); w.onerror = () => document.title = "
                   "'refused';"
                   " w.port.onmessage = e => document.title = e.data; }"
                   " catch (e) { setTimeout(() => document.title = 'refused'); }"
                << false << "refused";
            newRow("a web socket to a listening server")
                << "const s = new WebSocket('ws://127.0.0.1:PORT/'); s.onopen = () => document.title = "
                   "'open';"
                   " s.onerror = () => document.title = 'refused';"
                << false << "refused";
            // WebRTC of the page and of each window it can reach, before the engine has run anything
            // in it, to STUN over UDP and TURN over TCP on the listening servers.
            const QString webRtc = QStringLiteral(
                "const rtc = w => { const c = new w.RTCPeerConnection({iceServers: [{urls: "
                "'stun:127.0.0.1:UDP'},"
                " {urls: 'turn:127.0.0.1:PORT?transport=tcp', username: 'u', credential: 'c'}]});"
                " c.onicegatheringstatechange = () => { if (c.iceGatheringState === 'complete')"
                " document.title = 'gathered'; }; c.createDataChannel('d');"
                " c.createOffer().then(o => c.setLocalDescription(o)); };"
                " const frame = () => { const f = document.createElement('iframe'); document.body.append(f); "
                "return f; };"
                " try { %1 } catch (e) { setTimeout(() => document.title = 'refused'); }");
            newRow("WebRTC in the page") << webRtc.arg("rtc(window);") << false << "refused";
            newRow("WebRTC in an empty frame made by script")
                << webRtc.arg("rtc(frame().contentWindow);") << false << "refused";
            newRow("WebRTC in an empty frame nested in another") << webRtc.arg(
                "const d = frame().contentDocument; d.body.append(d.createElement('iframe'));"
                " rtc(frames[frames.length - 1][0]);") << false << "refused";
            newRow("WebRTC in a frame written into an empty frame")
                << webRtc.arg("const f = frame(); f.contentDocument.write('<iframe></iframe>');"
                              " f.contentDocument.close(); rtc(f.contentWindow[0]);")
                << false << "refused";
            // Markup written into a document runs its scripts as it is written.
            newRow("WebRTC in a frame written into a closed document")
                << webRtc.arg("const d = frame().contentDocument; d.open(); d.close(); top.rtc = rtc;"
                              " d.write('<iframe></iframe><script>top.rtc(frames[0]);</' + 'script>');")
                << false << "refused";
            const QString inserted = QStringLiteral(
                "const s = document.createElement('script'); top.rtc = rtc; s.text = 'try { rtc(frames[0]); }"
                " catch (e) { setTimeout(() => document.title = \"refused\"); }';"
                " document.body.append(document.createElement('iframe'), s);");
            newRow("WebRTC in an empty frame inserted with a script")
                << webRtc.arg(inserted) << false << "refused";
            newRow("WebRTC in an empty frame in a shadow root")
                << webRtc.arg("const h = document.createElement('div'); document.body.append(h);"
                              " const f = document.createElement('iframe'); f.name = 'shadowed';"
                              " h.attachShadow({mode: 'closed'}).append(f); rtc(open('', 'shadowed'));")
                << false << "refused";
            newRow("a picture that is a pipe")
                << "const i = new Image(); i.onload = () => document.title = 'read';"
                   " i.onerror = () => document.title = 'refused'; i.src = 'pipe.png';"
                << false << "refused";
            newRow("a script that is a link out of its folder")
                << "const s = document.createElement('script'); s.onload = () => document.title = 'read';"
                   " s.onerror = () => document.title = 'refused'; s.src = 'link.js'; "
                   "document.body.append(s);"
                << false << "refused";
        }
    }

    void hostileLocalPages()
    {
        QFETCH(QString, folder);
        QFETCH(QString, script);
        QFETCH(bool, click);
        QFETCH(QString, expected);
        QFile secret(m_pages.filePath(QStringLiteral("secret.txt")));
        QVERIFY(secret.open(QIODevice::WriteOnly) && secret.write("secret") > 0);
        secret.close();
        // Only the row's folder holds the page, asked for in the program's folder as a brand button asks.
        QFile::remove(pageFolder(folder == u"user" ? u"program"_qs : u"user"_qs) + u"/hostile.html"_qs);
        writePage("target.html", "<title>target</title>", folder);
        const QString link = pageFolder(folder) + u"/link.js"_qs;
        QVERIFY(QFileInfo(link).isSymLink() || QFile::link(secret.fileName(), link));
        // Nothing may reach these, whatever the page tries.
        test::LoopbackServer listener("");
        QVERIFY(listener.start());
        QUdpSocket udp;
        QVERIFY(udp.bind(QHostAddress::LocalHost));
        const QString secretUrl = QUrl::fromLocalFile(secret.fileName()).toString();
        const QString fifo = pageFolder(folder) + u"/pipe.png"_qs;
        QVERIFY(QFileInfo::exists(fifo) || ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        writeFile("worker.js",
            "onconnect = e => { const port = e.ports[0]; fetch('" + secretUrl.toUtf8()
                + "').then(r => r.text()).then(t => port.postMessage(t ? 'read' : 'refused'),"
                  " () => port.postMessage('refused')); };",
            folder);
        script.replace(QLatin1String("SECRET"), secretUrl)
            .replace(QLatin1String("TARGET"), QLatin1String("target.html"))
            .replace(QLatin1String("PORT"), QString::number(listener.serverPort()))
            .replace(QLatin1String("UDP"), QString::number(udp.localPort()));
        // Without a click the script runs 100 ms after the page has loaded; with one, on a click
        // anywhere in the page. Once it has returned, the title says so.
        const QByteArray body = script.toUtf8() + " document.title = 'tried';";
        const QByteArray run = click ? "document.onclick = () => { " + body + " };"
                                     : "onload = () => setTimeout(() => { " + body + " }, 100);";
        const QUrl page = writePage("hostile.html",
            "<title>hostile</title><body style='margin:0;height:100vh;"
            "background:#ccc'><script>"
                + run + "</script></body>",
            folder);
        testing::DesktopBrowser desktop;
        BrowserHost host;
        host.setPageFolder(m_pages.filePath(QStringLiteral("web")));
        host.resize(400, 300);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        DialogWatcher watcher;

        QCOMPARE(load(host, page), Outcome::Loaded);
        QWebEnginePage *engine = qobject_cast<QWebEngineView *>(host.view())->page();
        int windowRequests = 0;
        QObject::connect(
            engine, &QWebEnginePage::newWindowRequested, &host, [&windowRequests] { ++windowRequests; });
        if (click)
            QVERIFY(clickInPage(host));

        QWidget *view = host.view();
        if (expected == QLatin1String("desktop once") || expected == QLatin1String("stays")) {
            if (expected == QLatin1String("desktop once"))
                QTRY_COMPARE(desktop.opened.size(), 1);
            QTRY_COMPARE_WITH_TIMEOUT(view->property("title").toString(), u"tried"_qs, LoadTimeoutMs);
            // A window the click asked for reaches the engine before the script goes on; a load the
            // browser wrongly queued for it starts as soon as the queue is run.
            if (expected == QLatin1String("desktop once"))
                QTRY_VERIFY(windowRequests > 0);
            QCoreApplication::sendPostedEvents();
            QVERIFY(!engine->isLoading());
            QCOMPARE(view->property("url").toUrl().fileName(), page.fileName());
            QCOMPARE(desktop.opened,
                expected == QLatin1String("stays") ? QList<QUrl>()
                                                   : QList<QUrl> {QUrl(u"http://127.0.0.1:9/0"_qs)});
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(view->property("title").toString(), expected, LoadTimeoutMs);
            QVERIFY(desktop.opened.isEmpty());
        }
        QCOMPARE(listener.connections(), 0);
        QVERIFY(!udp.hasPendingDatagrams());
        QCOMPARE(watcher.seen(), 0);
    }

    // A page's own stylesheet beside it in the page folder still applies.
    void localPagesUseTheirStylesheets()
    {
        const QUrl styled
            = writePage("styled.html", "<link rel='stylesheet' href='style.css'><title>styled</title>");
        QFile style(m_pages.filePath(QStringLiteral("web/style.css")));
        QVERIFY(style.open(QIODevice::WriteOnly) && style.write("html, body { background: #00f; }") > 0);
        style.close();
        BrowserHost host;
        host.setPageFolder(m_pages.filePath(QStringLiteral("web")));
        host.resize(200, 100);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        QCOMPARE(load(host, styled), Outcome::Loaded);

        QWidget *content = host.view()->focusProxy();
        QTRY_COMPARE_WITH_TIMEOUT(
            content->grab().toImage().pixelColor(100, 50), QColor(Qt::blue), LoadTimeoutMs);
    }

    // The quotation view opens no dialog at all, the colour picker included; a brand view does.
    void colourPickerOnlyOutsideSilentMode_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("brand browser") << false;
        QTest::newRow("quotation browser") << true;
    }

    void colourPickerOnlyOutsideSilentMode()
    {
        QFETCH(bool, silent);
        BrowserHost host;
        host.setSilent(silent);
        host.setPageFolder(m_pages.filePath(QStringLiteral("web")));
        host.resize(400, 300);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        DialogWatcher watcher;

        QCOMPARE(
            load(host,
                writePage("colour.html",
                    "<body style='margin:0'><input type='color' style='width:100vw;height:100vh'></body>")),
            Outcome::Loaded);
        QVERIFY(clickInPage(host));

        if (silent) {
            // The engine asks for the picker, and the view refuses it before it reaches the screen.
            QTRY_COMPARE_WITH_TIMEOUT(watcher.asked(), 1, LoadTimeoutMs);
            QTRY_VERIFY(watcher.allClosed());
            QCOMPARE(watcher.seen(), 0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(watcher.seen(), 1, LoadTimeoutMs);
        }
    }

    // The quotation page's script cannot take the view to another site, not even right after the
    // user's key; the user's click on a link can.
    void quotationStaysOnItsHostUnlessClicked_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("host");
        QTest::newRow("script") << "none"
                                << "127.0.0.1";
        QTest::newRow("script after a key") << "key"
                                            << "127.0.0.1";
        QTest::newRow("click") << "click"
                               << "localhost";
    }

    void quotationStaysOnItsHostUnlessClicked()
    {
        QFETCH(QString, input);
        QFETCH(QString, host);
        test::LoopbackServer server(R"(<!DOCTYPE html><body style="margin:0">
<a id="away" style="display:block;height:100vh">away</a><script>
const away = 'http://localhost:' + location.port + '/away';
document.getElementById('away').href = away;
</script></body>)");
        QVERIFY(server.start());
        BrowserHost browser;
        browser.setSilent(true);
        browser.resize(400, 300);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));

        QCOMPARE(load(browser, server.url(QStringLiteral("/quote"))), Outcome::Loaded);
        if (input == QLatin1String("click")) {
            QVERIFY(clickInPage(browser));
            QTRY_COMPARE_WITH_TIMEOUT(browser.view()->property("url").toUrl().host(), host, LoadTimeoutMs);
            return;
        }
        if (input == QLatin1String("key"))
            QTest::keyClick(browser.view()->focusProxy(), Qt::Key_Tab);
        // The script's answer comes back after its request to go away has reached the engine; a
        // load the view accepted would then be under way, and would end on the other host. A
        // refused one may show as loading for a moment too.
        QWebEnginePage *page = qobject_cast<QWebEngineView *>(browser.view())->page();
        QVariant answer;
        page->runJavaScript(
            u"location.href = away; 'asked'"_qs, [&answer](const QVariant &result) { answer = result; });
        QTRY_COMPARE_WITH_TIMEOUT(answer, QVariant(u"asked"_qs), LoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!page->isLoading(), LoadTimeoutMs);
        QCOMPARE(browser.view()->property("url").toUrl().host(), host);
    }

    // The quotation's box shows a small part of its page: a failure says so inside the box, with
    // a way to try again, and a killed renderer is replaced once.
    void quotationFailuresShowANotice_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("text");
        QTest::newRow("untrusted certificate") << "certificate" << u"无法连接报价网站\n网站证书不可信"_qs;
        QTest::newRow("unreachable site") << "unreachable" << u"无法连接报价网站\n网站无法访问"_qs;
        QTest::newRow("killed renderer") << "killed" << u"无法连接报价网站\n页面意外中止"_qs;
    }

    void quotationFailuresShowANotice()
    {
        QFETCH(QString, failure);
        QFETCH(QString, text);
        test::LoopbackServer server(QuotationPage);
        if (failure == QLatin1String("certificate")) {
            const std::optional<QPair<QSslCertificate, QSslKey>> identity = selfSigned();
            if (!identity)
                QSKIP("the openssl command is needed to make a self-signed certificate");
            server.useTls(identity->first, identity->second);
        }
        QVERIFY(server.start());
        const QUrl address = server.url(QStringLiteral("/futures/quotes/CU0.shtml"));
        if (failure == QLatin1String("unreachable"))
            server.close();
        QWidget window;
        window.resize(600, 300);
        QWidget box(&window);
        box.setGeometry(240, 104, 240, 152);
        BrowserHost host(&box);
        host.setGeometry(-205, -377, 488, 528);
        host.setSilent(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const Outcome outcome = load(host, address);
        auto *notice = host.view()->findChild<QLabel *>();
        QVERIFY(notice);
        if (failure == QLatin1String("killed")) {
            QCOMPARE(outcome, Outcome::Loaded);
            QWebEnginePage *page = qobject_cast<QWebEngineView *>(host.view())->page();
            QSignalSpy ended(page, &QWebEnginePage::renderProcessTerminated);
            QSignalSpy finished(page, &QWebEnginePage::loadFinished);
            QCOMPARE(::kill(pid_t(page->renderProcessPid()), SIGKILL), 0);
            QVERIFY(ended.wait(LoadTimeoutMs));
            QVERIFY(notice->isVisible());
            QCOMPARE(notice->text(), text);
            QVERIFY(finished.wait(LoadTimeoutMs));
            QTRY_VERIFY(!notice->isVisible());
            return;
        }
        QCOMPARE(outcome, Outcome::Failed);
        QTRY_VERIFY(notice->isVisible());
        QCOMPARE(notice->text(), text);
        auto *reload = host.view()->findChild<QPushButton *>();
        QVERIFY(reload && reload->isVisible());
        QVERIFY(box.rect().contains(QRect(notice->mapTo(&box, QPoint()), notice->size())));
        QVERIFY(box.rect().contains(QRect(reload->mapTo(&box, QPoint()), reload->size())));
    }

    // A page that answers the server's question for a password with nothing asks the server once.
    void quotationAsksOnceForAPassword()
    {
        test::LoopbackServer server("<title>401</title>");
        server.setHead("HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"quotes\"\r\n"
                       "Content-Type: text/html; charset=utf-8");
        QVERIFY(server.start());
        test::LoopbackServer next(QuotationPage);
        QVERIFY(next.start());
        BrowserHost host;
        host.setSilent(true);
        host.resize(400, 300);
        host.show();

        load(host, server.url(QStringLiteral("/futures/quotes/CU0.shtml")));
        // The next page loads only once the view has given up on the last one.
        QCOMPARE(load(host, next.url(QStringLiteral("/next"))), Outcome::Loaded);
        QCOMPARE(server.requests(), 1);
    }

    // A page that loops for good takes with it only the views that share its renderer: the
    // program's own pages share one, each dealer's page and the quotation have one of their own.
    // A local page that hangs is ended and loaded once more.
    void hungPageBlanksOnlyItsRenderer_data()
    {
        QTest::addColumn<QString>("hungFrom"); // a page folder, or "web" for the quotation's site
        QTest::addColumn<QString>("otherFrom");
        QTest::addColumn<bool>("shared");
        QTest::newRow("a dealer's page beside the program's") << "user"
                                                              << "program" << false;
        QTest::newRow("a dealer's page beside another of the dealer's") << "user"
                                                                        << "user" << false;
        QTest::newRow("the quotation beside the program's page") << "web"
                                                                 << "program" << false;
        QTest::newRow("the program's page beside another of its own") << "program"
                                                                      << "program" << true;
    }

    void hungPageBlanksOnlyItsRenderer()
    {
        QFETCH(QString, hungFrom);
        QFETCH(QString, otherFrom);
        QFETCH(bool, shared);
        const auto removePages = [this] {
            for (const QString &folder : {u"user"_qs, u"program"_qs}) {
                QFile::remove(pageFolder(folder) + u"/other.html"_qs);
                QFile::remove(pageFolder(folder) + u"/looping.html"_qs);
            }
        };
        removePages();
        const auto removed = qScopeGuard(removePages);
        const QByteArray looping = "<title>loaded</title><script>onload = () => setTimeout(() => {"
                                   " document.title = 'looping'; for (;;); }, 100);</script>";
        test::LoopbackServer server("<!DOCTYPE html>" + looping);
        QVERIFY(server.start());
        BrowserHost other;
        BrowserHost hung;
        hung.setSilent(hungFrom == u"web");
        for (BrowserHost *host : {&other, &hung}) {
            host->setPageFolder(pageFolder(u"program"_qs));
            host->resize(400, 300);
            host->show();
        }
        QCOMPARE(load(other, writePage("other.html", "<title>other</title>", otherFrom)), Outcome::Loaded);
        QCOMPARE(load(hung,
                     hung.isSilent() ? server.url(u"/futures/quotes/CU0.shtml"_qs)
                                     : writePage("looping.html", looping, hungFrom)),
            Outcome::Loaded);
        QWebEnginePage *page = qobject_cast<QWebEngineView *>(hung.view())->page();
        QWebEnginePage *otherPage = qobject_cast<QWebEngineView *>(other.view())->page();
        QCOMPARE(page->renderProcessPid() == otherPage->renderProcessPid(), shared);
        QSignalSpy ended(page, &QWebEnginePage::renderProcessTerminated);
        QSignalSpy started(page, &QWebEnginePage::loadStarted);
        auto *notice = hung.view()->findChild<QLabel *>();
        auto *otherNotice = other.view()->findChild<QLabel *>();
        QVERIFY(notice && otherNotice);
        QTRY_COMPARE_WITH_TIMEOUT(hung.view()->property("title").toString(), u"looping"_qs, LoadTimeoutMs);

        if (shared) {
            QVERIFY(ended.wait(LoadTimeoutMs));
            QTRY_VERIFY(notice->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(otherNotice->isVisible(), LoadTimeoutMs);
            return;
        }
        if (!hung.isSilent()) {
            QVERIFY(ended.wait(LoadTimeoutMs));
            QTRY_VERIFY(notice->isVisible());
            QCOMPARE(notice->text(), u"页面无响应"_qs);
            // The reload loops too, and is ended without a further one.
            QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, LoadTimeoutMs);
            QCOMPARE(started.size(), 1);
            QVERIFY(notice->isVisible());
        }
        QVariant answer;
        otherPage->runJavaScript(
            u"document.title"_qs, [&answer](const QVariant &result) { answer = result; });
        QTRY_COMPARE(answer, QVariant(u"other"_qs));
        QVERIFY(!otherNotice->isVisible());
    }

    // A page that holds its renderer in its unload handlers is ended as a hung one, and the address
    // asked for next loads; one that takes memory without end is ended as a crashed one, and comes
    // back once. Either way the view goes on to the next address.
    void stuckPagesAreEnded_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("notice");
        const QByteArray busy = " = () => { const end = Date.now() + 10000; while (Date.now() < end); };";
        QTest::newRow("busy in onunload") << "onunload" + busy << u"页面无响应"_qs;
        QTest::newRow("busy in onbeforeunload") << "onbeforeunload" + busy << u"页面无响应"_qs;
        // Bounded, so that a renderer no one ends still leaves the machine its memory.
        QTest::newRow("typed arrays without end") << QByteArray(
            "const kept = []; const grow = () => { const part = new Uint8Array(16 << 20);"
            " part.fill(1); kept.push(part); if (kept.length < 160) setTimeout(grow, 20); };"
            " onload = grow;") << u"页面意外中止"_qs;
    }

    void stuckPagesAreEnded()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, notice);
        BrowserHost host;
        host.setPageFolder(m_pages.filePath(QStringLiteral("web")));
        host.resize(400, 300);
        host.show();
        const QUrl next = writePage("next.html", "<title>next</title>");
        const bool greedy = notice == u"页面意外中止"_qs;
        QCOMPARE(load(host, writePage("stuck.html", "<title>stuck</title><script>" + script + "</script>")),
            Outcome::Loaded);
        QWebEnginePage *page = qobject_cast<QWebEngineView *>(host.view())->page();
        QSignalSpy ended(page, &QWebEnginePage::renderProcessTerminated);
        QSignalSpy started(page, &QWebEnginePage::loadStarted);
        auto *shown = host.view()->findChild<QLabel *>();
        QVERIFY(shown);
        if (!greedy)
            host.setAddress(next);

        QVERIFY(ended.wait(LoadTimeoutMs));
        QTRY_VERIFY(shown->isVisible());
        QCOMPARE(shown->text(), notice);
        if (greedy) {
            // The page comes back once, takes its memory again and is left ended.
            QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, LoadTimeoutMs);
            QCoreApplication::sendPostedEvents();
            QVERIFY(!page->isLoading());
            QCOMPARE(started.size(), 1);
            QCOMPARE(shown->text(), notice);
            host.setAddress(next);
        }
        QTRY_COMPARE_WITH_TIMEOUT(host.view()->property("title").toString(), u"next"_qs, LoadTimeoutMs);
        QTRY_VERIFY(!shown->isVisible());
    }

    // A killed renderer leaves a notice in place of a brand page and the page comes back once;
    // a renderer that cannot start again leaves the notice.
    void killedRendererShowsANoticeAndReloadsOnce_data()
    {
        QTest::addColumn<bool>("killAgain");
        QTest::newRow("renderer starts again") << false;
        QTest::newRow("renderer dies again") << true;
    }

    void killedRendererShowsANoticeAndReloadsOnce()
    {
        QFETCH(bool, killAgain);
        BrowserHost host;
        host.setPageFolder(m_pages.filePath(QStringLiteral("web")));
        host.resize(400, 300);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        // The page keeps its renderer busy for a second, time enough to kill it while it loads.
        QCOMPARE(load(host,
                     writePage("killed.html",
                         "<title>killed</title><script>"
                         "const end = Date.now() + 1000; while (Date.now() < end);</script>")),
            Outcome::Loaded);
        QWebEnginePage *page = qobject_cast<QWebEngineView *>(host.view())->page();
        auto *notice = host.view()->findChild<QLabel *>();
        QVERIFY(notice && !notice->isVisible());
        QSignalSpy ended(page, &QWebEnginePage::renderProcessTerminated);
        QSignalSpy started(page, &QWebEnginePage::loadStarted);
        if (killAgain) {
            // The renderer of the reload dies as soon as the reload starts.
            QObject::connect(page, &QWebEnginePage::loadStarted, page, [page] {
                QTRY_VERIFY(page->renderProcessPid() > 0);
                ::kill(pid_t(page->renderProcessPid()), SIGKILL);
            });
        }

        QCOMPARE(::kill(pid_t(page->renderProcessPid()), SIGKILL), 0);

        QVERIFY(ended.wait(LoadTimeoutMs));
        QTRY_VERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("页面意外中止"));
        if (!killAgain) {
            QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), LoadTimeoutMs);
            QCOMPARE(host.view()->property("title").toString(), QStringLiteral("killed"));
            QCOMPARE(started.size(), 1);
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, LoadTimeoutMs);
        // The view would queue a further attempt as the renderer ends; the engine is loading as soon
        // as it runs.
        QCoreApplication::sendPostedEvents();
        QVERIFY(!page->isLoading());
        QCOMPARE(started.size(), 1);
        QVERIFY(notice->isVisible());
    }

private:
    // A certificate and key for 127.0.0.1 that nobody vouches for; none without openssl.
    static std::optional<QPair<QSslCertificate, QSslKey>> selfSigned()
    {
        QTemporaryDir keys;
        QProcess openssl;
        openssl.setWorkingDirectory(keys.path());
        openssl.start(QStringLiteral("openssl"),
            {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-keyout",
                "key.pem", "-out", "cert.pem", "-days", "2", "-subj", "/CN=127.0.0.1"});
        if (!openssl.waitForFinished() || openssl.exitCode() != 0)
            return std::nullopt;
        const QList<QSslCertificate> certificates = QSslCertificate::fromPath(keys.filePath("cert.pem"));
        QFile keyFile(keys.filePath("key.pem"));
        if (certificates.size() != 1 || !keyFile.open(QIODevice::ReadOnly))
            return std::nullopt;
        const QSslKey key(&keyFile, QSsl::Ec);
        if (key.isNull())
            return std::nullopt;
        return QPair(certificates.first(), key);
    }

    // Waits for the page that host has just been sent to.
    static Outcome finish(BrowserHost &host)
    {
        if (!host.view())
            return Outcome::Unfinished;
        QSignalSpy finished(host.view(), SIGNAL(loadFinished(bool)));
        if (!finished.wait(LoadTimeoutMs))
            return Outcome::Unfinished;
        return finished.first().first().toBool() ? Outcome::Loaded : Outcome::Failed;
    }

    static Outcome load(BrowserHost &host, const QUrl &url)
    {
        host.setAddress(url);
        return finish(host);
    }

    // Clicks the middle of the page shown in host, once the page has drawn itself.
    static bool clickInPage(BrowserHost &host)
    {
        QWidget *content = host.view()->focusProxy();
        if (!content
            || !QTest::qWaitFor([&] { return !testing::AllOf(content->grab().toImage(), Qt::white); }))
            return false;
        QTest::mouseClick(content, Qt::LeftButton, {}, content->rect().center());
        return true;
    }

    // The program's page folder is "web" in the temporary folder; the others are those of the
    // data folders: "user", "local" or "shared".
    QString pageFolder(const QString &folder) const
    {
        return folder == u"program" ? m_pages.filePath(QStringLiteral("web"))
                                    : m_dataFolder + u'/' + folder + QStringLiteral("/kalmoro/web");
    }

    // Pages are written to a page folder, the program's unless named. The address returned is the
    // one the program sends for the file, in its own page folder, whichever folder holds it.
    QUrl writePage(const QString &name, const QByteArray &html, const QString &folder = u"program"_qs)
    {
        return writeFile(name, "<!DOCTYPE html><meta charset=\"utf-8\">" + html, folder);
    }

    QUrl writeFile(const QString &name, const QByteArray &content, const QString &folder = u"program"_qs)
    {
        QDir().mkpath(pageFolder(folder));
        QFile file(pageFolder(folder) + u'/' + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) < 0)
            qFatal("cannot write the test file %s", qPrintable(file.fileName()));
        return QUrl::fromLocalFile(pageFolder(u"program"_qs) + u'/' + name);
    }

    const QString m_dataFolder;
    QTemporaryDir m_pages;
};

} // namespace kalmoro

int main(int argc, char *argv[])
{
    // The user's own and two shared data folders, as the environment names them when the program
    // starts: the browsers look pages up in these before the program's own folder. The system's
    // stay behind them, as the file types of the pages are found there.
    const QTemporaryDir data;
    const QByteArray systemData = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.filePath(QStringLiteral("user"))));
    qputenv("XDG_DATA_DIRS",
        QFile::encodeName(
            data.filePath(QStringLiteral("local")) + u':' + data.filePath(QStringLiteral("shared")))
            + ':' + (systemData.isEmpty() ? QByteArray("/usr/local/share:/usr/share") : systemData));
    kalmoro::platform::PrepareProcess();
    QApplication app(argc, argv);
    kalmoro::WebEngineTest test(data.path());
    return QTest::qExec(&test, argc, argv);
}

#include "test_webengine.moc"
