#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kalmoro::testing {

// A finite value rounded as the program shows it, worked out from the C library's digits rather than
// the program's: 17 significant digits, then half-up to 13. halfway tells whether the 14th to 17th
// digits were "5000", the one case where this may differ from rounding value to 13 digits at once.
inline double RoundedTo13(double value, bool &halfway)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.16e", std::fabs(value));
    std::string digits(1, text[0]);
    digits.append(text + 2, 16);
    int exponent = std::atoi(std::strchr(text, 'e') + 1);
    halfway = digits.compare(13, 4, "5000") == 0;
    const bool up = digits[13] >= '5';
    digits.resize(13);
    if (up) {
        int i = 12;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++exponent;
        } else {
            ++digits[i];
        }
    }
    const std::string rounded
        = (std::signbit(value) ? "-0." : "0.") + digits + "e" + std::to_string(exponent + 1);
    return std::strtod(rounded.c_str(), nullptr);
}

} // namespace kalmoro::testing
