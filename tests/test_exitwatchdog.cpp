#include <chrono>
#include <cstdio>
#include <thread>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform.h"

using namespace kalmoro;

namespace {

constexpr char kChildMode[] = "--blocked-child";

// The program as prepared for running, whose main thread then never returns, as when a thread of
// the browser engine waits for good while the window closes. "closed": the window has closed;
// "running": the process waits for a signal.
int runBlockedChild(const QByteArray &state)
{
    platform::PrepareProcess();
    std::printf("%s\n", qgetenv("HOME").constData());
    std::fflush(stdout);
    if (state == "closed")
        platform::EnsureProcessEnds(0);
    std::this_thread::sleep_for(std::chrono::hours(1));
    return 1;
}

} // namespace

// A process whose main thread is stuck still ends, and removes its private folder.
class ExitWatchdogTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsWhenBlocked_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<bool>("terminated"); // sent SIGTERM
        QTest::newRow("window closed") << QByteArray("closed") << false;
        QTest::newRow("SIGTERM") << QByteArray("running") << true;
    }

    void endsWhenBlocked()
    {
        QFETCH(QByteArray, state);
        QFETCH(bool, terminated);
        // More than a few seconds, for a loaded machine.
        constexpr int kPatienceMs = 15000;
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TMPDIR"_qs, temporary.path());
        environment.remove(u"XDG_RUNTIME_DIR"_qs);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
            {QString::fromLatin1(kChildMode), QString::fromLatin1(state)});
        QVERIFY(child.waitForReadyRead(kPatienceMs));
        const QString folder = QString::fromLocal8Bit(child.readLine().trimmed());
        QVERIFY2(folder.startsWith(temporary.path() + u'/'), qPrintable(folder));
        if (terminated)
            child.terminate();

        QVERIFY(child.waitForFinished(kPatienceMs));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], kChildMode) == 0)
        return runBlockedChild(argv[2]);
    QCoreApplication application(argc, argv);
    ExitWatchdogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_exitwatchdog.moc"
