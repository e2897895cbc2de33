#include <csignal>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <sys/resource.h>
#include <sys/stat.h>

#include "jobfiles.h"
#include "jobquotation.h"
#include "jobwindow.h"
#include "jobwindowplace.h"
#include "pagetesting.h"
#include "roomtypememory.h"
#include "savedialog.h"
#include "systemerror.h"
#include "widgets/pagetab.h"

using namespace kalmoro;

namespace {

JobWindow *openJobWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *job = qobject_cast<JobWindow *>(widget))
            return job;
    }
    return nullptr;
}

template <typename T> T *named(QWidget &window, const QString &accessibleName)
{
    for (T *widget : window.findChildren<T *>()) {
        if (widget->accessibleName() == accessibleName)
            return widget;
    }
    qFatal("no %s", qPrintable(accessibleName));
}

// The lines' table, a row a line, its cells joined by '|'.
QStringList tableRows(JobWindow &job)
{
    auto *table = named<QTableWidget>(job, u"报价明细"_qs);
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
        rows << cells.join(u'|');
    }
    return rows;
}

// Types into the widget with the focus as a user does.
void typeText(const QString &text)
{
    testing::TypeCharacters(QApplication::focusWidget(), text);
}

// Goes on to a row's next cell as the keyboard does: Tab from a cell's editor, an arrow from a
// computed cell, which opens none.
void nextCell()
{
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused, qobject_cast<QAbstractItemView *>(focused) ? Qt::Key_Right : Qt::Key_Tab);
}

