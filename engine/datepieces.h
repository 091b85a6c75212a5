#pragma once

#include "datereader.h"

#include <optional>
#include <string>
#include <string_view>

// The parts of the date reader: each reads one kind of date and says why it
// is not one. Only the date reader includes this.
namespace datepieces {

// The days a date allows, or why it is none.
struct Days
{
    bool ok = false;
    long long earliest = 0;
    long long latest = 0;
    std::string reason;
    std::optional<DateOrder> readsInOrder;
};

Days refusal(std::string reason);

// Whole numbers of up to MostDigits digits, nothing else.
constexpr size_t MostDigits = 9;
bool isNumber(std::string_view text);
long long numberValue(std::string_view digits); // for isNumber texts

// The last year this reader takes: a genealogist writes no year of five
// digits, and a bare number that long is more likely a spreadsheet's date
// serial (32980) or a slip (19900) than a year.
constexpr long long LastWrittenYear = 9999;

// A day, a month or a year, checked: years 1 to LastWrittenYear, months 1 to
// 12, days within the month.
Days dayDays(long long year, long long month, long long day);
Days monthDays(long long year, long long month);
Days yearDays(long long year);

// The later year of a dual year "1728/9": tail holds the last digits of the
// year after year. Nothing when it does not.
std::optional<long long> dualYear(long long year, std::string_view tail);

// "5/17/1990", "1990-05-17", with a time of day after it.
Days numericDate(std::string_view text, DateOrder order);
// The common case of numericDate in one pass, for the rows of a batch: three
// numbers and one separator, nothing else, a real day. False for anything
// else, which numericDate then reads (or refuses, with the reason).
bool plainNumericDate(std::string_view text, DateOrder order, long long& dayNumber);
// "17 May 1990", "May 17, 1990", "May 1850", "the 12th day of June 1741"...
Days wordedDate(std::string_view text);

} // namespace datepieces
