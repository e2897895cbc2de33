#include <QMenu>

#include "layoutnotes.h"
#include "message.h"
#include "pages/aboutpage.h"
#include "shelltesting.h"
#include "startprogram.h"
#include "widgets/editbox.h"
#include "widgets/pagetab.h"

using namespace kalmoro;
using kalmoro::testing::Text;

class MessageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The box holds back every click on the window until the user closes it.
    void boxBlocksTheWindowUntilClosed()
    {
        const std::unique_ptr<MainWindow> window = testing::ShowProgramWindow();
        QVERIFY(window);
        auto *pages = window->control<PageTab>(Text(layoutnotes::kMainTab));
        QWidget *entry = window->control(Text(kAboutUnit.entry->button));
        QVERIFY(pages && entry);
        int pageWhileOpen = -1;
        testing::WhenMessageBoxOpens([&](QMessageBox &box) {
            QTest::mouseClick(entry, Qt::LeftButton);
            pageWhileOpen = pages->currentPage();
            QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
        });
        ShowMessage(u"铜价过低，请检查......"_qs);

        QCOMPARE(pageWhileOpen, 0);
        QTest::mouseClick(entry, Qt::LeftButton);
        QVERIFY(pages->currentPage() != 0);
    }

    void boxWithOneOkButton()
    {
        bool seen = false;
        testing::WhenMessageBoxOpens([&seen](QMessageBox &box) {
            seen = true;
            QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
            QCOMPARE(box.windowTitle(), u"信息："_qs);
            QCOMPARE(box.text(), u"铜价过低，请检查......"_qs);
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            QCOMPARE(box.buttons().size(), 1);
            QCOMPARE(box.standardButtons(), QMessageBox::Ok);
            QCOMPARE(box.windowModality(), Qt::ApplicationModal);
            QCOMPARE(box.parentWidget(), nullptr);
        });
        ShowMessage(u"铜价过低，请检查......"_qs);

        QVERIFY(seen);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // Qt's own texts are Chinese once the program has set itself up, whatever the desktop's language.
    void qtSpeaksChinese()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SetUpApplication();

        QString okText;
        testing::WhenMessageBoxOpens([&okText](QMessageBox &box) {
            okText = box.button(QMessageBox::Ok)->text();
            box.accept();
        });
        ShowMessage(u"铜价过低，请检查......"_qs);
        QCOMPARE(okText, u"确定"_qs);

        EditBox box;
        box.setText(u"68000"_qs);
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        int actions = 0;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            ++actions;
            const QString words = action->text().section(u'\t', 0, 0);
            const bool chinese = std::any_of(
                words.begin(), words.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
            QVERIFY2(chinese, qPrintable(action->text()));
        }
        QCOMPARE(actions, 7);
        // The browser engine takes its language from here.
        QCOMPARE(QLocale().name(), u"zh_CN"_qs);
    }
};

QTEST_MAIN(MessageTest)
#include "test_message.moc"
