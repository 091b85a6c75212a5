#pragma once

#include "reading/datereader.h"

#include <spanwright/result.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The days command's answer: the whole number of days from the begin date
// to the end date ("36524", negative when the end lies before the begin),
// or for dates that allow several days the least and the greatest number
// ("at least 120, at most 150"); then a calendar line for each date read in
// another calendar or converted, begin first.
struct DaysLines
{
    std::vector<std::string> lines;
};

// The fewest days from the begin date to the end date (from its latest day
// to the end's earliest) and the most (from its earliest to the end's
// latest); an open side leaves its bound out. For two dates of one day
// each, the two are the same number.
struct DaysBetween
{
    std::optional<long long> fewest;
    std::optional<long long> most;
    bool approximate = false; // either date is "about"

    bool bounded() const { return fewest || most; }
};

DaysBetween daysBetween(const DateReading& begin, const DateReading& end);

// Why dates whose days are open on both sides have no number of days.
constexpr std::string_view UnboundedDaysMessage = "the dates leave the number of days without bound";

// The number of days from the begin to the end as the days command writes
// it: one number for two exact dates, otherwise the least and the most;
// nothing when the dates leave both without bound.
std::optional<std::string> daysBetweenText(const DateReading& begin, const DateReading& end);

// The problem is NotRead for a text that is not a date, NoAnswer where the
// dates leave the number without bound (UnboundedDaysMessage).
Result<DaysLines> answerDays(std::string_view beginText, std::string_view endText,
                              const DateReadOptions& options = {});

} // namespace spanwright
