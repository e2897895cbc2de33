#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "calc/controlnumber.h"

using namespace kalmoro;

namespace {

// Stands for the transparent label, which takes numbers through setNumberText.
class NumberLabel final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text)
public:
    QString text() const { return m_text; }
    Q_INVOKABLE void setNumberText(const QString &text) { m_text = text; }

private:
    QString m_text;
};

} // namespace

class ControlNumberTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readNumber_data();
    void readNumber();
    void writeNumber_data();
    void writeNumber();
    void writtenValueReadsBackRounded();
};

void ControlNumberTest::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty box") << QString() << 0.0;
    QTest::newRow("number with unit") << u"12.5米"_qs << 12.5;
    QTest::newRow("full-width") << u"２．５"_qs << 2.5;
}

void ControlNumberTest::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QLineEdit edit(text);
    QLabel label(text);
    QCOMPARE(ReadNumber(&edit), value);
    QCOMPARE(ReadNumber(&label), value);
}

void ControlNumberTest::writeNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("two thirds") << 2.0 / 3 << u"0.6666666666667"_qs;
    QTest::newRow("large") << 123456789012345.0 << u"1.234567890123e+014"_qs;
}

void ControlNumberTest::writeNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QLineEdit edit;
    QLabel label;
    NumberLabel numberLabel;
    WriteNumber(&edit, value);
    WriteNumber(&label, value);
    WriteNumber(&numberLabel, value);
    QCOMPARE(edit.text(), text);
    QCOMPARE(label.text(), text);
    QCOMPARE(numberLabel.text(), text);
}

void ControlNumberTest::writtenValueReadsBackRounded()
{
    QLineEdit edit;
    WriteNumber(&edit, 2.0 / 3);
    QVERIFY(ReadNumber(&edit) != 2.0 / 3);
    QVERIFY(ReadNumber(&edit) == 0.6666666666667);
}

QTEST_MAIN(ControlNumberTest)
#include "test_controlnumber.moc"
