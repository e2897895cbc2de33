#include "job.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QLocale>
#include <QtNumeric>

namespace kalmoro {

namespace {

constexpr qint64 PowerOfTen(int exponent)
{
    qint64 power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// x × y / divisor, rounded half away from zero, without forming x × y: x is split at the divisor,
// so that within the job's bounds each partial product fits in 64 bits.
qint64 MulDivRounded(qint64 x, qint64 y, qint64 divisor)
{
    const bool negative = (x < 0) != (y < 0);
    const quint64 ux = x < 0 ? 0 - quint64(x) : quint64(x);
    const quint64 uy = y < 0 ? 0 - quint64(y) : quint64(y);
    const quint64 d = quint64(divisor);
    const quint64 low = (ux % d) * uy;
    quint64 result = (ux / d) * uy + low / d;
    if (2 * (low % d) >= d)
        ++result;
    return negative ? -qint64(result) : qint64(result);
}

qint64 SaturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (qAddOverflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

// Full-width digits, point and minus, as a Chinese input method types them, read as ASCII.
char16_t AsciiForm(char16_t c)
{
    if (c >= u'０' && c <= u'９')
        return char16_t(u'0' + (c - u'０'));
    if (c == u'．')
        return u'.';
    if (c == u'－')
        return u'-';
    return c;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

Fen LineAmount(const JobLine &line)
{
    // Out-of-bounds values come only from a caller that skipped the bounds; they are held at the
    // bounds rather than overflowing.
    const Milli quantity = std::clamp(line.quantity, -MaxQuantity, MaxQuantity);
    const MicroYuan price = std::clamp(line.unitPrice, -MaxUnitPrice, MaxUnitPrice);
    constexpr qint64 divisor = PowerOfTen(MilliDecimals + MicroYuanDecimals - FenDecimals);
    return MulDivRounded(price, quantity, divisor);
}

Fen Subtotal(const Job &job)
{
    Fen subtotal = 0;
    for (const JobLine &line : job.lines)
        subtotal = SaturatingAdd(subtotal, LineAmount(line));
    return subtotal;
}

JobTotals Totals(const Job &job)
{
    return TotalsOf(job, Subtotal(job));
}

JobTotals TotalsOf(const Job &job, Fen subtotal)
{
    JobTotals totals;
    totals.subtotal = subtotal;
    totals.discount = std::clamp(job.discount, -MaxDiscount, MaxDiscount);
    const Fen base = SaturatingAdd(totals.subtotal, -totals.discount);
    const BasisPoints rate = std::clamp(job.taxRate, BasisPoints(0), MaxTaxRate);
    totals.tax = MulDivRounded(base, rate, PowerOfTen(2 + BasisPointDecimals));
    totals.total = SaturatingAdd(base, totals.tax);
    return totals;
}

QString FormatDecimal(qint64 value, int decimals, int minDecimals)
{
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    const auto scale = quint64(PowerOfTen(decimals));
    QString fraction = QString::number(magnitude % scale).rightJustified(decimals, u'0');
    while (fraction.size() > minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    QString text = QString::number(magnitude / scale);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return value < 0 ? u'-' + text : text;
}

QString FormatYuan(Fen amount)
{
    return FormatDecimal(amount, FenDecimals, FenDecimals);
}

QString FormatQuantity(Milli quantity)
{
    return FormatDecimal(quantity, MilliDecimals, 0);
}

QString FormatUnitPrice(MicroYuan price)
{
    return FormatDecimal(price, MicroYuanDecimals, FenDecimals);
}

QString FormatTaxRate(BasisPoints rate)
{
    return FormatDecimal(rate, BasisPointDecimals, 0);
}

std::optional<qint64> ParseDecimal(QStringView text, int decimals)
{
    text = text.trimmed();
    const bool negative = !text.isEmpty() && AsciiForm(text.front().unicode()) == u'-';
    qint64 value = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool point = false;
    bool roundUp = false;
    for (qsizetype i = negative ? 1 : 0; i < text.size(); ++i) {
        const char16_t c = AsciiForm(text[i].unicode());
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c))
            return std::nullopt;
        ++digits;
        if (point && ++fractionDigits > decimals) {
            // The first digit beyond those held decides the rounding; the rest need only be digits.
            if (fractionDigits == decimals + 1)
                roundUp = c >= u'5';
            continue;
        }
        if (qMulOverflow(value, qint64(10), &value) || qAddOverflow(value, qint64(c - u'0'), &value))
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    for (int held = std::min(fractionDigits, decimals); held < decimals; ++held) {
        if (qMulOverflow(value, qint64(10), &value))
            return std::nullopt;
    }
    if (roundUp && qAddOverflow(value, qint64(1), &value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<qint64> DecimalFromDouble(double value, int decimals)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return ParseDecimal(QString::number(value, 'f', QLocale::FloatingPointShortest), decimals);
}

QString JobLineRefusal(const JobLine &line)
{
    const auto outside = [](qint64 value, qint64 high) { return value < -high || value > high; };
    if (line.description.size() > MaxTextLength)
        return QStringLiteral("项目名称超过 %1 个字").arg(MaxTextLength);
    if (line.unit.size() > MaxTextLength)
        return QStringLiteral("单位超过 %1 个字").arg(MaxTextLength);
    if (outside(line.quantity, MaxQuantity)) {
        return QStringLiteral("“%1”的数量 %2 超出范围（-%3 至 %3）")
            .arg(line.description, FormatQuantity(line.quantity), FormatQuantity(MaxQuantity));
    }
    if (outside(line.unitPrice, MaxUnitPrice)) {
        return QStringLiteral("“%1”的单价 %2 超出范围（-%3 至 %3）")
            .arg(line.description, FormatUnitPrice(line.unitPrice), FormatUnitPrice(MaxUnitPrice));
    }
    return {};
}

QString ReplaceRefusal(const Job &job, JobSource source, const QList<JobLine> &lines)
{
    if (source == JobSource::Typed)
        return QStringLiteral("用户输入的行不能被替换");
    for (const JobLine &line : lines) {
        if (QString refusal = JobLineRefusal(line); !refusal.isEmpty())
            return refusal;
    }
    const qsizetype kept = std::count_if(job.lines.cbegin(), job.lines.cend(),
        [source](const JobLine &line) { return line.source != source; });
    if (kept + lines.size() > MaxJobLines)
        return QStringLiteral("报价单最多 %1 行").arg(MaxJobLines);
    return {};
}

bool HasSourceLines(const Job &job, JobSource source)
{
    return std::any_of(job.lines.cbegin(), job.lines.cend(),
        [source](const JobLine &line) { return line.source == source; });
}

void ReplaceSourceLines(Job &job, JobSource source, const QList<JobLine> &lines)
{
    if (source == JobSource::Typed)
        return;
    const auto fromSource = [source](const JobLine &line) { return line.source == source; };
    const auto first = std::find_if(job.lines.cbegin(), job.lines.cend(), fromSource);
    const qsizetype at = first - job.lines.cbegin();
    job.lines.removeIf(fromSource);
    for (qsizetype i = 0; i < lines.size(); ++i)
        job.lines.insert(at + i, lines[i]);
}

} // namespace kalmoro
