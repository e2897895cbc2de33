#include <QSignalSpy>

#include "shelltesting.h"
#include "widgets/browserhost.h"

using namespace kalmoro;
using kalmoro::testing::AllOf;

class BrowserHostTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        m_engine.created.clear();
        m_engine.loads.clear();
    }

    void everyAddressIsLoadedInOneViewWithTheHostsSettings_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("brand browser") << false;
        QTest::newRow("quotation browser") << true;
    }

    void everyAddressIsLoadedInOneViewWithTheHostsSettings()
    {
        QFETCH(bool, silent);
        BrowserHost host;
        host.setEngine([this] { return &m_engine; });
        host.setObjectName(u"大金浏览器"_qs);
        QVERIFY(host.setProperty("silent", silent));
        QSignalSpy requested(&host, &BrowserHost::loadRequested);
        const QList<QUrl> addresses {QUrl(u"file:///opt/kalmoro/web/x7.html"_qs),
            QUrl(u"file:///opt/kalmoro/web/x7.html"_qs),
            QUrl(u"https://127.0.0.1/futures/quotes/CU0.shtml"_qs)};

        QList<QPair<QString, QUrl>> loads;
        for (const QUrl &address : addresses) {
            host.setAddress(address);
            loads.append({host.objectName(), address});
            QCOMPARE(requested.takeFirst().at(0).toUrl(), address);
            QCOMPARE(host.property("address").toUrl(), address);
        }

        QCOMPARE(m_engine.loads, loads);
        QVERIFY(host.view());
        QCOMPARE(host.view()->parentWidget(), &host);
        QCOMPARE(m_engine.created.size(), 1);
        QCOMPARE(m_engine.created.first().silent, silent);
    }

    void unpreparedProcessGetsNoEngine()
    {
        // This test's process was never prepared for the engine (platform::PrepareProcess).
        BrowserHost host;
        host.resize(120, 80);
        QSignalSpy requested(&host, &BrowserHost::loadRequested);

        host.setAddress(QUrl(QStringLiteral("file:///opt/kalmoro/web/x7.html")));

        QVERIFY(!LoadBrowserEngine());
        QVERIFY(!host.view());
        QCOMPARE(requested.size(), 1);
        QCOMPARE(host.address(), QUrl(QStringLiteral("file:///opt/kalmoro/web/x7.html")));
        QVERIFY(AllOf(host.grab().toImage(), Qt::white));
    }

    // Until it has an address the host is a white page of its own, with no view; the view then fills it.
    void startsWhiteAndTheViewFillsTheHost()
    {
        QWidget parent;
        parent.setPalette(QPalette(Qt::red));
        parent.setAutoFillBackground(true);
        parent.resize(400, 300);
        BrowserHost host(&parent);
        host.setEngine([this] { return &m_engine; });
        host.setGeometry(-205, -377, 488, 528);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QVERIFY(host.address().isEmpty());
        QVERIFY(!host.view());
        QVERIFY(AllOf(host.grab().toImage(), Qt::white));
        QVERIFY(m_engine.created.isEmpty());

        host.setAddress(QUrl(QStringLiteral("file:///opt/kalmoro/web/x7.html")));
        QCOMPARE(host.view()->geometry(), QRect(0, 0, 488, 528));
        QVERIFY(host.view()->isVisible());
        host.resize(816, 432);
        QCOMPARE(host.view()->geometry(), QRect(0, 0, 816, 432));
    }

private:
    testing::RecordingEngine m_engine;
};

QTEST_MAIN(BrowserHostTest)
#include "test_browserhost.moc"
