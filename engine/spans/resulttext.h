#pragma once

#include <cstddef>
#include <string>

namespace spanwright {

// The longest count writeCount can write, for any double: a sign, "0.", the
// 323 zeros after the point of the smallest double and its 15 digits.
constexpr std::size_t MaxCountLength = 341;

// Writes an elapsed count as the result list shows it, from out on, and
// returns the end: a minus sign before a negative count and nothing before
// others. Whole numbers have no decimal point; fractions use a period and a
// zero before it ("0.5"), with at most 15 significant digits and never an
// exponent. out must have room for MaxCountLength characters.
char* writeCount(char* out, double count);

// Text form of an elapsed count: one leading blank before a number that is
// not negative, a minus sign before a negative one, then the count as
// writeCount writes it (" 39", "-2", " 0.5").
std::string countText(double count);

} // namespace spanwright
