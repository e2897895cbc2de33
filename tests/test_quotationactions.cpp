#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextTable>
#include <pwd.h>
#include <unistd.h>

#include "pagetesting.h"
#include "platform.h"
#include "printservice.h"
#include "savedialog.h"

using namespace kalmoro;

namespace {

const QString Copper = u"铜管报价\n日期：2026-12-07\n期货铜价：60000 元\n单价：市场价 × 1.2\n"
                       "序号\t项目\t数量\t单位\t单价\t金额\n"
                       "1\tΦ6.35 铜管\t10\t米\t8.16 元\t81.60 元\n"
                       "小计：81.60 元\n合计：81.60 元"_qs;

// Stands in for the print plugin: paints the page it is handed into an A4 image at 100 dpi.
class RecordingPrinter final : public PrintService
{
public:
    QString print(QWidget *, const PrintJob &job) override
    {
        documents << job.documentName;
        page = QImage(827, 1169, QImage::Format_RGB32);
        page.fill(Qt::gray);
        QPainter painter(&page);
        job.paint(painter, QRectF(page.rect()), 0);
        return failure;
    }

    QStringList documents;
    QImage page;
    QString failure;
};

// The files under folder, with their paths relative to it.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    return files;
}

QString withoutSpaces(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// What a poppler tool writes to its standard output; empty when it cannot run.
QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Whether Qt Print Support is mapped into this process.
bool printSupportLoaded()
{
    QFile maps(u"/proc/self/maps"_qs);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
}

} // namespace

