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
struct DaysAnswer
{
    std::vector<std::string> lines;
};

// The number of days from the begin to the end as the days command writes
// it: one number for two exact dates, otherwise the least and the most;
// nothing when the dates leave both without bound.
std::optional<std::string> daysBetweenText(const DateReading& begin, const DateReading& end);

// The problem is NotRead for a text that is not a date, NoAnswer where the
// dates leave the number without bound.
Result<DaysAnswer> answerDays(std::string_view beginText, std::string_view endText,
                              const DateReadOptions& options = {});

} // namespace spanwright
