#include <QTemporaryDir>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "sessionbus.h"

using namespace kalmoro::platform;

// The session bus the program talks to, by what the session gives it.
class SessionBusTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void address_data()
    {
        QTest::addColumn<QByteArray>("set");
        QTest::addColumn<bool>("socket"); // a bus socket in the runtime folder
        QTest::addColumn<QByteArray>("address"); // "<bus>" for the runtime folder's socket

        QTest::newRow("unset, no bus socket") << QByteArray() << false << QByteArray("disabled:");
        QTest::newRow("unset, the user's bus") << QByteArray() << true << QByteArray("unix:path=<bus>");
        QTest::newRow("set") << QByteArray("unix:path=/run/other") << true
                             << QByteArray("unix:path=/run/other");
    }

    void address()
    {
        QFETCH(QByteArray, set);
        QFETCH(bool, socket);
        QFETCH(QByteArray, address);
        // A name a bus address must escape.
        QTemporaryDir runtime(QDir::tempPath() + u"/run~user-XXXXXX"_qs);
        QVERIFY(runtime.isValid());
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto close = qScopeGuard([listener] { ::close(listener); });
        if (socket) {
            sockaddr_un name = {};
            name.sun_family = AF_UNIX;
            const QByteArray path = QFile::encodeName(runtime.filePath(u"bus"_qs));
            QVERIFY(std::size_t(path.size()) < sizeof name.sun_path);
            std::copy(path.begin(), path.end(), name.sun_path);
            QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&name), sizeof name) == 0);
        }

        const QByteArray escaped = QFile::encodeName(runtime.filePath(u"bus"_qs)).replace('~', "%7E");
        QCOMPARE(SessionBusAddress(set, runtime.path()), QByteArray(address).replace("<bus>", escaped));
    }
};

QTEST_GUILESS_MAIN(SessionBusTest)
#include "test_sessionbus.moc"
