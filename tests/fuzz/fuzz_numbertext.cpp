#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QString>

#include "numbertext.h"
#include "roundedreference.h"

namespace {

// The first byte chooses how the rest is read: as UTF-8 or as UTF-16 code units.
QString Decode(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    const auto *bytes = reinterpret_cast<const char *>(data + 1);
    const std::size_t length = size - 1;
    if ((data[0] & 1) == 0)
        return QString::fromUtf8(bytes, static_cast<qsizetype>(length));
    QString text(static_cast<qsizetype>(length / 2), Qt::Uninitialized);
    std::memcpy(text.data(), bytes, length / 2 * 2);
    return text;
}

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const double value = kalmoro::TextToNumber(Decode(data, size));
    Check(!std::isnan(value));
    const QString text = kalmoro::NumberToText(value);
    if (!std::isfinite(value)) {
        Check(text == (value > 0 ? u"1.#INF" : u"-1.#INF"));
        return 0;
    }
    bool halfway = false;
    const double shown = kalmoro::TextToNumber(text);
    Check(shown == kalmoro::testing::RoundedTo13(value, halfway));
    Check(std::signbit(shown) == std::signbit(value));
    Check(kalmoro::NumberToText(shown) == text);
    return 0;
}
