#include <QMenu>

#include "message.h"
#include "shelltesting.h"
#include "startprogram.h"
#include "widgets/editbox.h"

using namespace kalmoro;

class MessageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hookTakesTheMessages()
    {
        QStringList shown;
        const MessageHook previous = SetMessageHook([&](const QString &text) {
            shown << text;
            // A hook may replace itself while it runs.
            SetMessageHook([&](const QString &text) { shown << u"then "_qs + text; });
        });
        ShowMessage(u"铜价过低，请检查......"_qs);
        ShowMessage(u"配比率过小，请选择合适的室外机！"_qs);
        QVERIFY(SetMessageHook(previous));
        QCOMPARE(shown,
            (QStringList { u"铜价过低，请检查......"_qs, u"then 配比率过小，请选择合适的室外机！"_qs }));
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
