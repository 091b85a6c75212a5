#pragma once

#include "span.h"

#include <string>
#include <string_view>

// A stated age in whole years, months and days, such as "79 years, 9 months,
// 29 days" on a tombstone. Months above 11 are kept as written: twelve
// months are always a year in the span arithmetic, so "14 months" is the
// same age as "1 year, 2 months".
struct Age
{
    long long years = 0;
    long long months = 0;
    long long days = 0;
};

// The largest number a part of an age may have.
constexpr long long LargestAgePart = 99'999'999;

// The result of reading an age: the age, or why the text is not one.
struct AgeReading
{
    bool ok = false;
    Age age;
    std::string problem; // when !ok: the text in quotes, a colon, and why
};

// Reads an age in the forms people write and the forms the result list
// shows, case-insensitively:
//   "39 Year(s), 9 month(s), 19 day(s)", "39y 9m 19d",
//   "39 years, 9 months, 19 days", "39 yrs 9 mos 19 ds",
//   "aged 79 years 9 months 29 days", "79 years" (a missing part is 0),
//   "9/19/39", "9-19-39", "9.19.39" (months, days, years, as the numeric
//   entries of the result list are written).
// Whole numbers only.
AgeReading readAgeText(std::string_view text);

constexpr long long MonthsPerYear = 12;

// Years and months together, in months.
long long wholeMonths(const Age& age);

// Orders ages as the span arithmetic does: by whole months (years and
// months together), then by days. Negative, zero or positive.
int compareAge(const Age& a, const Age& b);

// The age a span states.
Age ageOf(const Span& span);
