#include <vector>

#include <QByteArrayList>
#include <QTest>

#include "commandline.h"

using namespace kalmoro;
using Request = CommandLine::Request;

Q_DECLARE_METATYPE(CommandLine::Request)

namespace {

CommandLine read(QByteArrayList arguments)
{
    static QByteArrayList kept; // the result points into the arguments
    kept = QByteArrayList {"kalmoro"} + arguments;
    std::vector<char *> argv;
    for (QByteArray &argument : kept)
        argv.push_back(argument.data());
    return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
}

} // namespace

class TestCommandLine final : public QObject
{
    Q_OBJECT

private slots:
    // Each row: the arguments after the program's name, the request, and for Run what Qt gets
    // after the program's name, for Refuse the argument the refusal names.
    void readsArguments_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<Request>("request");
        QTest::addColumn<QByteArrayList>("expected");

        QTest::newRow("nothing") << QByteArrayList {} << Request::Run << QByteArrayList {};
        QTest::newRow("--help") << QByteArrayList {"--help"} << Request::Help << QByteArrayList {};
        QTest::newRow("-h") << QByteArrayList {"-h"} << Request::Help << QByteArrayList {};
        QTest::newRow("--version") << QByteArrayList {"--version"} << Request::Version << QByteArrayList {};
        QTest::newRow("-v") << QByteArrayList {"-v"} << Request::Version << QByteArrayList {};
        QTest::newRow("help after a Qt option")
            << QByteArrayList {"-platform", "offscreen", "--help"} << Request::Help << QByteArrayList {};

        QTest::newRow("Qt option and its value") << QByteArrayList {"-platform", "offscreen"} << Request::Run
                                                 << QByteArrayList {"-platform", "offscreen"};
        QTest::newRow("Qt option with two dashes") << QByteArrayList {"--style", "fusion",
            "-reverse"} << Request::Run << QByteArrayList {"--style", "fusion", "-reverse"};
        QTest::newRow("value after =, where Qt takes it")
            << QByteArrayList {"-style=fusion", "-qmljsdebugger=port:1234"} << Request::Run
            << QByteArrayList {"-style=fusion", "-qmljsdebugger=port:1234"};
        QTest::newRow("a value that looks like an option is a value") << QByteArrayList {
            "-qwindowtitle", "--help"} << Request::Run << QByteArrayList {"-qwindowtitle", "--help"};

        QTest::newRow("unknown option")
            << QByteArrayList {"--no-such-option"} << Request::Refuse << QByteArrayList {"--no-such-option"};
        QTest::newRow("unknown option before help")
            << QByteArrayList {"-x", "--help"} << Request::Refuse << QByteArrayList {"-x"};
        QTest::newRow("value after =, where Qt does not take it")
            << QByteArrayList {"-platform=xcb"} << Request::Refuse << QByteArrayList {"-platform=xcb"};
        QTest::newRow("value Qt only takes after =") << QByteArrayList {"-qmljsdebugger", "port:1234"}
                                                     << Request::Refuse << QByteArrayList {"-qmljsdebugger"};
        QTest::newRow("missing value")
            << QByteArrayList {"-reverse", "-platform"} << Request::Refuse << QByteArrayList {"-platform"};
        QTest::newRow("a job file") << QByteArrayList {"工程.kalmoro", "-reverse"} << Request::Run
                                    << QByteArrayList {"-reverse"};
        QTest::newRow("a second file")
            << QByteArrayList {"a.kalmoro", "b.kalmoro"} << Request::Refuse << QByteArrayList {"b.kalmoro"};
        QTest::newRow("a lone dash") << QByteArrayList {"-"} << Request::Refuse << QByteArrayList {"-"};
    }

    void readsArguments()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(Request, request);
        QFETCH(QByteArrayList, expected);

        const CommandLine line = read(arguments);
        QCOMPARE(line.request, request);
        if (request == Request::Run) {
            QVERIFY(!line.qtArguments.empty());
            QCOMPARE(line.qtArguments.back(), nullptr);
            QByteArrayList forQt;
            for (std::size_t i = 0; i + 1 < line.qtArguments.size(); ++i)
                forQt.append(line.qtArguments[i]);
            QCOMPARE(forQt, QByteArrayList {"kalmoro"} + expected);
            const bool hasFile = arguments.value(0).endsWith(".kalmoro");
            QCOMPARE(QByteArray::fromStdString(line.jobFile), hasFile ? arguments[0] : QByteArray());
        } else if (request == Request::Refuse) {
            QVERIFY2(
                QByteArray::fromStdString(line.refusal).contains(expected.first()), line.refusal.c_str());
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
