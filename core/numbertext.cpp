#include "numbertext.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Chinese input methods type full-width forms; they read as their ASCII forms.
constexpr char16_t fullWidthToAscii(char16_t c)
{
    if (c < 0x2605)
        return c;
    // U+FF04, the full-width dollar sign, stays as it is.
    if (c >= 0xFF01 && c <= 0xFF5D && c != 0xFF04)
        return static_cast<char16_t>(c - 0xFEE0);
    switch (c) {
    case 0xFF5E:
    case 0xFFE3:
        return u'~';
    case 0xFFE5:
        return u'$';
    case 0x3000:
        return u' ';
    case 0x2605:
    case 0x2606:
        return u'*';
    default:
        return c;
    }
}

constexpr bool isSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

constexpr bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The halfway point between two doubles has at most 767 significant digits, so 800 digits decide the
// rounding; of any digits beyond them only "some of them are not zero" matters, kept as one more '1'.
constexpr int kKeptDigits = 800;
// Larger than any shift a text's own digits can make up for, yet far from overflowing.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;
// Decimal exponents of the leading digit beyond these give infinity or zero whatever the digits are.
constexpr std::int64_t kLargestLead = 400;
constexpr std::int64_t kSmallestLead = -400;

// Integers of up to 15 digits and powers of ten up to 10^22 are exact doubles, so one multiplication
// or division of them is the correctly rounded value of the number.
constexpr int kFastDigits = 15;
constexpr std::array<double, 23> kExactPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10,
    1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Reads a text through the full-width mapping, one character at a time, so that only the number's
// own characters are ever looked at.
class MappedText final
{
public:
    explicit MappedText(QStringView text)
        : m_text(text.utf16())
        , m_size(text.size())
    {
    }

    // The mapped character at index, or '\0' past the end.
    char16_t operator[](qsizetype index) const
    {
        return index < m_size ? fullWidthToAscii(m_text[index]) : u'\0';
    }

private:
    const char16_t *m_text;
    qsizetype m_size;
};

// The exponent that may follow a number's digits at index: a letter e, E, d or D, an optional sign and at
// least one digit. Without digits the letter is not part of the number and the exponent is 0.
std::int64_t readExponent(const MappedText &text, qsizetype index)
{
    const char16_t letter = text[index];
    if (letter != u'e' && letter != u'E' && letter != u'd' && letter != u'D')
        return 0;
    ++index;
    const bool negative = text[index] == u'-';
    if (negative || text[index] == u'+')
        ++index;
    std::int64_t exponent = 0;
    for (char16_t c = text[index]; isDigit(c); c = text[++index])
        exponent = std::min(exponent * 10 + (c - u'0'), kExponentCap);
    return negative ? -exponent : exponent;
}

constexpr int kShownDigits = 13;

// Writes ASCII into a UTF-16 buffer long enough for any number text.
class TextBuilder final
{
public:
    void append(char c) { m_text[m_size++] = static_cast<char16_t>(c); }
    void append(const char *first, const char *last)
    {
        while (first != last)
            append(*first++);
    }
    void append(const char *text)
    {
        while (*text)
            append(*text++);
    }
    void appendZeros(int count)
    {
        for (int i = 0; i < count; ++i)
            append('0');
    }
    QString text() const { return QString(reinterpret_cast<const QChar *>(m_text.data()), m_size); }

private:
    std::array<char16_t, 32> m_text;
    qsizetype m_size = 0;
};

// The significant digits and the decimal exponent X of a positive finite double: its 17 leading digits,
// correctly rounded, then rounded half-up to 13. So 9999999999999.5 gives "1" with X = 13.
struct Digits {
    std::array<char, 17> digits; // the first count of them, without trailing zeros
    int count;
    int exponent;
};

Digits significantDigits(double value)
{
    constexpr int kWrittenDigits = 17;
    std::array<char, 32> scientific; // "d.dddddddddddddddde±XXX"
    char *const first = scientific.data();
    const auto format = std::chars_format::scientific;
    const char *const end
        = std::to_chars(first, first + scientific.size(), value, format, kWrittenDigits - 1).ptr;
    Digits out;
    out.digits[0] = scientific[0];
    std::copy_n(scientific.data() + 2, kWrittenDigits - 1, out.digits.data() + 1);
    const char *exponent = scientific.data() + kWrittenDigits + 2;
    if (*exponent == '+')
        ++exponent;
    std::from_chars(exponent, end, out.exponent);

    if (out.digits[kShownDigits] >= '5') {
        int i = kShownDigits - 1;
        while (i >= 0 && out.digits[i] == '9')
            out.digits[i--] = '0';
        if (i >= 0) {
            ++out.digits[i];
        } else {
            out.digits[0] = '1';
            ++out.exponent;
        }
    }
    int count = kShownDigits;
    while (count > 1 && out.digits[count - 1] == '0')
        --count;
    out.count = count;
    return out;
}

} // namespace

