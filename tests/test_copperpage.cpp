#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "calc/message.h"
#include "shell/fonts.h"
#include "shell/startprogram.h"
#include "shell/widgets/pagetab.h"
#include "shell/widgets/transparentlabel.h"

using namespace kalmoro;

namespace {

const QString LowPrice = u"铜价过低，请检查......"_qs;
const QString Futures = u"编辑框0"_qs;
const QString Total = u"透明标签10"_qs;

// Row 1 to 13, top to bottom.
QStringList MetresBoxes()
{
    QStringList names;
    for (int row = 0; row < 13; ++row)
        names << u"编辑框%1"_qs.arg(2 * row + 1);
    return names;
}

QStringList PriceBoxes()
{
    QStringList names;
    for (int row = 0; row < 13; ++row)
        names << u"编辑框%1"_qs.arg(2 * row + 2);
    return names;
}

const QStringList PricesAt60000
    = { "6.8", "9.2", "14", "20.4", "26.4", "37.5", "41.85", "47.4", "57", "73.5", "82.5", "93", "112.5" };

} // namespace

// Drives the copper pipe page of the real window with mouse clicks and keystrokes.
class CopperPageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startsEmpty();
    void marketPrices_data();
    void marketPrices();
    void everyKeystrokeRefreshes();
    void pasteAndDeleteRefresh();
    void total_data();
    void total();
    void warningComesBeforeTotal();
    void clearKeepsPrices();
    void handTypedPriceCounts();
    void textsSurvivePageSwitch();
    void totalNeverShownCut_data();
    void totalNeverShownCut();

private:
    template <typename T = QWidget> T *find(const QString &name) const;
    QString text(const QString &name) const;
    QStringList texts(const QStringList &names) const;
    void click(const QString &name);
    void type(const QString &box, const QString &text);

    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;
};

template <typename T> T *CopperPageTest::find(const QString &name) const
{
    T *control = m_window->control<T>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}

QString CopperPageTest::text(const QString &name) const
{
    return find(name)->property("text").toString();
}

QStringList CopperPageTest::texts(const QStringList &names) const
{
    QStringList result;
    for (const QString &name : names)
        result << text(name);
    return result;
}

