#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>

#include "pagetesting.h"
#include "platform.h"
#include "privatefolder.h"

using namespace kalmoro;

namespace {

const QStringList Places {u"Desktop"_qs, u"Documents"_qs, u"Pictures"_qs, u"Downloads"_qs};

// The folder the engine's files go to, which the program removes when it ends: HOME points to it.
QString privateFolder()
{
    return QFileInfo(QDir::homePath()).canonicalFilePath();
}

QString canonicalFolder(const QString &file)
{
    return QFileInfo(file).absoluteDir().canonicalPath();
}

} // namespace

// Quotations saved and printed through the real dialogs while the program's private folder is in
// place, as it is when the program runs: HOME points to the private folder, and the desktop names
// its folders relative to HOME. A kept file lands in the account's own folders, never in the
// private folder that goes at exit; a target inside it is refused.
class KeptFilesTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!privateFolder().isEmpty() && privateFolder() != platform::AccountHome(),
            "the private folder is in place");
        // The desktop's folders in a folder of the account's home, named relative to HOME as a
        // desktop writes them.
        m_places = std::make_unique<QTemporaryDir>(platform::AccountHome() + u"/kalmoro-places-XXXXXX"_qs);
        if (!m_places->isValid())
            QSKIP("the account's home cannot be written");
        const QString name = QFileInfo(m_places->path()).fileName();
        QFile dirs(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(u"user-dirs.dirs"_qs));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        for (const QString &place : Places) {
            QVERIFY(QDir(m_places->path()).mkdir(place));
            const QString key = place == u"Downloads" ? u"DOWNLOAD"_qs : place.toUpper();
            dirs.write(u"XDG_%1_DIR=\"$HOME/%2/%3\"\n"_qs.arg(key, name, place).toUtf8());
        }
        dirs.close();
        QVERIFY(QFile::link(privateFolder(), m_places->filePath(u"link"_qs)));
    }

    void cleanup()
    {
        m_page.close();
        if (!m_written.isEmpty())
            QFile::remove(m_written);
    }

    void target_data()
    {
        QTest::addColumn<QString>("keys"); // "save" (Ctrl+S) or "print" (Ctrl+P)
        QTest::addColumn<int>("sidebarEntry"); // clicked before accepting, -1 for none
        QTest::addColumn<QString>("typed"); // replaces the offered name, empty to keep it
        // Where the file must be: "~" the account's home, "." the folder of the desktop's folders,
        // else one of them; empty when refused.
        QTest::addColumn<QString>("folder");

        const QString pictures = u"Pictures"_qs;
        QTest::newRow("save, offered") << u"save"_qs << -1 << QString() << pictures;
        QTest::newRow("save, sidebar home") << u"save"_qs << 0 << QString() << u"~"_qs;
        for (int entry = 1; entry <= Places.size(); ++entry) {
            QTest::addRow("save, sidebar %s", qPrintable(Places[entry - 1]))
                << u"save"_qs << entry << QString() << Places[entry - 1];
        }
        QTest::newRow("save, typed ~/") << u"save"_qs << -1 << u"~/{places}/波浪号.png"_qs << u"."_qs;
        QTest::newRow("save, typed into the private folder")
            << u"save"_qs << -1 << u"{private}/报价.png"_qs << QString();
        QTest::newRow("save, typed through a link into the private folder")
            << u"save"_qs << -1 << u"{places}/link/报价.png"_qs << QString();
        QTest::newRow("print to file, offered") << u"print"_qs << -1 << QString() << pictures;
        QTest::newRow("print to file, typed into the private folder")
            << u"print"_qs << -1 << u"{private}/报价.pdf"_qs << QString();
    }

    void target()
    {
        QFETCH(QString, keys);
        QFETCH(int, sidebarEntry);
        QFETCH(QString, typed);
        QFETCH(QString, folder);

        const QString home = platform::AccountHome();
        typed.replace(u"~/{places}"_qs, u"~/"_qs + QDir(home).relativeFilePath(m_places->path()))
            .replace(u"{places}"_qs, m_places->path())
            .replace(u"{private}"_qs, privateFolder());
        const QString expectedFolder = folder == u"~" ? home
            : folder.isEmpty()                        ? QString()
                                                      : QDir(m_places->path()).filePath(folder);

        m_page.today = QDate(2026, 12, 7);
        m_page.open(u"铜管价格按钮"_qs, 2);
        m_page.type(u"编辑框0"_qs, u"60000"_qs);
        QStringList sidebar;
        QString offered;
        if (keys == u"save") {
            testing::WhenModalOpens<QFileDialog>([&](QFileDialog &dialog) {
                offered = dialog.directory().absolutePath();
                for (const QUrl &url : dialog.sidebarUrls())
                    sidebar << url.toLocalFile();
                if (sidebarEntry >= 0) {
                    auto *list = dialog.findChild<QListView *>(u"sidebar"_qs);
                    const QRect entry = list->visualRect(list->model()->index(sidebarEntry, 0));
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
                }
                if (!typed.isEmpty())
                    dialog.findChild<QLineEdit *>(u"fileNameEdit"_qs)->setText(typed);
                QMetaObject::invokeMethod(&dialog, "accept");
            });
            QTest::keyClick(m_page.find(u"编辑框1"_qs), Qt::Key_S, Qt::ControlModifier);
        } else {
            testing::WhenModalOpens<QDialog>([&](QDialog &dialog) {
                // Printing to a file is the last choice of printers, and the only one without any.
                auto *printers = dialog.findChild<QComboBox *>(u"printers"_qs);
                printers->setCurrentIndex(printers->count() - 1);
                auto *file = dialog.findChild<QLineEdit *>(u"filename"_qs);
                offered = QFileInfo(file->text()).absolutePath();
                testing::WhenModalOpens<QFileDialog>([&](QFileDialog &chooser) {
                    for (const QUrl &url : chooser.sidebarUrls())
                        sidebar << url.toLocalFile();
                    chooser.reject();
                });
                dialog.findChild<QAbstractButton *>(u"fileBrowser"_qs)->click();
                if (!typed.isEmpty())
                    file->setText(typed);
                QMetaObject::invokeMethod(&dialog, "accept");
            });
            QTest::keyClick(m_page.find(u"编辑框1"_qs), Qt::Key_P, Qt::ControlModifier);
        }

        QCOMPARE(offered, QDir(m_places->path()).filePath(u"Pictures"_qs));
        // The print dialog's file chooser lists the same places.
        QStringList places {home};
        for (const QString &place : Places)
            places << QDir(m_places->path()).filePath(place);
        QCOMPARE(sidebar, places);
        const QString suffix = keys == u"save" ? u".png"_qs : u".pdf"_qs;
        const QString name
            = typed.isEmpty() ? u"铜管报价-2026-12-07"_qs + suffix : QFileInfo(typed).fileName();
        if (expectedFolder.isEmpty()) {
            QCOMPARE(m_page.messages.size(), 1);
            QVERIFY2(m_page.messages[0].contains(u"不能保存到 "_qs), qPrintable(m_page.messages[0]));
            QCOMPARE(QDir(privateFolder()).entryList({name}, QDir::Files), QStringList());
            return;
        }
        m_written = QDir(expectedFolder).filePath(name);
        QCOMPARE(m_page.messages, QStringList());
        QVERIFY2(QFileInfo(m_written).size() > 0, qPrintable(m_written));
        QVERIFY(!canonicalFolder(m_written).startsWith(privateFolder()));
    }

private:
    std::unique_ptr<QTemporaryDir> m_places;
    QString m_written;
    testing::PageDriver m_page;
};

int main(int argc, char *argv[])
{
    // As the program does before its application exists: the engine's files, and with them HOME,
    // move to the private folder. The desktop's folder names are read from a folder of the test's.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    platform::UsePrivateFolder();
    QApplication application(argc, argv);
    KeptFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_keptfiles.moc"