namespace kalmoro {

double TextToNumber(QStringView text)
{
    const MappedText mapped(text);
    qsizetype index = 0;
    while (isSpace(mapped[index]))
        ++index;
    const bool negative = mapped[index] == u'-';
    if (negative || mapped[index] == u'+')
        ++index;

    // The significant digits, without leading zeros, and the number as digits × 10^scale.
    std::array<char, kKeptDigits + 1 + 24> buffer; // the digits, a '1' for dropped ones, 'e', the exponent
    int kept = 0;
    std::uint64_t mantissa = 0; // the kept digits while they are few enough for the fast way
    bool dropped = false; // a non-zero digit beyond the kept ones
    bool anyDigit = false;
    bool point = false;
    std::int64_t scale = 0;
    for (char16_t c = mapped[index];; c = mapped[++index]) {
        if (isDigit(c)) {
            anyDigit = true;
            if (kept == kKeptDigits) {
                dropped = dropped || c != u'0';
                if (!point)
                    ++scale;
                continue;
            }
            if (kept > 0 || c != u'0') {
                buffer[kept++] = static_cast<char>(c);
                if (kept <= kFastDigits)
                    mantissa = mantissa * 10 + (c - u'0');
            }
            if (point)
                --scale;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    const double zero = negative ? -0.0 : 0.0;
    if (kept == 0)
        return zero;
    if (dropped) {
        buffer[kept++] = '1';
        --scale;
    }
    scale += readExponent(mapped, index);

    if (kept <= kFastDigits) {
        const std::int64_t steps = scale < 0 ? -scale : scale;
        if (steps < std::ssize(kExactPowersOfTen)) {
            const auto exact = static_cast<double>(mantissa);
            const double power = kExactPowersOfTen[static_cast<std::size_t>(steps)];
            const double value = scale < 0 ? exact / power : exact * power;
            return negative ? -value : value;
        }
    }

    const double infinity
        = negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    const std::int64_t lead = kept - 1 + scale;
    if (lead > kLargestLead)
        return infinity;
    if (lead < kSmallestLead)
        return zero;

    char *const end = buffer.data() + buffer.size();
    char *digitsEnd = buffer.data() + kept;
    *digitsEnd++ = 'e';
    digitsEnd = std::to_chars(digitsEnd, end, scale).ptr;
    double value = 0.0;
    // std::from_chars rounds correctly and ignores the locale; out of range it gives no value at all.
    if (std::from_chars(buffer.data(), digitsEnd, value).ec == std::errc::result_out_of_range)
        return lead >= 0 ? infinity : zero;
    return negative ? -value : value;
}

WholeNumber ReadWholeNumber(QStringView text)
{
    const MappedText mapped(text);
    qsizetype index = 0;
    const auto skipSpaces = [&] {
        while (isSpace(mapped[index]))
            ++index;
    };
    const auto skipDigits = [&] {
        const qsizetype first = index;
        while (isDigit(mapped[index]))
            ++index;
        return index > first;
    };
    skipSpaces();
    if (index == text.size())
        return {0, NumberFault::Empty};
    if (mapped[index] == u'-' || mapped[index] == u'+')
        ++index;
    bool digits = skipDigits();
    if (mapped[index] == u'.') {
        ++index;
        digits = skipDigits() || digits;
    }
    bool whole = digits;
    if (whole && QStringView(u"eEdD").contains(QChar(mapped[index]))) {
        ++index;
        if (mapped[index] == u'-' || mapped[index] == u'+')
            ++index;
        whole = skipDigits();
    }
    skipSpaces();
    if (!whole || index != text.size()) {
        for (qsizetype at = 0; at < text.size(); ++at) {
            if (mapped[at] == u',')
                return {0, NumberFault::DecimalComma};
        }
        return {0, NumberFault::NotANumber};
    }
    const double value = TextToNumber(text);
    if (!std::isfinite(value))
        return {0, NumberFault::TooLarge};
    return {value, NumberFault::None};
}

QString NumberToText(double value)
{
    constexpr std::uint64_t kExponentMask = 0x7FF0'0000'0000'0000;
    constexpr std::uint64_t kFractionMask = 0x000F'FFFF'FFFF'FFFF;
    constexpr std::uint64_t kQuietBit = 0x0008'0000'0000'0000;

    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    TextBuilder text;
    if (negative)
        text.append('-');

    if ((bits & kExponentMask) == kExponentMask) {
        const std::uint64_t fraction = bits & kFractionMask;
        if (fraction == 0)
            text.append("1.#INF");
        else if ((fraction & kQuietBit) == 0)
            text.append("1.#SNAN");
        // On x86, invalid operations such as 0 × infinity give the default NaN, the "indefinite": sign
        // and quiet bit set, payload zero. Every other NaN with the quiet bit is a quiet one.
        else if (negative && fraction == kQuietBit)
            text.append("1.#IND");
        else
            text.append("1.#QNAN");
        return text.text();
    }
    if (value == 0.0) {
        text.append('0');
        return text.text();
    }

    const Digits d = significantDigits(std::fabs(value));
    const char *first = d.digits.data();
    const char *last = first + d.count;
    const int x = d.exponent;
    if (x >= -4 && x < kShownDigits) {
        if (x < 0) {
            text.append("0.");
            text.appendZeros(-x - 1);
            text.append(first, last);
        } else {
            const int whole = x + 1;
            text.append(first, first + std::min(whole, d.count));
            text.appendZeros(whole - d.count);
            if (d.count > whole) {
                text.append('.');
                text.append(first + whole, last);
            }
        }
        return text.text();
    }

    text.append(*first);
    if (d.count > 1) {
        text.append('.');
        text.append(first + 1, last);
    }
    text.append(x < 0 ? "e-" : "e+");
    const int magnitude = std::abs(x);
    std::array<char, 8> exponent;
    const char *exponentEnd
        = std::to_chars(exponent.data(), exponent.data() + exponent.size(), magnitude).ptr;
    text.appendZeros(3 - static_cast<int>(exponentEnd - exponent.data()));
    text.append(exponent.data(), exponentEnd);
    return text.text();
}

} // namespace kalmoro
