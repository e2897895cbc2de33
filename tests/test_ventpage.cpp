#include <memory>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "calc/message.h"
#include "shell/fonts.h"
#include "shell/startprogram.h"
#include "shell/widgets/pagetab.h"

using namespace kalmoro;

namespace {

// One half of the page: its two fields, its button and the label that shows its price.
struct Half {
    QString length;
    QString width;
    QString button;
    QString label;
    QString caption; // the label's text before any calculation
};

const Half Outlet { u"出风长"_qs, u"出风宽"_qs, u"出风口计算"_qs, u"出风口价格"_qs, u"出风口价格"_qs };
const Half Return { u"回风长"_qs, u"回风宽"_qs, u"回风口计算"_qs, u"回风口价格"_qs, u"回风口价格"_qs };

} // namespace

// Drives the air vent page of the real window with mouse clicks and keystrokes.
class VentPageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startsEmpty();
    void price_data();
    void price();
    void typingComputesNothing();
    void halvesAreIndependent();
    void resultStaysUntilPressedAgain();

private:
    template <typename T = QWidget> T *find(const QString &name) const;
    QString text(const QString &name) const;
    void click(const QString &name);
    void type(const QString &box, const QString &text);

    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;
};

template <typename T> T *VentPageTest::find(const QString &name) const
{
    T *control = m_window->control<T>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}

QString VentPageTest::text(const QString &name) const
{
    return find(name)->property("text").toString();
}

void VentPageTest::click(const QString &name)
{
    QWidget *control = find(name);
    QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

// Replaces the box's content as a user does: click into it, select all, delete, type. Characters a
// keyboard does not have (full-width forms) arrive as an input method commits them.
void VentPageTest::type(const QString &box, const QString &text)
{
    auto *edit = find<QLineEdit>(box);
    click(box);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(edit, character.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(character);
            QApplication::sendEvent(edit, &commit);
        }
    }
    QCOMPARE(edit->text(), text);
}

void VentPageTest::initTestCase()
{
    QApplication::setFont(UiFont());
}

void VentPageTest::init()
{
    m_messages.clear();
    SetMessageHook([this](const QString &message) { m_messages << message; });
    m_window = CreateMainWindow();
    QVERIFY(m_window);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    click(u"风口价格按钮"_qs);
    QCOMPARE(find<PageTab>(u"高级选择夹1"_qs)->currentPage(), 4);
}

void VentPageTest::cleanup()
{
    m_window.reset();
    SetMessageHook({});
}

void VentPageTest::startsEmpty()
{
    for (const Half &half : { Outlet, Return }) {
        QCOMPARE(text(half.length), QString());
        QCOMPARE(text(half.width), QString());
        QCOMPARE(text(half.label), half.caption);
    }
}

void VentPageTest::price_data()
{
    QTest::addColumn<bool>("returnVent");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("price");

    QTest::newRow("outlet, both empty") << false << QString() << QString() << u"15.12"_qs;
    QTest::newRow("outlet, short") << false << u"1"_qs << u"0.2"_qs << u"47.52"_qs;
    QTest::newRow("outlet, 2 m is still short") << false << u"2"_qs << u"0.2"_qs << u"79.92"_qs;
    QTest::newRow("outlet, within tolerance of 2 m")
        << false << u"2.00000005"_qs << u"0.2"_qs << u"79.92000162"_qs;
    QTest::newRow("outlet, price jumps past 2 m") << false << u"2.001"_qs << u"0.2"_qs << u"116.21808"_qs;
    QTest::newRow("outlet, long") << false << u"2.5"_qs << u"0.2"_qs << u"145.2"_qs;
    QTest::newRow("outlet, long and narrow") << false << u"3"_qs << u"0.15"_qs << u"144.54"_qs;
    QTest::newRow("outlet, full-width length") << false << u"２．５"_qs << u"0.2"_qs << u"145.2"_qs;
    QTest::newRow("outlet, unit after number") << false << u"1米"_qs << u"0.2m"_qs << u"47.52"_qs;
    QTest::newRow("outlet, negative length") << false << u"-1"_qs << u"0.2"_qs << u"-17.28"_qs;

    QTest::newRow("return, both empty") << true << QString() << QString() << u"15.12"_qs;
    QTest::newRow("return, short") << true << u"1"_qs << u"0.3"_qs << u"91.728"_qs;
    QTest::newRow("return, 2 m is still short") << true << u"2"_qs << u"0.2"_qs << u"117.264"_qs;
    QTest::newRow("return, price jumps past 2 m") << true << u"2.001"_qs << u"0.2"_qs << u"157.614768"_qs;
    QTest::newRow("return, long") << true << u"3"_qs << u"0.2"_qs << u"236.304"_qs;
    QTest::newRow("return, long 2.5 m") << true << u"2.5"_qs << u"0.2"_qs << u"196.92"_qs;
    QTest::newRow("return, full-width length") << true << u"２．５"_qs << u"0.2"_qs << u"196.92"_qs;
    QTest::newRow("return, negative length") << true << u"-1"_qs << u"0.3"_qs << u"-61.488"_qs;
}

void VentPageTest::price()
{
    QFETCH(bool, returnVent);
    QFETCH(QString, length);
    QFETCH(QString, width);
    QFETCH(QString, price);

    const Half &half = returnVent ? Return : Outlet;
    const Half &other = returnVent ? Outlet : Return;
    type(half.length, length);
    type(half.width, width);
    click(half.button);

    QCOMPARE(text(half.label), price);
    QCOMPARE(text(half.length), length);
    QCOMPARE(text(half.width), width);
    QCOMPARE(text(other.label), other.caption);
    // The page warns about nothing, not even a negative or empty size.
    QCOMPARE(m_messages, QStringList());
}

void VentPageTest::typingComputesNothing()
{
    for (const Half &half : { Outlet, Return }) {
        type(half.length, u"1"_qs);
        type(half.width, u"0.3"_qs);
        QCOMPARE(text(half.label), half.caption);
    }
}

// Each button reads only its own fields and writes only its own label.
void VentPageTest::halvesAreIndependent()
{
    type(Outlet.length, u"1"_qs);
    type(Outlet.width, u"0.2"_qs);
    type(Return.length, u"3"_qs);
    type(Return.width, u"0.2"_qs);
    click(Outlet.button);
    QCOMPARE(text(Outlet.label), u"47.52"_qs);
    QCOMPARE(text(Return.label), Return.caption);

    click(Return.button);
    QCOMPARE(text(Return.label), u"236.304"_qs);
    QCOMPARE(text(Outlet.label), u"47.52"_qs);

    type(Outlet.length, u"2.5"_qs);
    click(Outlet.button);
    QCOMPARE(text(Outlet.label), u"145.2"_qs);
    QCOMPARE(text(Return.label), u"236.304"_qs);
}

void VentPageTest::resultStaysUntilPressedAgain()
{
    type(Outlet.length, u"1"_qs);
    type(Outlet.width, u"0.2"_qs);
    click(Outlet.button);
    type(Outlet.length, u"2"_qs);
    click(u"铜管价格按钮"_qs);
    click(u"风口价格按钮"_qs);
    QCOMPARE(text(Outlet.label), u"47.52"_qs);
    QCOMPARE(text(Outlet.length), u"2"_qs);
    click(Outlet.button);
    QCOMPARE(text(Outlet.label), u"79.92"_qs);
}

QTEST_MAIN(VentPageTest)
#include "test_ventpage.moc"