// Until it goes, no file of this process may grow past limit bytes: a write beyond it fails, as on
// a full disk, rather than ending the process.
class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        const rlimit lowered {limit, m_before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before {};
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The totals below the lines, as the window shows them.
QString totalsOf(QWidget &job)
{
    QStringList labels;
    for (const QLabel *label : job.findChildren<QLabel *>())
        labels << label->text();
    return labels.filter(u"小计："_qs).value(0);
}

QAction *action(QWidget &window, const QString &text)
{
    for (QAction *candidate : window.findChildren<QAction *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    qFatal("no action %s", qPrintable(text));
}

void activate(QWidget &window)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

// The job window reached from the real window's calculator pages, by keyboard.
class JobWindowTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The account's configuration folder, kept apart from the real one.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    }

    void init()
    {
        m_questions.clear();
        m_answer.clear();
        m_savePath = [](const SaveRequest &request) {
            QTest::qFail(qPrintable(u"dialog asked for: "_qs + request.title), __FILE__, __LINE__);
            return QString();
        };
    }

    void cleanup() { m_page.close(); }

    void addsPage_data()
    {
        QTest::addColumn<QString>("navButton");
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("times");
        QTest::addColumn<QStringList>("lines");

        const QStringList copper {u"编辑框0=60000"_qs, u"编辑框1=10"_qs, u"编辑框3=2.5"_qs};
        const QStringList copperLines {
            u"Φ6.35 铜管|10|米|8.16|81.60"_qs, u"Φ9.53 铜管|2.5|米|11.04|27.60"_qs};
        QTest::newRow("refrigerant") << u"加氟计算按钮"_qs << 1 << QStringList {u"六=10"_qs, u"十=10"_qs} << 1
                                     << QStringList {u"冷媒|0.76|KG|0.00|0.00"_qs};
        QTest::newRow("copper") << u"铜管价格按钮"_qs << 2 << copper << 1 << copperLines;
        QTest::newRow("copper twice") << u"铜管价格按钮"_qs << 2 << copper << 2 << copperLines;
        QTest::newRow("vents") << u"风口价格按钮"_qs << 4
                               << QStringList {u"出风长=1"_qs, u"出风宽=0.2"_qs, u"回风宽=0.3"_qs} << 1
                               << QStringList {u"出风口 1×0.2 米|1|个|47.52|47.52"_qs,
                                      u"回风口 ×0.3 米|1|个|15.12|15.12"_qs};
    }

    void addsPage()
    {
        QFETCH(QString, navButton);
        QFETCH(int, pageIndex);
        QFETCH(QStringList, steps);
        QFETCH(int, times);
        QFETCH(QStringList, lines);

        openPage(navButton, pageIndex);
        m_page.run(steps);
        for (int i = 0; i < times; ++i) {
            activate(m_page.window());
            QTest::keyClick(&m_page.window(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        }
        JobWindow *job = openJobWindow();
        QVERIFY(job && job->isVisible());
        QCOMPARE(tableRows(*job), lines);
        QCOMPARE(m_questions.size(), times - 1);
        QVERIFY(job->isWindowModified());
        QCOMPARE(job->windowTitle(), u"报价单 – 未命名[*]"_qs);
    }

    // The lines the user typed stay whatever page is added, and however often its lines are
    // replaced; a page that prices nothing adds nothing and asks nothing.
    void keepsTypedLines_data()
    {
        QTest::addColumn<QString>("navButton");
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QStringList>("steps");

        QTest::newRow("refrigerant") << u"加氟计算按钮"_qs << 1 << QStringList {u"六=10"_qs, u"十=10"_qs};
        QTest::newRow("copper") << u"铜管价格按钮"_qs << 2
                                << QStringList {u"编辑框0=60000"_qs, u"编辑框1=10"_qs};
        QTest::newRow("vents") << u"风口价格按钮"_qs << 4 << QStringList {u"出风长=1"_qs, u"出风宽=0.2"_qs};
        QTest::newRow("pressure") << u"冷媒压力按钮"_qs << 7 << QStringList {};
    }

    void keepsTypedLines()
    {
        QFETCH(QString, navButton);
        QFETCH(int, pageIndex);
        QFETCH(QStringList, steps);

        const QTemporaryDir folder;
        Job written;
        written.lines = {{u"人工"_qs, 2'000, u"天"_qs, 300'000'000, JobSource::Typed}};
        const QString path = folder.filePath(u"工程.kalmoro"_qs);
        QCOMPARE(WriteJobFile(written, path), QString());
        openPage(navButton, pageIndex);
        m_page.run(steps);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        QVERIFY(job.openFile(path));
        m_answer = u"替换"_qs;
        for (int i = 0; i < 2; ++i) {
            activate(m_page.window());
            QTest::keyClick(&m_page.window(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        }
        const QList<JobLine> &lines = job.job().lines;
        QCOMPARE(lines.first(), written.lines.first());
        QCOMPARE(lines.size(), steps.isEmpty() ? 1 : 2);
        QCOMPARE(m_questions.size(), steps.isEmpty() ? 0 : 1);
        QCOMPARE(m_page.messages, QStringList());
    }

    // The refrigerant's price typed once stays for the page's next lines.
    void remembersRefrigerantPrice()
    {
        openPage(u"加氟计算按钮"_qs, 1);
        m_page.run({u"六=10"_qs, u"十=10"_qs});
        QTest::keyClick(&m_page.window(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        activate(job);
        auto *table = named<QTableWidget>(job, u"报价明细"_qs);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
        for (int column = 0; column < 3; ++column)
            QTest::keyClick(table, Qt::Key_Right);
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        typeText(u"65"_qs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        m_page.type(u"十"_qs, u"20"_qs);
        activate(m_page.window());
        QTest::keyClick(&m_page.window(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tableRows(job), QStringList {u"冷媒|1.3|KG|65.00|84.50"_qs});
    }

    void editsLine_data()
    {
        QTest::addColumn<QStringList>("typed"); // the description, quantity, unit and unit price
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("total");

        QTest::newRow("labour") << QStringList {u"人工"_qs, u"2"_qs, u"天"_qs, u"300.5"_qs}
                                << u"人工|2|天|300.50|601.00"_qs << u"合计：601.00 元"_qs;
        QTest::newRow("full-width digits") << QStringList {u"支架"_qs, u"３"_qs, u"个"_qs, u"０.３３５"_qs}
                                           << u"支架|3|个|0.335|1.01"_qs << u"合计：1.01 元"_qs;
        QTest::newRow("not a number keeps the cell") << QStringList {u"辅材"_qs, u"abc"_qs, u"批"_qs,
            u"12"_qs} << u"辅材|1|批|12.00|12.00"_qs << u"合计：12.00 元"_qs;
    }

    void editsLine()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, line);
        QFETCH(QString, total);

        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        activate(job);
        QTest::keyClick(&job, Qt::Key_Insert, Qt::ControlModifier);
        for (const QString &cell : typed) {
            typeText(cell);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(tableRows(job), QStringList {line});
        QVERIFY2(totalsOf(job).endsWith(total), qPrintable(totalsOf(job)));
        QVERIFY(job.isWindowModified());
    }

    // Each value typed into a line is taken up to the bound the job file is read with, and refused
    // past it with the reason; what is saved opens again.
    void keepsCellsWithinBounds_data()
    {
        QTest::addColumn<QStringList>("typed"); // the description, quantity, unit and unit price
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("refused");

        const QString longest(MaxTextLength, u'管');
        QTest::newRow("quantity at the bound") << QStringList {u"管"_qs, u"1000000"_qs, u"米"_qs, u"1"_qs}
                                               << u"管|1000000|米|1.00|1000000.00"_qs << false;
        QTest::newRow("quantity past it") << QStringList {u"管"_qs, u"1000000.001"_qs, u"米"_qs, u"1"_qs}
                                          << u"管|1|米|1.00|1.00"_qs << true;
        QTest::newRow("unit price at the bound") << QStringList {u"管"_qs, u"-1"_qs, u"米"_qs, u"1000000"_qs}
                                                 << u"管|-1|米|1000000.00|-1000000.00"_qs << false;
        QTest::newRow("unit price past it") << QStringList {u"管"_qs, u"1"_qs, u"米"_qs, u"-1000000.01"_qs}
                                            << u"管|1|米|0.00|0.00"_qs << true;
        QTest::newRow("description at the bound")
            << QStringList {longest, u"1"_qs, u"米"_qs, u"1"_qs} << longest + u"|1|米|1.00|1.00"_qs << false;
        QTest::newRow("description past it")
            << QStringList {longest + u'管', u"1"_qs, u"米"_qs, u"1"_qs} << u"|1|米|1.00|1.00"_qs << true;
    }

    void keepsCellsWithinBounds()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, line);
        QFETCH(bool, refused);

        JobWindow &job = openEmptyJob();
        QTest::keyClick(&job, Qt::Key_Insert, Qt::ControlModifier);
        QStringList notices;
        for (const QString &cell : typed) {
            typeText(cell);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (const QString notice = named<QLabel>(job, u"提示"_qs)->text(); !notice.isEmpty())
                notices << notice;
        }
        QCOMPARE(tableRows(job), QStringList {line});
        // A cell typed as it was changes nothing and leaves the notice as it stands.
        notices.removeDuplicates();
        QCOMPARE(notices.size(), refused ? 1 : 0);
        expectSavedFileOpens(job);
    }

    // A page's lines past the bounds, or lines past the most a job holds, are refused with the
    // reason; the job keeps what it had, and what is saved opens again.
    void refusesLinesPastBounds_data()
    {
        QTest::addColumn<int>("linesBefore");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("linesAfter");

        QTest::newRow("copper metres past the bound") << 0 << u"copper page"_qs << 0;
        QTest::newRow("copper lines past the most lines")
            << int(MaxJobLines) << u"copper page"_qs << int(MaxJobLines);
        QTest::newRow("a line added up to the most")
            << int(MaxJobLines) - 1 << u"添加行"_qs << int(MaxJobLines);
        QTest::newRow("a line added past it") << int(MaxJobLines) << u"添加行"_qs << int(MaxJobLines);
    }

    void refusesLinesPastBounds()
    {
        QFETCH(int, linesBefore);
        QFETCH(QString, way);
        QFETCH(int, linesAfter);

        const QTemporaryDir folder;
        Job written;
        written.lines.fill({u"人工"_qs, 1'000, u"天"_qs, 1'000'000, JobSource::Typed}, linesBefore);
        const QString path = folder.filePath(u"工程.kalmoro"_qs);
        QCOMPARE(WriteJobFile(written, path), QString());
        JobWindow &job = openEmptyJob();
        QVERIFY(job.openFile(path));
        if (way == u"copper page") {
            m_page.run({u"编辑框0=70000"_qs, u"编辑框1=%1"_qs.arg(linesBefore == 0 ? 99999999 : 10)});
            activate(m_page.window());
            QTest::keyClick(&m_page.window(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(m_page.messages.size(), 1);
            QVERIFY2(m_page.messages[0].startsWith(u"无法加入报价单："_qs), qPrintable(m_page.messages[0]));
        } else {
            activate(job);
            QTest::keyClick(&job, Qt::Key_Insert, Qt::ControlModifier);
            QCOMPARE(named<QLabel>(job, u"提示"_qs)->text().isEmpty(), linesAfter > linesBefore);
        }
        QCOMPARE(job.job().lines.size(), linesAfter);
        expectSavedFileOpens(job);
    }

    // A discount or tax rate that is no number, below zero, or would bring the total below zero is
    // put back in its box at once, the reason beside the lines; lines deleted below the discount
    // leave no total below zero but say why.
    void keepsMoneyBoxesSound_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("deleteLine");
        QTest::addColumn<QString>("shown"); // in the box afterwards
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("total");

        const QString discount = u"优惠 元"_qs;
        const QString tax = u"税率 百分比"_qs;
        QTest::newRow("discount taken")
            << discount << u"150"_qs << false << u"150"_qs << false << u"合计：53.13 元"_qs;
        QTest::newRow("discount past the subtotal")
            << discount << u"300"_qs << false << u"30.00"_qs << true << u"合计：180.63 元"_qs;
        QTest::newRow("lines deleted below the discount")
            << discount << u"150"_qs << true << u"150"_qs << false
            << u"合计：无（优惠大于小计，请修改优惠或明细）"_qs;
        QTest::newRow("tax rate taken")
            << tax << u"7.5"_qs << false << u"7.5"_qs << false << u"合计：215.00 元"_qs;
        QTest::newRow("tax rate below zero")
            << tax << u"-"_qs << false << u"6.25"_qs << true << u"合计：212.50 元"_qs;
        QTest::newRow("tax rate not a number")
            << tax << u"a"_qs << false << u"6.25"_qs << true << u"合计：212.50 元"_qs;
    }

    void keepsMoneyBoxesSound()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, deleteLine);
        QFETCH(QString, shown);
        QFETCH(bool, refused);
        QFETCH(QString, total);

        const QTemporaryDir folder;
        Job written;
        written.lines = {{u"人工"_qs, 1'000, u"天"_qs, 200'000'000, JobSource::Typed}};
        written.taxRate = 625;
        const QString path = folder.filePath(u"工程.kalmoro"_qs);
        QCOMPARE(WriteJobFile(written, path), QString());
        JobWindow &job = openEmptyJob();
        QVERIFY(job.openFile(path));
        auto *edit = named<QLineEdit>(job, box);
        edit->setFocus();
        edit->selectAll();
        QStringList notices;
        for (const QChar key : typed) {
            typeText(key);
            notices << named<QLabel>(job, u"提示"_qs)->text();
        }
        if (deleteLine) {
            named<QTableWidget>(job, u"报价明细"_qs)->setCurrentCell(0, 0);
            QTest::keyClick(&job, Qt::Key_Delete, Qt::ControlModifier);
        }
        QCOMPARE(edit->text(), shown);
        QCOMPARE(!notices.last().isEmpty(), refused);
        QVERIFY2(totalsOf(job).endsWith(total), qPrintable(totalsOf(job)));
    }

    // The job window opens beside the main window where it fits, else over its part without
    // navigation, always on the main window's screen.
    void placesBesideMainWindow_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("main");
        QTest::addColumn<QPoint>("place");

        const QRect wide(0, 0, 2560, 1440);
        const QRect full(0, 0, 1920, 1080);
        QTest::newRow("right of it") << wide << QPoint(420, 192) << QPoint(1508, 192);
        QTest::newRow("left of it") << full << QPoint(1400, 100) << QPoint(632, 100);
        QTest::newRow("over the pages") << full << QPoint(420, 192) << QPoint(645, 295);
        QTest::newRow("kept above the screen's bottom") << full << QPoint(1000, 500) << QPoint(232, 440);
        QTest::newRow("on a second screen")
            << QRect(1920, 0, 1920, 1080) << QPoint(2340, 192) << QPoint(2565, 295);
        QTest::newRow("taller than the screen") << QRect(0, 0, 800, 600) << QPoint(0, 0) << QPoint(40, 0);
    }

    void placesBesideMainWindow()
    {
        QFETCH(QRect, screen);
        QFETCH(QPoint, main);
        QFETCH(QPoint, place);

        // The main window's frame, and its page tab right of the navigation column.
        const QRect window(main, QSize(1080, 695));
        const QRect pages(main + QPoint(225, 103), QSize(808, 546));
        QCOMPARE(JobWindowPlace(screen, window, pages, QSize(760, 640)), place);
    }

    // Unsaved changes are asked about on each way out, and only while there are any.
    void asksBeforeUnsavedChangesGo_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("goes");

        const QStringList ways {u"job window closed"_qs, u"Esc in the job window"_qs,
            u"another job opened"_qs, u"Esc in the main window"_qs, u"main window's close button"_qs};
        for (const QString &way : ways) {
            QTest::addRow("%s, unchanged", qPrintable(way)) << way << false << QString() << true;
            QTest::addRow("%s, cancelled", qPrintable(way)) << way << true << u"取消"_qs << false;
            QTest::addRow("%s, not saved", qPrintable(way)) << way << true << u"不保存"_qs << true;
            QTest::addRow("%s, saved", qPrintable(way)) << way << true << u"保存"_qs << true;
        }
    }

    void asksBeforeUnsavedChangesGo()
    {
        QFETCH(QString, way);
        QFETCH(bool, edited);
        QFETCH(QString, answer);
        QFETCH(bool, goes);

        const QTemporaryDir folder;
        const QString saved = folder.filePath(u"王先生.kalmoro"_qs);
        m_savePath = [&](const SaveRequest &) { return saved; };
        const QString other = folder.filePath(u"其他.kalmoro"_qs);
        Job otherJob;
        otherJob.customer.name = u"李女士"_qs;
        QCOMPARE(WriteJobFile(otherJob, other), QString());
        m_answer = answer;

        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        activate(job);
        if (edited) {
            named<QLineEdit>(job, u"客户"_qs)->setFocus();
            typeText(u"王先生"_qs);
        }
        QCOMPARE(job.windowTitle(), edited ? u"报价单 – 王先生[*]"_qs : u"报价单 – 未命名[*]"_qs);

        QWidget *leaving = &job;
        if (way == u"job window closed") {
            job.close();
        } else if (way == u"Esc in the job window") {
            QTest::keyClick(&job, Qt::Key_Escape);
        } else if (way == u"another job opened") {
            job.openFile(other);
            leaving = nullptr;
        } else {
            leaving = &m_page.window();
            activate(m_page.window());
            if (way == u"Esc in the main window")
                QTest::keyClick(&m_page.window(), Qt::Key_Escape);
            else
                m_page.click(u"销毁按钮"_qs);
        }
        QTRY_COMPARE(
            m_questions, edited ? QStringList {u"报价单“王先生”有未保存的修改。保存吗？"_qs} : QStringList());
        if (leaving)
            QTRY_COMPARE(leaving->isVisible(), !goes);
        else
            QCOMPARE(job.job().customer.name, goes ? u"李女士"_qs : u"王先生"_qs);
        // Changes not saved are gone: the job window opens again on the job as it was.
        if (answer == u"不保存" && leaving == &job)
            QCOMPARE(job.job().customer.name, QString());
        QCOMPARE(QFileInfo::exists(saved), answer == u"保存");
        if (answer == u"保存")
            QCOMPARE(ReadJobFile(saved).job->customer.name, u"王先生"_qs);
    }

    // A job file dropped on either window opens in the job window; dropped on the main window, it
    // opens the job window the user has not opened yet, which start-up does not build.
    void opensDroppedFile_data()
    {
        QTest::addColumn<bool>("onMainWindow");
        QTest::newRow("main window") << true;
        QTest::newRow("job window") << false;
    }

    void opensDroppedFile()
    {
        QFETCH(bool, onMainWindow);

        const QTemporaryDir folder;
        Job written;
        written.customer.name = u"李女士"_qs;
        const QString path = folder.filePath(u"工程.kalmoro"_qs);
        QCOMPARE(WriteJobFile(written, path), QString());
        openPage(u"铜管价格按钮"_qs, 2);
        QCOMPARE(openJobWindow(), nullptr);
        if (!onMainWindow)
            QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QWidget *target = onMainWindow ? static_cast<QWidget *>(&m_page.window()) : openJobWindow();

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint point = target->rect().center();
        QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        const JobWindow *job = openJobWindow();
        QVERIFY(job && job->isVisible());
        QCOMPARE(job->windowTitle(), u"报价单 – 李女士[*]"_qs);
        QCOMPARE(job->filePath(), path);
    }

    // A file that is no job, or a name that is no file, is refused with its reason at once, and the
    // job open stays as it was: a pipe that nothing writes to does not hang the window.
    void refusesUnreadableFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");

        QTest::newRow("not JSON") << u"file"_qs << u"文件不是 JSON 格式（第 3 个字节附近有误）。"_qs;
        QTest::newRow("a pipe") << u"pipe"_qs << SystemErrorReason(ENXIO);
        QTest::newRow("a folder") << u"folder"_qs << SystemErrorReason(EISDIR);
        QTest::newRow("missing") << u"missing"_qs << SystemErrorReason(ENOENT);
    }

    void refusesUnreadableFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);

        const QTemporaryDir folder;
        const QString path = folder.filePath(u"坏.kalmoro"_qs);
        if (kind == u"file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{ not json");
        } else if (kind == u"pipe") {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == u"folder") {
            QVERIFY(QDir().mkpath(path));
        }
        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        activate(job);
        named<QLineEdit>(job, u"客户"_qs)->setFocus();
        typeText(u"王"_qs);
        QVERIFY(!job.openFile(path));
        QCOMPARE(m_page.messages, QStringList {u"无法打开文件 "_qs + path + u"："_qs + reason});
        QCOMPARE(m_questions, QStringList());
        QCOMPARE(job.job().customer.name, u"王"_qs);
        QVERIFY(job.isWindowModified());
    }

    // The PDF's pages each repeat the header, and the captions of the tables going on; the rooms'
    // table comes before the lines. Its text gives every room, every line and the totals once. The
    // pictures are one file an A4 page, numbered when there are more. Each output builds the sheet
    // once, however many pages it has.
    void exportsPdf_data()
    {
        QTest::addColumn<int>("rooms");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("roomPages"); // that show the rooms' table
        QTest::addColumn<int>("linePages"); // that show the lines' table
        QTest::addColumn<QString>("total");

        QTest::newRow("one page") << 0 << 3 << 1 << 0 << 1 << u"36.72"_qs;
        QTest::newRow("lines beyond one page") << 0 << 40 << 2 << 0 << 2 << u"489.60"_qs;
        QTest::newRow("many lines") << 0 << 100 << 4 << 0 << 4 << u"1224.00"_qs;
        QTest::newRow("rooms beyond one page") << 30 << 3 << 2 << 2 << 1 << u"36.72"_qs;
        QTest::newRow("rooms and lines on one page") << 5 << 3 << 1 << 1 << 1 << u"36.72"_qs;
    }

    void exportsPdf()
    {
        QFETCH(int, rooms);
        QFETCH(int, lines);
        QFETCH(int, pages);
        QFETCH(int, roomPages);
        QFETCH(int, linePages);
        QFETCH(QString, total);

        const QTemporaryDir folder;
        Job written;
        written.customer.name = u"王先生"_qs;
        written.dealer.company = u"恒温空调工程"_qs;
        written.date = QDate(2026, 12, 7);
        for (int i = 1; i <= rooms; ++i)
            written.rooms.append({u"卧室 %1"_qs.arg(i), u"卧室"_qs, 2'000, 15'000, {u"KFR-35"_qs, 350, 1}});
        for (int i = 1; i <= lines; ++i)
            written.lines.append({u"Φ6.35 铜管 %1"_qs.arg(i), 1'500, u"米"_qs, 8'160'000, JobSource::Copper});
        const QString file = folder.filePath(u"工程.kalmoro"_qs);
        QCOMPARE(WriteJobFile(written, file), QString());
        const QString pdf = folder.filePath(u"报价单.pdf"_qs);
        m_savePath = [&](const SaveRequest &) { return pdf; };

        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        QVERIFY(job.openFile(file));
        activate(job);
        const qint64 built = JobSheetsBuilt();
        QTest::keyClick(&job, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(JobSheetsBuilt() - built, 1);
        QCOMPARE(m_page.messages, QStringList());

        m_savePath = [&](const SaveRequest &) { return folder.filePath(u"报价单.png"_qs); };
        m_page.savePath = m_savePath;
        action(job, u"保存为图片…"_qs)->trigger();
        QCOMPARE(JobSheetsBuilt() - built, 2);
        QStringList pictures {u"报价单.png"_qs};
        if (pages > 1) {
            pictures.clear();
            for (int page = 1; page <= pages; ++page)
                pictures << u"报价单-%1.png"_qs.arg(page);
        }
        QCOMPARE(QDir(folder.path()).entryList({u"*.png"_qs}, QDir::Files, QDir::Name), pictures);
        for (const QString &picture : pictures) {
            const QImage image(folder.filePath(picture));
            QCOMPARE(image.width(), 1280);
            QVERIFY(image.height() <= qRound(1280 * 267 / 180.0)); // an A4 page within its margins
        }

        QProcess process;
        process.start(u"pdftotext"_qs, {u"-layout"_qs, pdf, u"-"_qs});
        QVERIFY(process.waitForFinished());
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        QCOMPARE(text.count(u'\f'), pages);
        QCOMPARE(text.count(u"恒温空调工程"_qs), pages);
        QCOMPARE(text.count(u"房间负荷与选型"_qs), roomPages);
        QCOMPARE(text.count(u"金额"_qs), linePages);
        QVERIFY(text.indexOf(u"房间负荷与选型"_qs) < text.indexOf(u"金额"_qs));
        for (int i = 1; i <= rooms; ++i)
            QVERIFY2(text.contains(u"卧室 %1 "_qs.arg(i)), qPrintable(QString::number(i)));
        for (int i = 1; i <= lines; ++i)
            QVERIFY2(text.contains(u"Φ6.35 铜管 %1 "_qs.arg(i)), qPrintable(QString::number(i)));
        QCOMPARE(text.count(u"合计：%1 元"_qs.arg(total)), 1);
    }

    // A save that cannot be finished leaves the file it would replace byte for byte, says why, and
    // the job stays unsaved: small files, whose write fails only when the last of it goes to the
    // disk, and large ones alike.
    void keepsOldFileWhenWriteFails_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("lines"); // of the job saved before
        QTest::addColumn<int>("limit"); // the bytes a file may have while saving again
        QTest::addColumn<QString>("message");

        const QString file = u"无法保存文件 %1："_qs;
        QTest::newRow("small job") << u"job"_qs << 1 << 64 << file;
        QTest::newRow("large job") << u"job"_qs << 2'000 << 200'000 << file;
        QTest::newRow("dealer") << u"dealer"_qs << 1 << 16 << u"无法记住公司信息："_qs;
        QTest::newRow("picture") << u"picture"_qs << 1 << 64 << file;
        QTest::newRow("PDF") << u"pdf"_qs << 1 << 64 << file;
    }

    void keepsOldFileWhenWriteFails()
    {
        QFETCH(QString, kind);
        QFETCH(int, lines);
        QFETCH(int, limit);
        QFETCH(QString, message);

        const QTemporaryDir folder;
        Job written;
        written.customer.name = u"王先生"_qs;
        for (int i = 0; i < lines; ++i)
            written.lines.append({u"Φ6.35 铜管 %1"_qs.arg(i), 1'500, u"米"_qs, 8'160'000, JobSource::Copper});
        const QString jobPath = folder.filePath(u"工程.kalmoro"_qs);
        QCOMPARE(WriteJobFile(written, jobPath), QString());
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        const QString kept = kind == u"job" ? jobPath
            : kind == u"dealer"             ? QDir(config).filePath(u"kalmoro/dealer.json"_qs)
            : kind == u"picture"            ? folder.filePath(u"报价单.png"_qs)
                                            : folder.filePath(u"报价单.pdf"_qs);
        m_savePath = [&](const SaveRequest &) { return kept; };

        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        QVERIFY(job.openFile(jobPath));
        activate(job);
        auto *company = named<QLineEdit>(job, u"公司名称"_qs);
        if (kind == u"dealer") {
            company->setFocus();
            typeText(u"恒温空调"_qs);
            auto *remember = job.findChild<QCheckBox *>();
            QTest::mouseClick(remember, Qt::LeftButton, Qt::NoModifier, QPoint(8, remember->height() / 2));
        } else if (kind != u"job") {
            QFile old(kept);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the quotation given before");
        }
        const QByteArray before = contentOf(kept);
        QVERIFY(!before.isEmpty());
        {
            const FileSizeLimit full(static_cast<rlim_t>(limit));
            if (kind == u"job") {
                named<QLineEdit>(job, u"客户"_qs)->setFocus();
                typeText(u"!"_qs);
                QTest::keyClick(&job, Qt::Key_S, Qt::ControlModifier);
            } else if (kind == u"dealer") {
                company->setFocus();
                typeText(u"工程有限公司"_qs);
            } else if (kind == u"picture") {
                action(job, u"保存为图片…"_qs)->trigger();
            } else {
                QTest::keyClick(&job, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
            }
        }
        QCOMPARE(contentOf(kept), before);
        const QString shown
            = message.contains(u"%1"_qs) ? message.arg(QDir::toNativeSeparators(kept)) : message;
        QCOMPARE(m_page.messages, QStringList {shown + SystemErrorReason(EFBIG)});
        // Nothing is left beside the file: no part of the new one.
        const bool beside = kind == u"picture" || kind == u"pdf";
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), beside ? 2 : 1);
        QCOMPARE(job.isWindowModified(), !beside);
        QDir(config).removeRecursively();
        QVERIFY(QDir().mkpath(config));
    }

    void cancelledOutputLeavesNoFile_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("file");
        QTest::newRow("PDF") << u"导出 PDF…"_qs << u"报价单.pdf"_qs;
        QTest::newRow("pictures") << u"保存为图片…"_qs << u"报价单.png"_qs;
    }

    // 取消 in the progress of a long output ends it, and nothing of it is left in the folder: not
    // the file, not a page, not a part.
    void cancelledOutputLeavesNoFile()
    {
        QFETCH(QString, output);
        QFETCH(QString, file);

        const QTemporaryDir folder;
        Job written;
        for (int i = 1; i <= MaxJobLines; ++i)
            written.lines.append({u"Φ6.35 铜管 %1"_qs.arg(i), 1'500, u"米"_qs, 8'160'000, JobSource::Copper});
        const QString jobPath = folder.filePath(u"工程.kalmoro"_qs);
        QCOMPARE(WriteJobFile(written, jobPath), QString());
        const QString outputs = folder.filePath(u"报价单"_qs);
        QVERIFY(QDir().mkpath(outputs));
        m_savePath = [&](const SaveRequest &) { return QDir(outputs).filePath(file); };

        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        QVERIFY(job.openFile(jobPath));
        activate(job);
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [&cancel, &job] {
            const auto *progress = job.findChild<QProgressDialog *>();
            if (progress && progress->isVisible()) {
                QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
                cancel.stop();
            }
        });
        cancel.start(10);
        action(job, output)->trigger();
        QVERIFY(!cancel.isActive());
        QCOMPARE(QDir(outputs).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(m_page.messages, QStringList());
    }

    // The dealer is kept for the next start only while the box is ticked.
    void remembersDealer_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("company");

        QTest::newRow("not ticked") << 0 << QString();
        QTest::newRow("ticked") << 1 << u"恒温空调"_qs;
        QTest::newRow("ticked, then unticked") << 2 << QString();
    }

    void remembersDealer()
    {
        QFETCH(int, clicks);
        QFETCH(QString, company);

        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow *job = openJobWindow();
        activate(*job);
        named<QLineEdit>(*job, u"公司名称"_qs)->setFocus();
        typeText(u"恒温空调"_qs);
        auto *remember = job->findChild<QCheckBox *>();
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(remember, Qt::LeftButton, Qt::NoModifier, QPoint(8, remember->height() / 2));
        m_answer = u"不保存"_qs;
        m_page.close();

        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        job = openJobWindow();
        QCOMPARE(named<QLineEdit>(*job, u"公司名称"_qs)->text(), company);
        QCOMPARE(job->findChild<QCheckBox *>()->isChecked(), !company.isEmpty());
        QCOMPARE(
            QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty(), company.isEmpty());
        QDir(config).removeRecursively();
        QVERIFY(QDir().mkpath(config));
    }

    // Rooms typed in the job window fill the refrigerant page as a user's typing and clicking would,
    // the other make's mode switched off first for a model of the page, or chosen for another make's
    // unit, whose hidden boxes are left as they were; the main window then shows the page with its
    // ratio and charge.
    void fillsRefrigerant_data()
    {
        QTest::addColumn<bool>("otherMode"); // of the page before
        QTest::addColumn<bool>("otherMake"); // the outdoor unit chosen, else the one suggested
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<QString>("radio"); // checked after
        QTest::addColumn<QStringList>("page"); // 室内机台数, 室内机总量, 配比率, 外机加氟

        QTest::newRow("ratio 1.05, band 1") << false << false << u"26.25"_qs << u"二百五"_qs
                                            << QStringList {u"1"_qs, u"26.25"_qs, u"1.05"_qs, u"1"_qs};
        QTest::newRow("from the other make's mode")
            << true << false << u"26.25"_qs << u"二百五"_qs
            << QStringList {u"1"_qs, u"26.25"_qs, u"1.05"_qs, u"1"_qs};
        QTest::newRow("band 2 of the next model")
            << false << false << u"34"_qs << u"三百"_qs
            << QStringList {u"1"_qs, u"34"_qs, u"1.133333333333"_qs, u"2"_qs};
        QTest::newRow("another make's unit") << false << true << u"26.25"_qs << u"其他加氟"_qs
                                             << QStringList {QString(), QString(), QString(), QString()};
    }

    void fillsRefrigerant()
    {
        QFETCH(bool, otherMode);
        QFETCH(bool, otherMake);
        QFETCH(QString, capacity);
        QFETCH(QString, radio);
        QFETCH(QStringList, page);

        openPage(u"加氟计算按钮"_qs, 1);
        if (otherMode)
            m_page.click(u"其他加氟"_qs);
        m_page.click(u"铜管价格按钮"_qs);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        activate(job);
        QTableWidget *rooms = roomsTable(job);
        QTest::keyClick(rooms, Qt::Key_Insert, Qt::ControlModifier);
        // Name, type, area, index, load, 匹, model, capacity: the type's index stays as it came.
        const QStringList cells {u"客厅"_qs, {}, u"100"_qs, {}, {}, {}, u"风管机"_qs, capacity};
        for (const QString &cell : cells) {
            if (!cell.isEmpty())
                typeText(cell);
            nextCell();
        }
        QCOMPARE(job.job().rooms.size(), 1);
        QCOMPARE(rooms->item(0, 4)->text(), u"15"_qs);
        if (otherMake) {
            auto *outdoor = named<QComboBox>(job, u"室外机"_qs);
            outdoor->setFocus();
            QTest::keyClick(outdoor, Qt::Key_End);
            QTest::keyClick(outdoor, Qt::Key_Tab);
            typeText(u"RXYQ10"_qs);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(u"28"_qs);
            QCOMPARE(job.job().otherOutdoorCapacity, 2'800);
        } else {
            for (QToolButton *button : job.findChildren<QToolButton *>()) {
                if (button->text() == u"建议室外机")
                    button->click();
            }
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_page.find<PageTab>(u"高级选择夹1"_qs)->currentPage(), 1);
        QCOMPARE(m_page.texts({u"室内机台数"_qs, u"室内机总量"_qs, u"配比率"_qs, u"外机加氟"_qs}), page);
        QVERIFY(m_page.find<QRadioButton>(radio)->isChecked());
        QCOMPARE(m_page.find(u"外机加氟"_qs)->isVisible(), !otherMake);
        QCOMPARE(m_page.messages, QStringList());
        QVERIFY(job.isWindowModified());
        expectSavedFileOpens(job);
    }

    // Anywhere in the rooms' part, the rooms' keys act on the rooms and never on the quotation's
    // lines; a box keeps the keys it has of its own.
    void keepsKeysToTheirPart_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("rooms"); // after, of one

        QTest::newRow("add in the outdoor unit box") << u"室外机"_qs << (Qt::CTRL | Qt::Key_Insert) << 2;
        QTest::newRow("delete in the outdoor unit box") << u"室外机"_qs << (Qt::CTRL | Qt::Key_Delete) << 0;
        QTest::newRow("copy in the diversity box") << u"同时使用系数"_qs << (Qt::CTRL | Qt::Key_Insert) << 1;
    }

    void keepsKeysToTheirPart()
    {
        QFETCH(QString, control);
        QFETCH(QKeyCombination, key);
        QFETCH(int, rooms);

        JobWindow &job = openEmptyJob();
        QTest::keyClick(roomsTable(job), Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QWidget *focused = named<QWidget>(job, control);
        focused->setFocus();
        QTest::keyClick(focused, key.key(), key.keyboardModifiers());
        QCOMPARE(job.job().rooms.size(), rooms);
        QCOMPARE(job.job().lines.size(), 0);
    }

    // The rooms take the quotation lines' keys while the focus is among them, and leave the lines
    // alone; a bad value is refused in its cell with the reason, the room keeping what it had.
    void editsRoomsByKeys()
    {
        JobWindow &job = openEmptyJob();
        QTableWidget *rooms = roomsTable(job);
        for (const QString &name : {u"主卧"_qs, u"次卧"_qs}) {
            QTest::keyClick(rooms, Qt::Key_Insert, Qt::ControlModifier);
            typeText(name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(u"0"_qs);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(named<QLabel>(job, u"房间提示"_qs)->text(), u"面积应大于 0。"_qs);
        QTest::keyClick(rooms, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(rooms->currentRow(), 0);
        QTest::keyClick(rooms, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(job.job().rooms.size(), 1);
        QCOMPARE(job.job().rooms.first().name, u"主卧"_qs);
        QCOMPARE(job.job().rooms.first().area, 0);
        QVERIFY(job.job().lines.isEmpty());
        QVERIFY(job.isWindowModified());
        expectSavedFileOpens(job);
    }

    // A room type of the user's own is offered again with its index, and kept for new jobs while
    // the box asks for it; unticked, nothing of it stays in the configuration folder.
    void keepsOwnRoomTypes()
    {
        JobWindow &job = openEmptyJob();
        QTableWidget *rooms = roomsTable(job);
        QCheckBox *keep = nullptr;
        for (QCheckBox *box : job.findChildren<QCheckBox *>()) {
            if (box->text() == u"记住自定义房间类型")
                keep = box;
        }
        QVERIFY(keep);
        keep->setChecked(true);
        for (const QString &type : {u"机房"_qs, u"机房"_qs}) {
            QTest::keyClick(rooms, Qt::Key_Insert, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeText(type);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (rooms->rowCount() == 1)
                typeText(u"400"_qs);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(rooms->item(1, 3)->text(), u"400"_qs);
        QCOMPARE(RememberedRoomTypes(), QList<OwnRoomType>({{u"机房"_qs, 40'000}}));
        keep->setChecked(false);
        QVERIFY(!RoomTypesRemembered());
    }

    // Pipe runs typed by keys in the job window fill the refrigerant page's liquid lengths and the
    // copper page's metres, the allowance on the copper alone, each page then showing its results;
    // the joints go to the quotation as the takeoff's own lines, replaced after asking.
    void fillsFromPipeRuns_data()
    {
        QTest::addColumn<QString>("futuresPrice");
        QTest::addColumn<QString>("allowance");
        QTest::addColumn<bool>("room"); // one, with its indoor unit and the outdoor unit suggested
        // 六, 十, 十二, 内机加氟, 室内机台数, 配比率, 外机加氟, 一共加氟
        QTest::addColumn<QStringList>("refrigerant");
        QTest::addColumn<QStringList>("copper"); // Φ6.35, 9.53, 12.7, 22.23 metres, the total
        QTest::addColumn<QStringList>("messages");

        const QStringList refrigerant {u"9.75"_qs, u"10"_qs, {}, u"0.7545"_qs, {}, {}, {}, u"0.7545"_qs};
        QTest::newRow("allowance 10 %")
            << u"60000"_qs << u"10"_qs << false << refrigerant
            << QStringList {u"10.73"_qs, u"11"_qs, u"10.73"_qs, u"11"_qs, u"884.2608"_qs} << QStringList {};
        QTest::newRow("no futures price, no allowance")
            << QString() << u"0"_qs << false << refrigerant
            << QStringList {u"9.75"_qs, u"10"_qs, u"9.75"_qs, u"10"_qs, u"0"_qs}
            << QStringList {u"铜价过低，请检查......"_qs};
        QTest::newRow("with the rooms' units")
            << u"60000"_qs << u"0"_qs << true
            << QStringList {u"9.75"_qs, u"10"_qs, {}, u"0.7545"_qs, u"1"_qs, u"1.05"_qs, u"1"_qs,
                   u"1.7545"_qs}
            << QStringList {u"9.75"_qs, u"10"_qs, u"9.75"_qs, u"10"_qs, u"803.76"_qs} << QStringList {};
    }

    void fillsFromPipeRuns()
    {
        QFETCH(QString, futuresPrice);
        QFETCH(QString, allowance);
        QFETCH(bool, room);
        QFETCH(QStringList, refrigerant);
        QFETCH(QStringList, copper);
        QFETCH(QStringList, messages);

        openPage(u"铜管价格按钮"_qs, 2);
        m_page.run(
            {u"编辑框0="_qs + futuresPrice, u"编辑框25=3"_qs}); // a length of its own, which the fill empties
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        activate(job);
        if (room) {
            QTableWidget *rooms = roomsTable(job);
            QTest::keyClick(rooms, Qt::Key_Insert, Qt::ControlModifier);
            for (const QString &cell : {u"客厅"_qs, QString(), u"100"_qs, QString(), QString(), QString(),
                     u"风管机"_qs, u"26.25"_qs}) {
                if (!cell.isEmpty())
                    typeText(cell);
                nextCell();
            }
            for (QToolButton *button : job.findChildren<QToolButton *>()) {
                if (button->text() == u"建议室外机")
                    button->click();
            }
            QCOMPARE(job.job().outdoorModel, u"GMV-250W/A"_qs);
        }
        QTableWidget *runs = pipingTable(job);
        QVERIFY(runs);
        // From (only where not the outdoor unit), to, liquid, gas, length, joints, joint model.
        const QList<QStringList> typed {
            {{}, u"A"_qs, u"9.52"_qs, u"22.23"_qs, u"10"_qs, u"1"_qs, u"FQ01A"_qs},
            {u"A"_qs, u"客厅"_qs, u"6.35"_qs, u"12.7"_qs, u"5.5"_qs, {}, {}},
            {u"A"_qs, u"主卧"_qs, u"6.35"_qs, u"12.7"_qs, u"4.25"_qs, {}, {}}};
        for (const QStringList &run : typed) {
            QTest::keyClick(runs, Qt::Key_Insert, Qt::ControlModifier);
            if (!run.first().isEmpty()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
                typeText(run.first());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            for (const QString &cell : run.sliced(1)) {
                if (!cell.isEmpty())
                    typeText(cell);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
        }
        QCOMPARE(job.job().runs.size(), 3);
        auto *allowanceBox = named<QLineEdit>(job, u"损耗余量 %"_qs);
        allowanceBox->setFocus();
        allowanceBox->selectAll();
        typeText(allowance);
        QCOMPARE(named<QLabel>(job, u"管路提示"_qs)->text(), QString());
        QVERIFY(named<QPlainTextEdit>(job, u"管路汇总"_qs)
                    ->toPlainText()
                    .contains(u"管路总长 19.75 m，从室外机起最长 15.5 m"_qs));

        QTest::keyClick(runs, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(runs, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_page.texts({u"六"_qs, u"十"_qs, u"十二"_qs, u"内机加氟"_qs, u"室内机台数"_qs, u"配比率"_qs,
                     u"外机加氟"_qs, u"一共加氟"_qs}),
            refrigerant);
        QCOMPARE(
            m_page.texts({u"编辑框1"_qs, u"编辑框3"_qs, u"编辑框5"_qs, u"编辑框11"_qs, u"透明标签10"_qs}),
            copper);
        QCOMPARE(m_page.text(u"编辑框25"_qs), QString());
        QCOMPARE(m_page.messages, messages);
        if (room) {
            // The rooms' 填入加氟计算 gives the runs' liquid lengths with the units.
            m_page.run({u"加氟计算按钮"_qs, u"六=1"_qs, u"十=1"_qs});
            activate(job);
            QTest::keyClick(runs, Qt::Key_Tab, Qt::ControlModifier);
            QTest::keyClick(roomsTable(job), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(m_page.texts({u"六"_qs, u"十"_qs, u"一共加氟"_qs}),
                QStringList({refrigerant[0], refrigerant[1], refrigerant[7]}));
            runs = pipingTable(job);
        }

        QTest::keyClick(runs, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tableRows(job), QStringList {u"FQ01A|1|个|0.00|0.00"_qs});
        // The price typed on the joints' line is the model's for the takeoff's next lines.
        auto *lines = named<QTableWidget>(job, u"报价明细"_qs);
        QTest::keyClick(runs, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(lines->isVisible());
        lines->setFocus();
        lines->setCurrentCell(0, 3);
        QTest::keyClick(lines, Qt::Key_F2);
        typeText(u"45"_qs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        runs = pipingTable(job);
        QTest::keyClick(runs, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        const QList<JobLine> joints {{u"FQ01A"_qs, 1'000, u"个"_qs, 45'000'000, JobSource::Piping}};
        QCOMPARE(job.job().lines, joints);
        QCOMPARE(m_questions.size(), 1);
        QVERIFY(job.isWindowModified());
        expectSavedFileOpens(job);
    }

    // The runs take the quotation lines' keys while the focus is among them; a bad value is refused
    // in its cell with the reason, the run keeping what it had, and the summary says what to check.
    void editsRunsByKeys()
    {
        JobWindow &job = openEmptyJob();
        QTableWidget *runs = pipingTable(job);
        for (const QString &end : {u"A"_qs, u"B"_qs}) {
            QTest::keyClick(runs, Qt::Key_Insert, Qt::ControlModifier);
            typeText(end);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(
                QApplication::focusWidget()->accessibleName(), u"液管Φ 第 %1 行"_qs.arg(runs->rowCount()));
            typeText(u"31.75"_qs);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(named<QLabel>(job, u"管路提示"_qs)->text(), u"液管管径“31.75”不是加氟计算中的液管。"_qs);
        QCOMPARE(runs->item(1, 2)->text(), u"6.35"_qs);
        QTest::keyClick(runs, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(runs->currentRow(), 0);
        QCOMPARE(job.job().runs.first().to, u"B"_qs);
        QTest::keyClick(runs, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(job.job().runs.size(), 1);
        QCOMPARE(job.job().runs.first().to, u"A"_qs);
        QVERIFY(job.job().lines.isEmpty());
        QCOMPARE(named<QPlainTextEdit>(job, u"管路汇总"_qs)->toPlainText(),
            u"液管：无。铜管（液管与气管，含损耗余量 0%）：无。分歧管 0 个，管路总长 0 "
            u"m，从室外机起最长 0 m，"
            "请对照厂家的配管限制。第 1 条管路的长度为 0。"_qs);
        QVERIFY(job.isWindowModified());
        expectSavedFileOpens(job);
    }

    // Every table of the job lets Tab and Shift+Tab go on to the window's other controls, and F2
    // opens its current cell in an editor named by its column and row.
    void tabLeavesEachTable_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("editor");

        QTest::newRow("lines") << u"报价明细"_qs << u"项目 第 1 行"_qs;
        QTest::newRow("rooms") << u"房间与室内机"_qs << u"房间 第 1 行"_qs;
        QTest::newRow("pipe runs") << u"管路"_qs << u"起点 第 1 行"_qs;
    }

    void tabLeavesEachTable()
    {
        QFETCH(QString, table);
        QFETCH(QString, editor);

        JobWindow &job = openEmptyJob();
        QTableWidget *rows = table == u"管路"_qs ? pipingTable(job)
            : table == u"房间与室内机"_qs        ? roomsTable(job)
                                                 : named<QTableWidget>(job, table);
        rows->setFocus();
        QTest::keyClick(rows, Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        rows->setFocus();
        rows->setCurrentCell(0, 0);
        QTest::keyClick(rows, Qt::Key_F2);
        QCOMPARE(QApplication::focusWidget()->accessibleName(), editor);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            rows->setFocus();
            QTest::keyClick(rows, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QVERIFY2(!rows->isAncestorOf(QApplication::focusWidget()) && QApplication::focusWidget() != rows,
                qPrintable(table));
        }
    }

private:
    JobWindow &openEmptyJob()
    {
        openPage(u"铜管价格按钮"_qs, 2);
        QTest::keyClick(&m_page.window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        JobWindow &job = *openJobWindow();
        activate(job);
        return job;
    }

    // The rooms' table, its tab turned to by the keyboard and the focus in it.
    QTableWidget *roomsTable(JobWindow &job)
    {
        auto *rooms = named<QTableWidget>(job, u"房间与室内机"_qs);
        named<QTableWidget>(job, u"报价明细"_qs)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        rooms->setFocus();
        return rooms->isVisible() ? rooms : nullptr;
    }

    // The pipe runs' table, its tab turned to by the keyboard and the focus in it.
    QTableWidget *pipingTable(JobWindow &job)
    {
        auto *runs = named<QTableWidget>(job, u"管路"_qs);
        // From the lines' table, or from the rooms' part beside its table, which keeps Ctrl+Tab.
        QWidget *start = named<QTableWidget>(job, u"报价明细"_qs);
        if (!start->isVisible())
            start = named<QLineEdit>(job, u"同时使用系数"_qs);
        start->setFocus();
        for (int turn = 0; turn < 2 && !runs->isVisible(); ++turn)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        runs->setFocus();
        return runs->isVisible() ? runs : nullptr;
    }

    // Saves the job as it stands into a new file, which must open again as the same job.
    void expectSavedFileOpens(JobWindow &job)
    {
        const QTemporaryDir folder;
        const QString saved = folder.filePath(u"另存.kalmoro"_qs);
        m_savePath = [&](const SaveRequest &) { return saved; };
        m_page.savePath = m_savePath;
        activate(job);
        QTest::keyClick(&job, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        const JobReadResult read = ReadJobFile(saved);
        QVERIFY2(read.job, qPrintable(read.error));
        QCOMPARE(*read.job, job.job());
    }

    // The window on a page, its date fixed, its questions answered with m_answer and its dialogs
    // with m_savePath.
    void openPage(const QString &navButton, int pageIndex)
    {
        m_page.today = QDate(2026, 12, 7);
        m_page.choose = [this](const QString &text, const QStringList &choices) {
            m_questions << text;
            return m_answer.isEmpty() ? choices.first() : m_answer;
        };
        m_page.savePath = m_savePath;
        m_page.open(navButton, pageIndex);
    }

    testing::PageDriver m_page;
    QStringList m_questions;
    QString m_answer; // the choice made; the first when empty
    std::function<QString(const SaveRequest &)> m_savePath;
};

QTEST_MAIN(JobWindowTest)
#include "test_jobwindow.moc"
