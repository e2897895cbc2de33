#include <bit>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include <QLocale>
#include <QTest>

#include "numbertext.h"
#include "roundedreference.h"

using namespace kalmoro;
using kalmoro::testing::RoundedTo13;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// Equal as doubles and in the sign of zero.
bool Identical(double a, double b)
{
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

QByteArray Describe(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

struct TextExample {
    const char *name;
    QStringView text;
    double value;
};

const TextExample TextExamples[] = {
    {"empty", u"", 0},
    {"letters only", u"abc", 0},
    {"leading space", u" 12.5", 12.5},
    {"trailing unit", u"12.5米", 12.5},
    {"comma is no grouping", u"1,000", 1},
    {"space is no grouping", u"1 000", 1},
    {"no hexadecimal", u"0x10", 0},
    {"space after sign", u"- 5", 0},
    {"plus sign", u"+7", 7},
    {"leading point", u".5", 0.5},
    {"trailing point", u"5.", 5},
    {"exponent e", u"1e3", 1000},
    {"exponent D", u"1D3", 1000},
    {"exponent d with sign", u"25d-1", 2.5},
    {"letter without exponent", u"1e", 1},
    {"letter and sign without exponent", u"1e+", 1},
    {"fraction and negative exponent", u"2.5e-1", 0.25},
    {"full-width digits and point", u"１２．５", 12.5},
    {"full-width minus", u"－７", -7},
    {"full-width D and minus", u"１Ｄ－２", 0.01},
    {"ideographic space", u"\u3000８", 8},
    {"full-width dollar is no space", u"\uFF044", 0},
    {"lone point", u".", 0},
    {"lone sign", u"-", 0},
    {"point and exponent without digits", u".e5", 0},
    {"second point ends the number", u"1.2.3", 1.2},
    {"second sign ends the number", u"+-3", 0},
    {"no words for infinity", u"inf", 0},
    {"no words for not a number", u"nan", 0},
    {"negative zero", u"-0", -0.0},
    {"overflow", u"1e400", Infinity},
    {"overflow of the exponent", u"1e99999999999999999999999", Infinity},
    {"zero with a large exponent", u"0e99999", 0},
    {"underflow", u"1e-400", 0},
    {"negative underflow", u"-1e-400", -0.0},
    {"underflow of the exponent", u"1e-99999999999999999999999", 0},
    {"largest double", u"1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"just above the largest double", u"1.7976931348623158e308", std::numeric_limits<double>::max()},
    {"rounds beyond the largest double", u"1.7976931348623159e308", Infinity},
    {"smallest normal", u"2.2250738585072014e-308", std::numeric_limits<double>::min()},
    {"smallest subnormal", u"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    {"below half the smallest subnormal", u"2.4703282292062327e-324", 0},
    {"above half the smallest subnormal", u"2.4703282292062328e-324",
        std::numeric_limits<double>::denorm_min()},
    {"halfway rounds to even", u"1.00000000000000011102230246251565404236316680908203125", 1},
    {"just above halfway rounds up", u"1.00000000000000011102230246251565404236316680908203126",
        1.0000000000000002},
};

struct NumberExample {
    const char *name;
    double value;
    const char *text;
};

const NumberExample NumberExamples[] = {
    {"one decimal", 6.8, "6.8"},
    {"integer", 100, "100"},
    {"sum with binary error", 0.1 + 0.2, "0.3"},
    {"one third", 1.0 / 3, "0.3333333333333"},
    {"two thirds rounds up", 2.0 / 3, "0.6666666666667"},
    {"ratio", 28.0 / 30, "0.9333333333333"},
    {"thirteen integer digits", 1234567890123.4, "1234567890123"},
    {"largest fixed integer", 9999999999999, "9999999999999"},
    {"ten to the thirteenth", 1e13, "1e+013"},
    {"rounds up into exponent form", 9999999999999.5, "1e+013"},
    {"fifteen digits", 123456789012345, "1.234567890123e+014"},
    {"smallest fixed", 0.0001, "0.0001"},
    {"fixed with leading zeros", 0.00012345678901234, "0.0001234567890123"},
    {"rounds up to smallest fixed", 0.0000999999999999995, "0.0001"},
    {"exponent form below 1e-4", 0.00009999999999999, "9.999999999999e-005"},
    {"small exponent form", 0.000015, "1.5e-005"},
    {"three exponent digits", 1e100, "1e+100"},
    {"tiny", 1.5e-300, "1.5e-300"},
    {"largest double", std::numeric_limits<double>::max(), "1.797693134862e+308"},
    {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
    {"seventeen digits then half-up", 123456.78901235, "123456.7890124"},
    {"seventeen digits then half-up below ten", 1.2345678901235, "1.234567890124"},
    {"fourteenth digit four", 999999999999.95, "999999999999.9"},
    {"carry through every digit", 9.9999999999995, "10"},
    {"carry below one", 0.99999999999995, "1"},
    {"negative", -6.8, "-6.8"},
    {"negative exponent form", -1.5e-5, "-1.5e-005"},
    {"zero", 0.0, "0"},
    {"negative zero", -0.0, "-0"},
};

// The C library's "%.13g" with the exponent written with at least three digits.
QString CLibraryText(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.13g", value);
    std::string result = text;
    const auto e = result.find('e');
    if (e != std::string::npos && result.size() - (e + 2) < 3)
        result.insert(e + 2, 3 - (result.size() - (e + 2)), '0');
    return QString::fromStdString(result);
}

int SignificantDigits(const QString &text)
{
    int count = 0;
    bool leading = true;
    for (const QChar c : text) {
        if (c == u'e')
            break;
        if (!c.isDigit() || (leading && c == u'0'))
            continue;
        leading = false;
        ++count;
    }
    return count;
}

// Finite doubles of the kinds a calculator meets, and of every kind besides.
double GeneratedValue(std::mt19937_64 &random, int kind)
{
    std::uniform_int_distribution<int> exponent(-20, 20);
    switch (kind % 6) {
    case 0: {
        double value = Infinity;
        while (!std::isfinite(value))
            value = std::bit_cast<double>(random());
        return value;
    }
    case 1:
        return std::uniform_real_distribution<double>(1, 10)(random) * std::pow(10.0, exponent(random));
    case 2:
        return static_cast<double>(random() % 10'000'000) / std::pow(10.0, random() % 8);
    case 3:
        return static_cast<double>(
            static_cast<qint64>(random() % 100'000'000'000'000'000) - 50'000'000'000'000'000);
    case 4:
        // Subnormals with few digits, whose shortest text is much shorter than their 13 digits.
        return std::bit_cast<double>(random() % 100'000 | (random() % 2) << 63);
    default: {
        // 13 digits and then a half, or nearly: where rounding twice may differ from rounding once.
        const std::string tail = random() % 2 ? "5" : std::to_string(4985 + random() % 31);
        const std::string text = std::to_string(1'000'000'000'000 + random() % 9'000'000'000'000) + tail + "e"
            + std::to_string(exponent(random));
        return std::strtod(text.c_str(), nullptr);
    }
    }
}

// A text that both readers take alike: a decimal number between white space and trailing rubbish.
std::string GeneratedDecimal(std::mt19937_64 &random)
{
    const auto pick = [&](auto &choices) { return choices[random() % std::size(choices)]; };
    const auto digits = [&](std::size_t count) {
        std::string out;
        for (std::size_t i = 0; i < count; ++i)
            out += static_cast<char>('0' + random() % 10);
        return out;
    };
    static const char *const spaces[] = {"", "", " ", "\t", " \n\v\f\r"};
    static const char *const signs[] = {"", "", "+", "-"};
    static const char *const letters[] = {"e", "E"};
    static const char *const rubbish[] = {"", "", " 5", "米", ",5", "abc", "e", "e+", "."};
    const std::size_t longest = random() % 50 == 0 ? 1200 : 25;
    std::string number = digits(random() % longest);
    if (random() % 2)
        number += "." + digits(random() % longest);
    if (number.find_first_of("0123456789") == std::string::npos)
        number += digits(1);
    if (random() % 2)
        number += pick(letters) + std::string(pick(signs)) + digits(1 + random() % 3);
    return pick(spaces) + std::string(pick(signs)) + number + pick(rubbish);
}

// The same text with full-width forms wherever an input method might give them.
QString FullWidth(const std::string &ascii)
{
    QString text;
    for (const char c : ascii) {
        if (c == ' ')
            text += QChar(0x3000);
        else if (c > ' ' && c <= '}')
            text += QChar(static_cast<char16_t>(c + 0xFEE0));
        else
            text += QChar::fromLatin1(c);
    }
    return text;
}

} // namespace

class NumberTextTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        for (const TextExample &example : TextExamples)
            QTest::newRow(example.name) << example.text.toString() << example.value;
        const QString zeros(1000, u'0');
        const QString mebi(1 << 20, u'0');
        QTest::newRow("halfway then a non-zero digit beyond 800 digits")
            << "1.00000000000000011102230246251565404236316680908203125" + zeros + "1" << 1.0000000000000002;
        QTest::newRow("integer halfway then a non-zero fraction digit far behind")
            << "9007199254740993." + zeros + "1" << 9007199254740994.0;
        QTest::newRow("integer digits beyond the kept ones shifted back")
            << "9007199254740993" + zeros + "1e-1001" << 9007199254740994.0;
        QTest::newRow("integer digits beyond the kept ones all zero")
            << "9007199254740993" + zeros + "0e-1001" << 9007199254740992.0;
        QTest::newRow("a mebibyte of nines") << QString(1 << 20, u'9') << Infinity;
        QTest::newRow("a mebibyte of zeros after the point") << "0." + mebi + "1" << 0.0;
        QTest::newRow("a mebibyte of zeros undone by the exponent") << "0." + mebi + "25e1048577" << 2.5;
        QTest::newRow("a number before a mebibyte of rubbish") << "12.5" + QString(1 << 20, u'x') << 12.5;
    }

    void textToNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const double read = TextToNumber(text);
        QVERIFY2(Identical(read, value), Describe(read));
    }

    // By bits, so that NaNs keep their sign and payload.
    void numberToText_data()
    {
        QTest::addColumn<quint64>("bits");
        QTest::addColumn<QString>("text");
        for (const NumberExample &example : NumberExamples)
            QTest::newRow(example.name)
                << std::bit_cast<quint64>(example.value) << QString::fromLatin1(example.text);
        QTest::newRow("infinity") << quint64(0x7FF0'0000'0000'0000) << "1.#INF";
        QTest::newRow("negative infinity") << quint64(0xFFF0'0000'0000'0000) << "-1.#INF";
        QTest::newRow("default NaN of invalid operations") << quint64(0xFFF8'0000'0000'0000) << "-1.#IND";
        QTest::newRow("positive quiet NaN") << quint64(0x7FF8'0000'0000'0000) << "1.#QNAN";
        QTest::newRow("quiet NaN with payload") << quint64(0x7FF8'0000'0000'0001) << "1.#QNAN";
        QTest::newRow("negative quiet NaN with payload") << quint64(0xFFF8'0000'0000'0001) << "-1.#QNAN";
        QTest::newRow("signalling NaN") << quint64(0x7FF0'0000'0000'0001) << "1.#SNAN";
        QTest::newRow("negative signalling NaN") << quint64(0xFFF4'0000'0000'0000) << "-1.#SNAN";
        QTest::newRow("overflow read back") << std::bit_cast<quint64>(TextToNumber(u"1e400")) << "1.#INF";
    }

    void numberToText()
    {
        QFETCH(quint64, bits);
        QFETCH(QString, text);
        QCOMPARE(NumberToText(std::bit_cast<double>(bits)), text);
    }

    void decimalCommaLocale()
    {
        const std::string saved = std::setlocale(LC_ALL, nullptr);
        const QLocale savedDefault;
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("The locale de_DE.UTF-8 is not installed");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(std::localeconv()->decimal_point, ",");

        bool same = true;
        for (const TextExample &example : TextExamples) {
            if (!Identical(TextToNumber(example.text), example.value)) {
                qWarning("%s read differently", example.name);
                same = false;
            }
        }
        for (const NumberExample &example : NumberExamples) {
            if (NumberToText(example.value) != QLatin1String(example.text)) {
                qWarning("%s written differently", example.name);
                same = false;
            }
        }
        const bool commaIgnored = TextToNumber(u"12,5") == 12;

        std::setlocale(LC_ALL, saved.c_str());
        QLocale::setDefault(savedDefault);
        QVERIFY(same);
        QVERIFY(commaIgnored);
    }

    void numberToTextRoundsAsShown()
    {
        std::mt19937_64 random(20240601);
        for (int i = 0; i < 200'000; ++i) {
            const double value = GeneratedValue(random, i);
            const QString text = NumberToText(value);
            QVERIFY2(SignificantDigits(text) <= 13, qPrintable(text));
            bool halfway = false;
            const double expected = RoundedTo13(value, halfway);
            const double read = TextToNumber(text);
            QVERIFY2(Identical(read, expected), Describe(value) + " shows as " + text.toLatin1());
            QVERIFY2(NumberToText(read) == text, qPrintable(text));
            if (!halfway)
                QVERIFY2(text == CLibraryText(value), Describe(value) + " shows as " + text.toLatin1());
        }
    }

    void textToNumberAgreesWithStrtod()
    {
        std::mt19937_64 random(7);
        for (int i = 0; i < 100'000; ++i) {
            const std::string text = GeneratedDecimal(random);
            const double expected = std::strtod(text.c_str(), nullptr);
            QVERIFY2(Identical(TextToNumber(QString::fromStdString(text)), expected), text.c_str());
            QVERIFY2(Identical(TextToNumber(FullWidth(text)), expected), text.c_str());
            std::string withD = text;
            for (char &c : withD) {
                if (c == 'e')
                    c = 'd';
            }
            QVERIFY2(Identical(TextToNumber(QString::fromStdString(withD)), expected), withD.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "test_numbertext.moc"
