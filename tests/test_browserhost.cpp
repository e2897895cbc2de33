#include <QSignalSpy>
#include <QTest>

#include "shell/widgets/browserengine.h"
#include "shell/widgets/browserhost.h"

namespace kalmoro {

namespace {

// Stands in for the browser plugin: makes plain widgets and remembers what it was asked.
class RecordingEngine final : public BrowserEngine
{
public:
    QWidget *createView(QWidget *host, const BrowserOptions &options) override
    {
        createdOptions.append(options);
        return new QWidget(host);
    }
    void load(QWidget *view, const QUrl &url) override { loads.append({ view, url }); }

    QList<BrowserOptions> createdOptions;
    QList<QPair<QWidget *, QUrl>> loads;
};

bool isAllWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white)
                return false;
    return true;
}

} // namespace

class BrowserHostTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { SetBrowserEngineForTesting(&m_engine); }
    void cleanup()
    {
        SetBrowserEngineForTesting(nullptr);
        m_engine.createdOptions.clear();
        m_engine.loads.clear();
    }

    void startsAsEmptyWhitePage()
    {
        QWidget parent;
        parent.setPalette(QPalette(Qt::red));
        parent.setAutoFillBackground(true);
        parent.resize(300, 200);
        BrowserHost host(&parent);
        host.setGeometry(10, 10, 120, 80);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        QVERIFY(host.address().isEmpty());
        QVERIFY(!host.view());
        QVERIFY(isAllWhite(host.grab().toImage()));
        QVERIFY(m_engine.createdOptions.isEmpty());
    }

    void everyAddressIsRequestedAndLoaded_data()
    {
        QTest::addColumn<QStringList>("addresses");
        QTest::newRow("one page") << QStringList { "file:///opt/kalmoro/web/x7.html" };
        QTest::newRow("same page twice")
            << QStringList { "file:///opt/kalmoro/web/x7.html", "file:///opt/kalmoro/web/x7.html" };
        QTest::newRow("two pages") << QStringList { "file:///opt/kalmoro/web/x7.html",
            "file:///opt/kalmoro/web/aux7.html" };
        QTest::newRow("web address after local page") << QStringList { "file:///opt/kalmoro/web/gree0.html",
            "https://127.0.0.1/futures/quotes/CU2007.shtml" };
    }

    void everyAddressIsRequestedAndLoaded()
    {
        QFETCH(QStringList, addresses);
        BrowserHost host;
        QSignalSpy requested(&host, &BrowserHost::loadRequested);

        for (const QString &address : addresses)
            host.setAddress(QUrl(address));

        QCOMPARE(requested.size(), addresses.size());
        QCOMPARE(m_engine.loads.size(), addresses.size());
        for (qsizetype i = 0; i < addresses.size(); ++i) {
            QCOMPARE(requested.at(i).at(0).toUrl(), QUrl(addresses.at(i)));
            QCOMPARE(m_engine.loads.at(i).first, host.view());
            QCOMPARE(m_engine.loads.at(i).second, QUrl(addresses.at(i)));
        }
        QCOMPARE(host.address(), QUrl(addresses.last()));
        QCOMPARE(host.property("address").toUrl(), QUrl(addresses.last()));
    }

    void viewIsCreatedOnceWithTheHostsSettings_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("brand browser") << false << 2;
        QTest::newRow("quotation browser") << true << 2;
        QTest::newRow("largest font") << false << 4;
    }

    void viewIsCreatedOnceWithTheHostsSettings()
    {
        QFETCH(bool, silent);
        QFETCH(int, fontSize);
        BrowserHost host;
        QVERIFY(host.setProperty("silent", silent));
        QVERIFY(host.setProperty("pageFontSize", fontSize));

        host.setAddress(QUrl(QStringLiteral("file:///opt/kalmoro/web/x7.html")));
        QWidget *view = host.view();
        host.setAddress(QUrl(QStringLiteral("file:///opt/kalmoro/web/p.html")));

        QVERIFY(view);
        QCOMPARE(host.view(), view);
        QCOMPARE(view->parentWidget(), &host);
        QCOMPARE(m_engine.createdOptions.size(), 1);
        QCOMPARE(m_engine.createdOptions.first().silent, silent);
        QCOMPARE(m_engine.createdOptions.first().fontSize, fontSize);
    }

    void unpreparedProcessGetsNoEngine()
    {
        // This test's process never set up the engine's shared graphics contexts.
        SetBrowserEngineForTesting(nullptr);
        BrowserHost host;
        host.resize(120, 80);
        QSignalSpy requested(&host, &BrowserHost::loadRequested);

        host.setAddress(QUrl(QStringLiteral("file:///opt/kalmoro/web/x7.html")));

        QVERIFY(!LoadBrowserEngine());
        QVERIFY(!host.view());
        QCOMPARE(requested.size(), 1);
        QCOMPARE(host.address(), QUrl(QStringLiteral("file:///opt/kalmoro/web/x7.html")));
        QVERIFY(isAllWhite(host.grab().toImage()));
    }

    void viewFillsTheHost()
    {
        QWidget parent;
        parent.resize(400, 300);
        BrowserHost host(&parent);
        host.setGeometry(-205, -377, 488, 528);
        parent.show();

        host.setAddress(QUrl(QStringLiteral("file:///opt/kalmoro/web/x7.html")));
        QCOMPARE(host.view()->geometry(), QRect(0, 0, 488, 528));
        QVERIFY(host.view()->isVisible());

        host.resize(816, 432);
        QCOMPARE(host.view()->geometry(), QRect(0, 0, 816, 432));
    }

private:
    RecordingEngine m_engine;
};

} // namespace kalmoro

QTEST_MAIN(kalmoro::BrowserHostTest)
#include "test_browserhost.moc"
