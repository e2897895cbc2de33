#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "message.h"
#include "pagetesting.h"
#include "widgets/transparentlabel.h"

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
    = {"6.8", "9.2", "14", "20.4", "26.4", "37.5", "41.85", "47.4", "57", "73.5", "82.5", "93", "112.5"};

} // namespace

// Drives the copper pipe page of the real window with mouse clicks and keystrokes.
class CopperPageTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_page.open(u"铜管价格按钮"_qs, 2); }
    void cleanup() { m_page.close(); }

    void marketPrices_data()
    {
        QTest::addColumn<QString>("futures");
        QTest::addColumn<QStringList>("prices");
        QTest::newRow("60000") << u"60000"_qs << PricesAt60000;
        QTest::newRow("full-width digits") << u"６００００"_qs << PricesAt60000;
        QTest::newRow("not a number") << u"abc"_qs << QStringList(13, u"0"_qs);
        QTest::newRow("negative") << u"-60000"_qs
                                  << QStringList {"-6.8", "-9.2", "-14", "-20.4", "-26.4", "-37.5", "-41.85",
                                         "-47.4", "-57", "-73.5", "-82.5", "-93", "-112.5"};
        QTest::newRow("overflow") << u"1e400"_qs << QStringList(13, u"1.#INF"_qs);
    }

    void marketPrices()
    {
        QFETCH(QString, futures);
        QFETCH(QStringList, prices);

        m_page.type(Futures, futures);
        QCOMPARE(m_page.texts(PriceBoxes()), prices);
        QCOMPARE(m_page.texts(MetresBoxes()), QStringList(13));
        QCOMPARE(m_page.text(Total), u"铜管价格"_qs);
        QCOMPARE(m_page.messages, QStringList());
    }

    void everyChangeRefreshes()
    {
        // Rows 1 (k 1.7, n 15) and 13 (k 7.5, n 4) after each digit of 60000.
        const QStringList row1 {"0.00068", "0.0068", "0.068", "0.68", "6.8"};
        const QStringList row13 {"0.01125", "0.1125", "1.125", "11.25", "112.5"};
        auto *edit = m_page.find<QLineEdit>(Futures);
        m_page.click(Futures);
        for (qsizetype key = 0; key < 5; ++key) {
            QTest::keyClick(edit, u"60000"_qs[key].toLatin1());
            QCOMPARE(m_page.texts({PriceBoxes().first(), PriceBoxes().last()}),
                (QStringList {row1[key], row13[key]}));
        }
        QCOMPARE(m_page.texts(PriceBoxes()), PricesAt60000);

        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(m_page.texts({PriceBoxes().first(), PriceBoxes().last()}), (QStringList {"0.68", "11.25"}));

        // A paste and deleting everything refresh as well.
        QGuiApplication::clipboard()->setText(u"68000"_qs);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), u"68000"_qs);
        QCOMPARE(m_page.text(u"编辑框2"_qs), u"7.706666666667"_qs);
        QCOMPARE(m_page.text(u"编辑框4"_qs), u"10.42666666667"_qs);

        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(m_page.texts(PriceBoxes()), QStringList(13, u"0"_qs));
    }

    // A pasted text longer than any price is cut where it no longer fits; the page computes with
    // what the box keeps, at once, and again on each keystroke after.
    void longPastesAreCut_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("prices");
        const QString tenMebibytes(10 << 20, u'0');
        QTest::newRow("a price with 10 MiB of decimals") << u"60000."_qs + tenMebibytes << PricesAt60000;
        QTest::newRow("10 MiB of digits") << u"6"_qs + tenMebibytes << QStringList(13, u"1.#INF"_qs);
    }

    void longPastesAreCut()
    {
        QFETCH(QString, pasted);
        QFETCH(QStringList, prices);
        auto *edit = m_page.find<QLineEdit>(Futures);
        m_page.click(Futures);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), pasted.left(edit->maxLength()));
        QCOMPARE(m_page.texts(PriceBoxes()), prices);

        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), pasted.mid(1, edit->maxLength() - 2));
        // Without its first digit the price is 0.
        QCOMPARE(m_page.texts(PriceBoxes()), QStringList(13, u"0"_qs));
    }

    // Prices longer than their boxes show their first digits; the typed box keeps its cursor.
    void longPricesShowTheirFirstDigits()
    {
        m_page.type(Futures, u"70000"_qs);
        QCOMPARE(m_page.find<QLineEdit>(Futures)->cursorPosition(), 5);
        int wider = 0;
        for (const QString &name : PriceBoxes()) {
            auto *box = m_page.find<QLineEdit>(name);
            QVERIFY2(box->cursorPosition() == 0, qPrintable(name));
            wider += box->fontMetrics().horizontalAdvance(box->text()) > box->width();
        }
        QVERIFY(wider >= 3);
    }

    void total_data()
    {
        QTest::addColumn<QString>("futures");
        QTest::addColumn<QStringList>("metres");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        const QStringList warning {LowPrice};
        QTest::newRow("68000, 10 m each")
            << u"68000"_qs << QStringList(13, u"10"_qs) << u"8459.88"_qs << none;
        QTest::newRow("10000 takes no warning") << u"10000"_qs << QStringList(13) << u"0"_qs << none;
        QTest::newRow("within tolerance of 10000")
            << u"9999.99999995"_qs << QStringList(13) << u"0"_qs << none;
        QTest::newRow("beyond tolerance of 10000 warns")
            << u"9999.9999998"_qs << QStringList(13) << u"0"_qs << warning;
        QTest::newRow("9999 warns, total still written")
            << u"9999"_qs << QStringList(13) << u"0"_qs << warning;
        QTest::newRow("empty futures price warns")
            << QString() << QStringList(13, u"10"_qs) << u"0"_qs << warning;
        QTest::newRow("only row 13") << u"60000"_qs << QStringList(12) + QStringList {u"2"_qs} << u"270"_qs
                                     << none;
        QTest::newRow("negative metres taken as is")
            << u"60000"_qs << QStringList {u"-10"_qs} + QStringList(12) << u"-81.6"_qs << none;
        // Prices shown as "1.#INF" read back as 1 per metre.
        QTest::newRow("overflowing futures price")
            << u"1e400"_qs << QStringList(13, u"10"_qs) << u"156"_qs << none;
        QTest::newRow("long total") << u"68000"_qs << QStringList(13, u"123456.789"_qs)
                                    << u"104442962.0125"_qs << none;
        QTest::newRow("exponent form")
            << u"68000"_qs << QStringList(13, u"1e12"_qs) << u"8.45988e+014"_qs << none;
    }

    void total()
    {
        QFETCH(QString, futures);
        QFETCH(QStringList, metres);
        QFETCH(QString, total);
        QFETCH(QStringList, messages);

        auto *label = m_page.find<TransparentLabel>(Total);
        const QFont layoutFont = label->font();
        m_page.type(Futures, futures);
        for (qsizetype row = 0; row < metres.size(); ++row)
            m_page.type(MetresBoxes()[row], metres[row]);
        const QStringList prices = m_page.texts(PriceBoxes());
        m_page.click(u"超级按钮1"_qs);

        QCOMPARE(label->text(), total);
        testing::VerifyDrawnWhole(*label, layoutFont);
        QCOMPARE(m_page.messages, messages);
        QCOMPARE(m_page.texts(MetresBoxes()), metres);
        QCOMPARE(m_page.texts(PriceBoxes()), prices);
        QCOMPARE(m_page.text(Futures), futures);
    }

    void warningComesBeforeTotal()
    {
        m_page.type(Futures, u"9999"_qs);
        m_page.type(MetresBoxes().first(), u"10"_qs);
        QString totalWhileWarned;
        m_page.onMessage = [&](const QString &) { totalWhileWarned = m_page.text(Total); };
        m_page.click(u"超级按钮1"_qs);
        QCOMPARE(m_page.messages, QStringList {LowPrice});
        QCOMPARE(totalWhileWarned, u"铜管价格"_qs);
        QCOMPARE(m_page.text(Total), u"13.59864"_qs);
    }

    // Clearing empties only the metres; the total then reads the prices as the boxes show them,
    // typed by hand or not.
    void clearKeepsPricesAndHandTypedPricesCount()
    {
        m_page.type(Futures, u"60000"_qs);
        for (const QString &box : MetresBoxes())
            m_page.type(box, u"10"_qs);
        m_page.click(u"超级按钮1"_qs);
        QCOMPARE(m_page.text(Total), u"7464.6"_qs);

        m_page.click(u"超级按钮3"_qs);
        QCOMPARE(m_page.text(Total), u"0"_qs);
        QCOMPARE(m_page.texts(MetresBoxes()), QStringList(13));
        QCOMPARE(m_page.texts(PriceBoxes()), PricesAt60000);
        QCOMPARE(m_page.text(Futures), u"60000"_qs);
        m_page.click(u"超级按钮1"_qs);
        QCOMPARE(m_page.text(Total), u"0"_qs);

        m_page.type(u"编辑框2"_qs, u"5"_qs);
        m_page.type(u"编辑框1"_qs, u"10"_qs);
        m_page.click(u"超级按钮1"_qs);
        QCOMPARE(m_page.text(Total), u"60"_qs);
        QCOMPARE(m_page.text(u"编辑框2"_qs), u"5"_qs);
        QCOMPARE(m_page.messages, QStringList());
    }

private:
    testing::PageDriver m_page;
};

QTEST_MAIN(CopperPageTest)
#include "test_copperpage.moc"