void CopperPageTest::click(const QString &name)
{
    QWidget *control = find(name);
    QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

// Replaces the box's content as a user does: click into it, select all, delete, type. Characters a
// keyboard does not have (full-width forms, Chinese) arrive as an input method commits them.
void CopperPageTest::type(const QString &box, const QString &text)
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

void CopperPageTest::initTestCase()
{
    QApplication::setFont(UiFont());
}

void CopperPageTest::init()
{
    m_messages.clear();
    SetMessageHook([this](const QString &message) { m_messages << message; });
    m_window = CreateMainWindow();
    QVERIFY(m_window);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    click(u"铜管价格按钮"_qs);
    QCOMPARE(find<PageTab>(u"高级选择夹1"_qs)->currentPage(), 2);
}

void CopperPageTest::cleanup()
{
    m_window.reset();
    SetMessageHook({});
}

void CopperPageTest::startsEmpty()
{
    QCOMPARE(text(Futures), QString());
    QCOMPARE(texts(MetresBoxes()), QStringList(13));
    QCOMPARE(texts(PriceBoxes()), QStringList(13));
    QCOMPARE(text(Total), u"铜管价格"_qs);
}

void CopperPageTest::marketPrices_data()
{
    QTest::addColumn<QString>("futures");
    QTest::addColumn<QStringList>("prices");
    QTest::newRow("60000") << u"60000"_qs << PricesAt60000;
    QTest::newRow("full-width digits") << u"６００００"_qs << PricesAt60000;
    QTest::newRow("unit after number") << u"60000元"_qs << PricesAt60000;
    QTest::newRow("not a number") << u"abc"_qs << QStringList(13, u"0"_qs);
    QTest::newRow("negative") << u"-60000"_qs
                              << QStringList { "-6.8", "-9.2", "-14", "-20.4", "-26.4", "-37.5", "-41.85",
                                     "-47.4", "-57", "-73.5", "-82.5", "-93", "-112.5" };
    QTest::newRow("overflow") << u"1e400"_qs << QStringList(13, u"1.#INF"_qs);
}

void CopperPageTest::marketPrices()
{
    QFETCH(QString, futures);
    QFETCH(QStringList, prices);

    type(Futures, futures);
    QCOMPARE(texts(PriceBoxes()), prices);
    QCOMPARE(texts(MetresBoxes()), QStringList(13));
    QCOMPARE(text(Total), u"铜管价格"_qs);
    QCOMPARE(m_messages, QStringList());
}

void CopperPageTest::everyKeystrokeRefreshes()
{
    // Rows 1 (k 1.7, n 15) and 13 (k 7.5, n 4) after each digit of 60000.
    const struct {
        QString row1;
        QString row13;
    } afterKey[] = { { u"0.00068"_qs, u"0.01125"_qs }, { u"0.0068"_qs, u"0.1125"_qs },
        { u"0.068"_qs, u"1.125"_qs }, { u"0.68"_qs, u"11.25"_qs }, { u"6.8"_qs, u"112.5"_qs } };
    auto *edit = find<QLineEdit>(Futures);
    click(Futures);
    const QString digits = u"60000"_qs;
    for (qsizetype key = 0; key < digits.size(); ++key) {
        QTest::keyClick(edit, digits[key].toLatin1());
        QCOMPARE(text(PriceBoxes().first()), afterKey[key].row1);
        QCOMPARE(text(PriceBoxes().last()), afterKey[key].row13);
    }
    QCOMPARE(texts(PriceBoxes()), PricesAt60000);

    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(text(PriceBoxes().first()), u"0.68"_qs);
    QCOMPARE(text(PriceBoxes().last()), u"11.25"_qs);
}

void CopperPageTest::pasteAndDeleteRefresh()
{
    auto *edit = find<QLineEdit>(Futures);
    QGuiApplication::clipboard()->setText(u"68000"_qs);
    click(Futures);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), u"68000"_qs);
    QCOMPARE(text(u"编辑框2"_qs), u"7.706666666667"_qs);
    QCOMPARE(text(u"编辑框4"_qs), u"10.42666666667"_qs);

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(texts(PriceBoxes()), QStringList(13, u"0"_qs));
}

void CopperPageTest::total_data()
{
    QTest::addColumn<QString>("futures");
    QTest::addColumn<QStringList>("metres");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    const QStringList warning { LowPrice };
    QTest::newRow("68000, 10 m each") << u"68000"_qs << QStringList(13, u"10"_qs) << u"8459.88"_qs << none;
    QTest::newRow("10000 takes no warning") << u"10000"_qs << QStringList(13) << u"0"_qs << none;
    QTest::newRow("within tolerance of 10000") << u"9999.99999995"_qs << QStringList(13) << u"0"_qs << none;
    QTest::newRow("9999 warns, total still written") << u"9999"_qs << QStringList(13) << u"0"_qs << warning;
    QTest::newRow("empty futures price warns")
        << QString() << QStringList(13, u"10"_qs) << u"0"_qs << warning;
    QTest::newRow("only row 13") << u"60000"_qs << QStringList(12) + QStringList { u"2"_qs } << u"270"_qs
                                 << none;
    QTest::newRow("negative metres taken as is")
        << u"60000"_qs << QStringList { u"-10"_qs } + QStringList(12) << u"-81.6"_qs << none;
    // Prices shown as "1.#INF" read back as 1 per metre.
    QTest::newRow("overflowing futures price")
        << u"1e400"_qs << QStringList(13, u"10"_qs) << u"156"_qs << none;
}

void CopperPageTest::total()
{
    QFETCH(QString, futures);
    QFETCH(QStringList, metres);
    QFETCH(QString, total);
    QFETCH(QStringList, messages);

    type(Futures, futures);
    for (qsizetype row = 0; row < metres.size(); ++row)
        type(MetresBoxes()[row], metres[row]);
    const QStringList prices = texts(PriceBoxes());
    click(u"超级按钮1"_qs);

    QCOMPARE(text(Total), total);
    QCOMPARE(m_messages, messages);
    QCOMPARE(texts(MetresBoxes()), metres);
    QCOMPARE(texts(PriceBoxes()), prices);
    QCOMPARE(text(Futures), futures);
}