// The quotation menu and its actions on the real window's copper page, filled as in the example:
// futures price 60000, 10 m of the first diameter, the total computed.
class QuotationActionsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_page.today = QDate(2026, 12, 7);
        m_page.open(u"铜管价格按钮"_qs, 2);
        m_page.type(u"编辑框0"_qs, u"60000"_qs);
        m_page.type(u"编辑框1"_qs, u"10"_qs);
        m_page.click(u"超级按钮1"_qs);
    }

    void cleanup() { m_page.close(); }

    void rightClickOpensMenu_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("quotationMenu");
        QTest::newRow("page picture, beside the rows") << u"图片框5"_qs << QPoint(700, 480) << true;
        QTest::newRow("total label") << u"透明标签10"_qs << QPoint(10, 10) << true;
        QTest::newRow("button") << u"超级按钮1"_qs << QPoint(10, 10) << true;
        QTest::newRow("edit box keeps its own menu") << u"编辑框1"_qs << QPoint(10, 10) << false;
    }

    void rightClickOpensMenu()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, point);
        QFETCH(bool, quotationMenu);

        QTest::mouseClick(m_page.find(control), Qt::RightButton, Qt::NoModifier, point);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QStringList entries;
        for (const QAction *action : menu->actions())
            entries << action->text() + u' ' + action->shortcut().toString();
        menu->close();
        const QStringList ours {u"复制结果 Ctrl+Shift+C"_qs, u"保存为图片… Ctrl+S"_qs,
            u"导出 PDF… Ctrl+Shift+S"_qs, u"打印… Ctrl+P"_qs, u" "_qs, u"加入报价单 Ctrl+Shift+A"_qs,
            u"打开报价单 Ctrl+Shift+O"_qs};
        QCOMPARE(entries == ours, quotationMenu);
        QCOMPARE(m_page.text(u"透明标签10"_qs), u"81.6"_qs);
    }

    void copyFromEditBox()
    {
        QTest::keyClick(m_page.find(u"编辑框1"_qs), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), Copper);
        QTextDocument document;
        document.setHtml(copied->html());
        auto *table = qobject_cast<QTextTable *>(document.rootFrame()->childFrames().value(0));
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->cellAt(1, 2).firstCursorPosition().block().text(), u"10"_qs);
        QCOMPARE(table->cellAt(1, 4).firstCursorPosition().block().text(), u"8.16 元"_qs);
        QCOMPARE(table->cellAt(1, 5).firstCursorPosition().block().text(), u"81.60 元"_qs);
    }

    void shortcutsOffOnOtherPages()
    {
        m_page.click(u"水管选择按钮"_qs);
        QGuiApplication::clipboard()->setText(u"before"_qs);
        m_page.savePath = [](const SaveRequest &) {
            QTest::qFail("dialog asked for", __FILE__, __LINE__);
            return QString();
        };
        QTest::keyClick(&m_page.window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(&m_page.window(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"before"_qs);
    }

    void save_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("picture") << Qt::KeyboardModifiers(Qt::ControlModifier) << u"png"_qs;
        QTest::newRow("PDF") << (Qt::ControlModifier | Qt::ShiftModifier) << u"pdf"_qs;
    }

    void save()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, suffix);

        const QTemporaryDir folder;
        const QString path = folder.filePath(u"报价."_qs + suffix);
        QList<SaveRequest> requests;
        m_page.savePath = [&](const SaveRequest &request) {
            requests << request;
            return path;
        };
        QTest::keyClick(m_page.find(u"编辑框0"_qs), Qt::Key_S, modifiers);

        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].proposedPath,
            QDir(PicturesDirectory()).filePath(u"铜管报价-2026-12-07."_qs + suffix));
        QCOMPARE(m_page.messages, QStringList());
        QCOMPARE(filesUnder(folder.path()), QStringList {QFileInfo(path).fileName()});

        if (suffix == u"png") {
            const QImage image(path);
            QCOMPARE(image.width(), 1280);
            QVERIFY(!testing::AllOf(image, Qt::white));
            QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
            return;
        }
        const QString info = popplerOutput(u"pdfinfo"_qs, {path});
        QVERIFY2(info.contains(QRegularExpression(u"Pages: +1\n"_qs)), qPrintable(info));
        QVERIFY2(info.contains(u"(A4)"_qs), qPrintable(info));
        const QString text = withoutSpaces(popplerOutput(u"pdftotext"_qs, {u"-layout"_qs, path, u"-"_qs}));
        for (const QString &line : Copper.split(u'\n'))
            QVERIFY2(text.contains(withoutSpaces(line)), qPrintable(line + u" in "_qs + text));
    }

    void writeFailure_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("file");
        QTest::newRow("picture") << Qt::KeyboardModifiers(Qt::ControlModifier) << u"报价.png"_qs;
        QTest::newRow("PDF") << (Qt::ControlModifier | Qt::ShiftModifier) << u"报价.pdf"_qs;
    }

    void writeFailure()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, file);

        const QTemporaryDir temporary;
        QVERIFY(QFile::setPermissions(temporary.path(), QFile::ReadOwner | QFile::ExeOwner));
        // Permissions do not stop root; the kernel's own folder refuses every new file.
        const QString folder = QFileInfo(temporary.path()).isWritable() ? u"/sys"_qs : temporary.path();
        const QString path = QDir(folder).filePath(file);
        m_page.savePath = [&path](const SaveRequest &) { return path; };
        QTest::keyClick(m_page.find(u"图片框5"_qs), Qt::Key_S, modifiers);
        QFile::setPermissions(temporary.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(m_page.messages.size(), 1);
        const QString prefix = u"无法保存文件 %1："_qs.arg(path);
        QVERIFY2(m_page.messages[0].startsWith(prefix) && m_page.messages[0].size() > prefix.size(),
            qPrintable(m_page.messages[0]));
        QCOMPARE(QDir(folder).entryList({u"报价*"_qs}, QDir::Files | QDir::Hidden), QStringList());
    }

    // The program's own dialog, answered as a user would: it leaves nothing on disk but the file
    // chosen, not even when cancelled.
    void realDialogWritesOnlyTheFile_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancelled") << false;
        QTest::newRow("saved") << true;
    }

    void realDialogWritesOnlyTheFile()
    {
        QFETCH(bool, accept);

        const QTemporaryDir home;
        const QByteArray homeBefore = qgetenv("HOME");
        for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            qputenv(variable, home.path().toUtf8());
        const QString path = home.filePath(u"报价.png"_qs);
        testing::WhenModalOpens<QFileDialog>([&](QFileDialog &dialog) {
            const QString title = dialog.windowTitle();
            const QString offered = dialog.directory().absolutePath();
            if (accept) {
                dialog.findChild<QLineEdit *>(u"fileNameEdit"_qs)->setText(path);
                QMetaObject::invokeMethod(&dialog, "accept");
            } else {
                dialog.reject();
            }
            QCOMPARE(title, u"保存为图片"_qs);
            // The folder offered is in the user's own home, not in the one HOME points to.
            QVERIFY(!offered.startsWith(home.path()));
        });
        QTest::keyClick(m_page.find(u"图片框5"_qs), Qt::Key_S, Qt::ControlModifier);
        qputenv("HOME", homeBefore);
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            qunsetenv(variable);

        QCOMPARE(filesUnder(home.path()), accept ? QStringList {u"报价.png"_qs} : QStringList());
        QCOMPARE(m_page.messages, QStringList());
    }

    void picturesFolderIsInTheAccountsHome_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("named folder") << true;
        QTest::newRow("named folder missing") << false;
    }

    // The desktop names the Pictures folder relative to HOME, which the program moves to its
    // private folder; the folder offered is still the one in the account's home.
    void picturesFolderIsInTheAccountsHome()
    {
        QFETCH(bool, exists);
        const QString accountHome = QDir::cleanPath(QFile::decodeName(getpwuid(getuid())->pw_dir));
        QTemporaryDir named(accountHome + u"/kalmoro-pictures-XXXXXX"_qs);
        if (!named.isValid())
            QSKIP("the account's home cannot be written");
        const QString name = QFileInfo(named.path()).fileName();
        if (!exists)
            named.remove();
        const QTemporaryDir movedHome;
        const QTemporaryDir config;
        QFile dirs(config.filePath(u"user-dirs.dirs"_qs));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_PICTURES_DIR=\"$HOME/" + name.toUtf8() + "\"\n");
        dirs.close();
        const QByteArray homeBefore = qgetenv("HOME");
        const QByteArray configBefore = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", movedHome.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString offered = PicturesDirectory();
        qputenv("HOME", homeBefore);
        if (configBefore.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", configBefore);

        QCOMPARE(offered, exists ? QDir::cleanPath(named.path()) : accountHome);
    }

    // Qt Print Support comes with the print plugin when the user first prints, not with the program.
    void printPluginLoadsOnFirstPrint()
    {
        QVERIFY(!printSupportLoaded());
        testing::WhenModalOpens<QDialog>([](QDialog &dialog) {
            QMetaObject::invokeMethod(&dialog, "reject");
            QVERIFY(dialog.inherits("QPrintDialog"));
            QCOMPARE(dialog.windowTitle(), u"打印"_qs);
        });
        QTest::keyClick(m_page.find(u"图片框5"_qs), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(printSupportLoaded());
        QCOMPARE(m_page.messages, QStringList());
    }

    void print_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("printed") << QString() << QStringList();
        QTest::newRow("printer fails") << u"缺纸"_qs << QStringList {u"无法打印：缺纸"_qs};
    }

    void print()
    {
        QFETCH(QString, failure);
        QFETCH(QStringList, messages);

        RecordingPrinter printer;
        printer.failure = failure;
        m_page.printer = &printer;
        QTest::keyClick(m_page.find(u"编辑框1"_qs), Qt::Key_P, Qt::ControlModifier);

        QCOMPARE(printer.documents, QStringList {u"铜管报价-2026-12-07"_qs});
        QCOMPARE(printer.page.pixelColor(printer.page.width() / 2, 0), QColor(Qt::white));
        QCOMPARE(printer.page.pixelColor(0, printer.page.height() - 1), QColor(Qt::gray));
        QCOMPARE(m_page.messages, messages);
    }

    // What leaves the program is money to the fen that adds up: every amount and total of a sheet
    // reads 0.00, its lines add up to its total, and the PDF exported and the one printed to a file
    // through the real print dialog read as the copied text, character for character (no radical
    // forms for 米, 风, 长 or 方, every digit of a model number).
    void sheets_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("total");
        QTest::newRow("refrigerant") << u"加氟计算按钮"_qs << 1
                                     << QStringList {"格力加氟", "二百五", "室内机总量=26.25", "室内机台数=4",
                                            "六=10", "十=7"}
                                     << u"所需加氟量：2.60 KG"_qs;
        QTest::newRow("copper, the lines at the market price with its margin")
            << u"铜管价格按钮"_qs << 2
            << QStringList {"编辑框0=71230", "编辑框1=15", "编辑框3=8.5", "编辑框5=2.2", "编辑框7=1"}
            << u"合计：329.65 元"_qs;
        QTest::newRow("vent, both halves")
            << u"风口价格按钮"_qs << 4 << QStringList {"出风长=2.5", "出风宽=0.2", "回风长=1", "回风宽=0.3"}
            << u"合计：236.93 元"_qs;
    }

    void sheets()
    {
        QFETCH(QString, entry);
        QFETCH(int, pageIndex);
        QFETCH(QStringList, steps);
        QFETCH(QString, total);

        m_page.close();
        m_page.open(entry, pageIndex);
        m_page.run(steps);
        QWidget *box = QApplication::focusWidget();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString sheet = QGuiApplication::clipboard()->text();
        const QStringList lines = sheet.split(u'\n');
        QCOMPARE(lines.last(), total);

        // The amounts are the last cells of the rows under the table's captions, in the total's unit.
        const QString unit = total.section(u' ', -1);
        const QRegularExpression money(u"^-?[0-9]+\\.[0-9]{2}$"_qs);
        qint64 sum = 0;
        for (const QString &line : lines.mid(lines.indexOf(QRegularExpression(u".*\t.*"_qs)) + 1)) {
            const bool row = line.contains(u'\t');
            const QString amount = row ? line.section(u'\t', -1) : line.section(u'：', -1);
            if (!amount.endsWith(u' ' + unit))
                continue;
            const QString number = amount.chopped(unit.size() + 1);
            QVERIFY2(money.match(number).hasMatch(), qPrintable(line));
            if (row)
                sum += qRound64(number.toDouble() * 100);
        }
        QCOMPARE(sum, qRound64(total.section(u'：', 1).chopped(unit.size() + 1).toDouble() * 100));

        const QTemporaryDir folder;
        const QString exported = folder.filePath(u"报价.pdf"_qs);
        m_page.savePath = [&exported](const SaveRequest &) { return exported; };
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        const QString printed = folder.filePath(u"打印.pdf"_qs);
        testing::WhenModalOpens<QDialog>([&printed](QDialog &dialog) {
            auto *printers = dialog.findChild<QComboBox *>(u"printers"_qs);
            printers->setCurrentIndex(printers->count() - 1);
            dialog.findChild<QLineEdit *>(u"filename"_qs)->setText(printed);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        QTest::keyClick(box, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_page.messages, QStringList());
        for (const QString &path : {exported, printed}) {
            const QString text = popplerOutput(u"pdftotext"_qs, {u"-layout"_qs, path, u"-"_qs});
            QVERIFY2(!text.isEmpty(), qPrintable(path));
            QCOMPARE(withoutSpaces(text), withoutSpaces(sheet));
        }
    }

private:
    testing::PageDriver m_page;
};

QTEST_MAIN(QuotationActionsTest)
#include "test_quotationactions.moc"
