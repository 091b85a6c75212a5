#pragma once

#include <spanwright/result.h>
#include <spanwright/yearsmonthsdays.h>

#include <string>
#include <string_view>

namespace spanwright {

// A stated age in whole years, months and days, such as "79 years, 9 months,
// 29 days" on a tombstone. Months above 11 are kept as written: twelve
// months are always a year in the span arithmetic, so "14 months" is the
// same age as "1 year, 2 months".
using Age = YearsMonthsDays;

// The largest number a part of an age may have.
constexpr long long LargestAgePart = 99'999'999;

// The smallest unit an age states, to which it is precise.
enum class AgeUnit { Days, Weeks, Months, Years };

// How the ages an age text means are counted: as the years, months and
// days of a span, or (for an age in days or weeks alone) as the days that
// have passed from the one date to the other.
enum class AgeCounting { SpanParts, ElapsedDays };

// An age as read: the age it states and the ages it means.
struct AgeReading
{
    // The age with every unit it does not state 0 and weeks as 7 days each:
    // the exact reading ("aged 39" is 39 years, 0 months, 0 days).
    Age age;

    // What the text means, a stated age being precise to its smallest unit:
    // every age from least to greatest, both included, in the order of
    // compareAge. "aged 39" is 39 years 0 months 0 days to 39 years 11
    // months 30 days (a span has at most 30 days); "11 years 2 months" any
    // days; "48 years and 3 days" exactly that. Where counting is
    // ElapsedDays only the days of least and greatest count: "45 days" is 45
    // days from birth, "3 weeks" 21 to 27 days.
    AgeUnit smallestUnit = AgeUnit::Days;
    AgeCounting counting = AgeCounting::SpanParts;
    Age least;
    Age greatest;
    bool about = false; // "about 40", "abt. 40": marked, but no wider
};

// Reads an age in the forms people write, carve and transcribe, and the
// forms the result list shows, case-insensitively, every word accounted for:
//   "39 Year(s), 9 month(s), 19 day(s)", "39y 9m 19d", "39 yrs. 9 mos 19 ds",
//   "Aged 61 Y's, 4 M's & 2 days", "64 Ys. 2 Mo. 9 Ds.", "19 ms", "5 w",
//   "aged 31 [years] and 2 months", "2 years 3 months 12" (a last bare
//   number after months is days), "Aged 27." (a lone number is years),
//   "sixty-two years", "three weeks", "Æt. 58.", "Aetat. 81", "aetatis 45",
//   "at the age of 40", "Aged about 40 Years.",
//   "in ye 33d year of her Age" (32 completed years),
//   "9/19/39", "9-19-39", "9.19.39" (months 0-11, days 0-30, years, as the
//   numeric entries of the result list are written).
// Whole numbers, and a half after one ("1½ Jahr"). A word two languages
// read differently is read in the language chosen (an ISO 639-1 code, as
// DateReadOptions::language), else refused naming both readings.
// A refusal is NotRead, its message the text in quotes, a colon, and why.
Result<AgeReading> readAgeText(std::string_view text, std::string_view language = {});

// A text that readAgeText reads as the same age, the same precision and
// counting, and the same about mark: "about 39 years", "3 weeks", "45 days",
// "1 years 2 months 0 days".
std::string ageReadingText(const AgeReading& reading);

// The reading of an age as exact (every unstated unit 0), as --exact asks.
AgeReading exactReading(AgeReading reading);

constexpr long long MonthsPerYear = 12;
constexpr long long DaysPerWeek = 7;
// The most days a span has after its whole months.
constexpr long long MostSpanDays = 30;

// Years and months together, in months.
long long wholeMonths(const Age& age);

// Orders ages as the span arithmetic does: by whole months (years and
// months together), then by days. Negative, zero or positive.
int compareAge(const Age& a, const Age& b);

} // namespace spanwright