void CopperPageTest::warningComesBeforeTotal()
{
    type(Futures, u"9999"_qs);
    type(MetresBoxes().first(), u"10"_qs);
    QString totalWhileWarned;
    SetMessageHook([&](const QString &message) {
        m_messages << message;
        totalWhileWarned = text(Total);
    });
    click(u"超级按钮1"_qs);
    QCOMPARE(m_messages, QStringList { LowPrice });
    QCOMPARE(totalWhileWarned, u"铜管价格"_qs);
    QCOMPARE(text(Total), u"13.59864"_qs);
}

void CopperPageTest::clearKeepsPrices()
{
    type(Futures, u"60000"_qs);
    for (const QString &box : MetresBoxes())
        type(box, u"10"_qs);
    click(u"超级按钮1"_qs);
    QCOMPARE(text(Total), u"7464.6"_qs);

    click(u"超级按钮3"_qs);
    QCOMPARE(text(Total), u"0"_qs);
    QCOMPARE(texts(MetresBoxes()), QStringList(13));
    QCOMPARE(texts(PriceBoxes()), PricesAt60000);
    QCOMPARE(text(Futures), u"60000"_qs);

    click(u"超级按钮1"_qs);
    QCOMPARE(text(Total), u"0"_qs);
    QCOMPARE(m_messages, QStringList());
}

void CopperPageTest::handTypedPriceCounts()
{
    type(Futures, u"60000"_qs);
    type(u"编辑框2"_qs, u"5"_qs);
    type(u"编辑框1"_qs, u"10"_qs);
    click(u"超级按钮1"_qs);
    QCOMPARE(text(Total), u"60"_qs);
    QCOMPARE(text(u"编辑框2"_qs), u"5"_qs);
    QCOMPARE(m_messages, QStringList());
}

void CopperPageTest::textsSurvivePageSwitch()
{
    type(Futures, u"60000"_qs);
    type(u"编辑框25"_qs, u"2"_qs);
    click(u"超级按钮1"_qs);
    click(u"风口价格按钮"_qs);
    click(u"铜管价格按钮"_qs);
    QCOMPARE(text(Futures), u"60000"_qs);
    QCOMPARE(texts(PriceBoxes()), PricesAt60000);
    QCOMPARE(text(u"编辑框25"_qs), u"2"_qs);
    QCOMPARE(text(Total), u"270"_qs);
}

void CopperPageTest::totalNeverShownCut_data()
{
    QTest::addColumn<QString>("metres");
    QTest::addColumn<QString>("total");
    QTest::newRow("short total") << u"10"_qs << u"8459.88"_qs;
    QTest::newRow("long total") << u"123456.789"_qs << u"104442962.0125"_qs;
    QTest::newRow("exponent form") << u"1e12"_qs << u"8.45988e+014"_qs;
}

void CopperPageTest::totalNeverShownCut()
{
    QFETCH(QString, metres);
    QFETCH(QString, total);

    auto *label = find<TransparentLabel>(Total);
    const QFont layoutFont = label->font();
    type(Futures, u"68000"_qs);
    for (const QString &box : MetresBoxes())
        type(box, metres);
    click(u"超级按钮1"_qs);

    QCOMPARE(label->text(), total);
    const QFont drawn = label->drawnFont();
    QVERIFY2(QFontMetrics(drawn).horizontalAdvance(total) <= label->width(),
        qPrintable(
            u"%1 px at %2 px"_qs.arg(QFontMetrics(drawn).horizontalAdvance(total)).arg(drawn.pixelSize())));
    QCOMPARE(drawn.family(), layoutFont.family());
    if (QFontMetrics(layoutFont).horizontalAdvance(total) <= label->width())
        QCOMPARE(drawn.pixelSize(), layoutFont.pixelSize());
    else
        QVERIFY(drawn.pixelSize() < layoutFont.pixelSize());
    QVERIFY(!label->grab().isNull());
}

QTEST_MAIN(CopperPageTest)
#include "test_copperpage.moc"
