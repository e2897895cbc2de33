#include "shelltesting.h"

#include "message.h"

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
};

QTEST_MAIN(MessageTest)
#include "test_message.moc"
