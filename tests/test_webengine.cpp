#include "shelltesting.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "loopbackserver.h"
#include "addresses.h"
#include "platform.h"
#include "startprogram.h"
#include "widgets/browserhost.h"

namespace kalmoro {

namespace {

constexpr int LoadTimeoutMs = 30000;

// Closes every top-level widget that turns up while it lives, counting them: the only top-level
// widgets a browser makes are its dialogs. The timer also fires inside a dialog's own event loop,
// so it can close modal ones.
class DialogWatcher final
{
public:
    DialogWatcher()
    {
        const QWidgetList existing = QApplication::topLevelWidgets();
        QObject::connect(&m_timer, &QTimer::timeout,
            [this, known = QSet<QWidget *>(existing.cbegin(), existing.cend())]() mutable {
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    if (widget->isVisible() && !known.contains(widget)) {
                        known.insert(widget);
                        ++m_seen;
                        widget->close();
                    }
                }
            });
        m_timer.start(20);
    }

    int seen() const { return m_seen; }

private:
    QTimer m_timer;
    int m_seen = 0;
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
        host.resize(400, 300);
        host.show();
        host.setAddress(writePage("language.html", "<script>document.title = navigator.language;</script>"));
        QTRY_COMPARE_WITH_TIMEOUT(host.view()->property("title").toString(), u"zh-CN"_qs, LoadTimeoutMs);
    }

    void localPagesLoad_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("Daikin start page") << "daikin0.html" << "大金中央空调";
        QTest::newRow("Gree product page") << "gmv5.html" << "格力 GMV5 系列";
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
    }

    void scriptDialogsShowOnlyOutsideSilentMode()
    {
        QFETCH(bool, silent);
        QFETCH(QString, call);
        QFETCH(int, dialogs);
        QFETCH(QString, answer);
        BrowserHost host;
        host.setSilent(silent);
        host.resize(400, 300);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        DialogWatcher watcher;

        // The title changes only once the call has returned, whether or not a dialog was shown.
        host.setAddress(
            writePage("dialog.html", "<script>document.title = String(" + call.toUtf8() + ");</script>"));
        QTRY_COMPARE_WITH_TIMEOUT(host.view()->property("title").toString(), answer, LoadTimeoutMs);
        QCOMPARE(watcher.seen(), dialogs);
    }

    void quotationViewportInTheWindow()
    {
        test::LoopbackServer server(QuotationPage);
        QVERIFY(server.start());
        SetQuotationAddressForTesting(server.url(QStringLiteral("/futures/quotes/CU0.shtml")));
        const auto restoreAddress = qScopeGuard([] { SetQuotationAddressForTesting({}); });
        const std::unique_ptr<MainWindow> window = testing::ShowProgramWindow();
        QVERIFY(window);

        QTest::mouseClick(window->control(QStringLiteral("铜管价格按钮")), Qt::LeftButton);
        QCOMPARE(finish(*window->control<BrowserHost>(QStringLiteral("今日铜价浏览"))), Outcome::Loaded);
        // The group box shows page x 205 to 444 and y 377 to 527; its own bottom row lies below the page.
        QWidget *box = window->control(QStringLiteral("分组框1"));
        QTRY_COMPARE_WITH_TIMEOUT(
            box->grab().toImage().pixelColor(120, 76), QColor(Qt::yellow), LoadTimeoutMs);
        const QImage image = box->grab().toImage();
        QCOMPARE(image.size(), QSize(240, 152));
        const QPair<QPoint, QColor> samples[] = { { { 0, 0 }, Qt::red }, { { 239, 0 }, Qt::green },
            { { 0, 150 }, Qt::blue }, { { 239, 150 }, Qt::yellow }, { { 119, 75 }, Qt::red },
            { { 120, 76 }, Qt::yellow } };
        for (const auto &[at, colour] : samples)
            QVERIFY2(image.pixelColor(at) == colour, qPrintable(u"%1, %2"_qs.arg(at.x()).arg(at.y())));
        QVERIFY2(image.pixelColor(120, 151) != QColor(Qt::black), "row below the page");
    }

    void silentBrowserRefusesBadCertificates()
    {
        QTemporaryDir keys;
        QProcess openssl;
        openssl.setWorkingDirectory(keys.path());
        openssl.start(QStringLiteral("openssl"),
            { "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                "-keyout", "key.pem", "-out", "cert.pem", "-days", "2", "-subj", "/CN=127.0.0.1" });
        if (!openssl.waitForFinished() || openssl.exitCode() != 0)
            QSKIP("the openssl command is needed to make a self-signed certificate");
        const QList<QSslCertificate> certificates = QSslCertificate::fromPath(keys.filePath("cert.pem"));
        QFile keyFile(keys.filePath("key.pem"));
        QVERIFY(keyFile.open(QIODevice::ReadOnly));
        const QSslKey key(&keyFile, QSsl::Ec);
        QCOMPARE(certificates.size(), 1);
        QVERIFY(!key.isNull());

        test::LoopbackServer server(QuotationPage);
        server.useTls(certificates.first(), key);
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

    void newWindows_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");

        const QString open = QStringLiteral("window.open('%1');");
        QTest::newRow("brand page opens a web page") << false << open << "http://127.0.0.1:9/a" << "desktop";
        QTest::newRow("brand page opens a local page") << false << open << "local" << "same view";
        QTest::newRow("quotation page opens a web page")
            << true << open << "http://127.0.0.1:9/d" << "nowhere";
    }

    void newWindows()
    {
        QFETCH(bool, silent);
        QFETCH(QString, opener);
        QFETCH(QString, target);
        QFETCH(QString, expected);
        const QUrl local = writePage("target.html", "<title>target</title>");
        const QString address = target == QLatin1String("local") ? local.toString() : target;
        const QUrl page = writePage("opener.html",
            "<body><script>" + opener.arg(address).toUtf8() + "document.title = 'opener';</script></body>");
        testing::DesktopBrowser desktop;
        BrowserHost host;
        host.setSilent(silent);
        host.resize(400, 300);
        host.show();
        DialogWatcher watcher;

        QCOMPARE(load(host, page), Outcome::Loaded);
        QWidget *view = host.view();
        if (expected == QLatin1String("desktop")) {
            QTRY_COMPARE(desktop.opened, QList<QUrl> { QUrl(address) });
            QCOMPARE(view->property("url").toUrl(), page);
        } else if (expected == QLatin1String("same view")) {
            QTRY_COMPARE(view->property("url").toUrl(), local);
            QTRY_COMPARE(view->property("title").toString(), QStringLiteral("target"));
            QVERIFY(desktop.opened.isEmpty());
        } else {
            // Nothing is to happen, so give the engine time to do the wrong thing.
            QTest::qWait(1500);
            QVERIFY(desktop.opened.isEmpty());
            QCOMPARE(view->property("url").toUrl(), page);
        }
        QCOMPARE(watcher.seen(), 0);
    }

private:
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

    QUrl writePage(const QString &name, const QByteArray &html)
    {
        QFile file(m_pages.filePath(name));
        if (!file.open(QIODevice::WriteOnly)
            || file.write("<!DOCTYPE html><meta charset=\"utf-8\">" + html) < 0)
            qFatal("cannot write the test page %s", qPrintable(file.fileName()));
        return QUrl::fromLocalFile(file.fileName());
    }

    QTemporaryDir m_pages;
};

} // namespace kalmoro

int main(int argc, char *argv[])
{
    kalmoro::platform::PrepareProcess();
    QApplication app(argc, argv);
    kalmoro::WebEngineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_webengine.moc"
