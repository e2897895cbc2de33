#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "calc/message.h"

using namespace kalmoro;

namespace {

enum class Closing { OkButton, EnterKey, EscapeKey, CloseBox };

// What the box looked like while it was open.
struct Seen {
    bool found = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QList<QAbstractButton *> buttons;
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget *parent = nullptr;
};

// Looks at the open box and closes it the given way; tries again until the box is up.
void InspectAndClose(Seen &seen, Closing closing)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box) {
        QTimer::singleShot(10, [&seen, closing] { InspectAndClose(seen, closing); });
        return;
    }
    seen.found = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttons = box->buttons();
    seen.button = box->standardButton(seen.buttons.value(0));
    seen.modality = box->windowModality();
    seen.parent = box->parentWidget();
    switch (closing) {
    case Closing::OkButton:
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        break;
    case Closing::EnterKey:
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case Closing::EscapeKey:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case Closing::CloseBox:
        box->close();
        break;
    }
}

} // namespace

class MessageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hookReceivesText();
    void hookMayReplaceItself();
    void box_data();
    void box();
};

void MessageTest::hookReceivesText()
{
    QStringList shown;
    const MessageHook previous = SetMessageHook([&](const QString &text) { shown << text; });
    ShowMessage(u"铜价过低，请检查......"_qs);
    ShowMessage(u"配比率过小，请选择合适的室外机！"_qs);
    const MessageHook mine = SetMessageHook(previous);
    QVERIFY(mine);
    QCOMPARE(shown, (QStringList { u"铜价过低，请检查......"_qs, u"配比率过小，请选择合适的室外机！"_qs }));
}

void MessageTest::hookMayReplaceItself()
{
    int calls = 0;
    const MessageHook previous = SetMessageHook([&](const QString &) {
        ++calls;
        SetMessageHook([&](const QString &) { calls += 10; });
    });
    ShowMessage(u"a"_qs);
    ShowMessage(u"b"_qs);
    SetMessageHook(previous);
    QCOMPARE(calls, 11);
}

void MessageTest::box_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::newRow("OK button") << Closing::OkButton;
    QTest::newRow("Enter key") << Closing::EnterKey;
    QTest::newRow("Esc key") << Closing::EscapeKey;
    QTest::newRow("close box") << Closing::CloseBox;
}

void MessageTest::box()
{
    QFETCH(Closing, closing);
    Seen seen;
    QTimer::singleShot(0, [&seen, closing] { InspectAndClose(seen, closing); });
    ShowMessage(u"铜价过低，请检查......"_qs);

    QVERIFY(seen.found);
    QCOMPARE(seen.title, u"信息："_qs);
    QCOMPARE(seen.text, u"铜价过低，请检查......"_qs);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons.size(), 1);
    QCOMPARE(seen.button, QMessageBox::Ok);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QCOMPARE(seen.parent, nullptr);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(MessageTest)
#include "test_message.moc"
