#pragma once

#include <QString>
#include <QStringView>

namespace kalmoro {

// The number at the start of text. Full-width forms read as their ASCII forms, leading white space is
// skipped, and the longest prefix of the form [+-]digits[.digits][(e|E|d|D)[+-]digits] (the point may
// also lead or trail) gives the nearest double; too large gives infinity, too small zero. Text without
// a leading number reads as 0. The point is always '.', whatever the locale. Never fails, and looks no
// further than the end of the number, however long the text.
double TextToNumber(QStringView text);

// Why a text is not one number. A decimal comma and a value too large for a double are told apart
// from other text, since each has its own remedy.
enum class NumberFault { None, Empty, NotANumber, DecimalComma, TooLarge };

struct WholeNumber {
    double value = 0; // meaningful only without a fault
    NumberFault fault = NumberFault::None;
    bool ok() const { return fault == NumberFault::None; }
};

// The text as a number when it is one number and nothing else: the form TextToNumber reads, with at
// least one digit, white space allowed around it, and a finite value. White space alone is Empty.
WholeNumber ReadWholeNumber(QStringView text);

// value as the program shows numbers: printf's "%.13g" (at most 13 significant digits), with at least
// three exponent digits and the texts "1.#INF", "1.#QNAN", "1.#SNAN" and "1.#IND", each after a "-"
// when the sign bit is set.
QString NumberToText(double value);

} // namespace kalmoro
