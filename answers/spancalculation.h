#pragma once

#include "reading/datereader.h"
#include "spans/span.h"

#include <spanwright/result.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The window's message for an end date before the begin date.
constexpr std::string_view EndBeforeBeginMessage = "Error - Death Date Before Birth date";

struct SpanCalculation
{
    // The span between two days; for dates that allow several days, the
    // least span (0 where the dates overlap) and the greatest, which an open
    // side (before the begin date, after the end date) leaves without bound.
    YearsMonthsDays span;
    std::optional<YearsMonthsDays> greatest;
    bool exact = true;        // both dates one day: greatest equals span
    bool approximate = false; // either date is "about"
    // Counted in the Julian calendar, both dates being Julian; otherwise in
    // the Gregorian one, each date converted to it first.
    bool julian = false;
    // The dates as read, for the lines under the answer.
    DateReading begin;
    DateReading end;
};

// One line for each date of a calculation read in another calendar or
// converted, begin first, to print under its answer (calendarlines.h):
// "begin: 11 Feb 1731/32 (Julian) = 22 Feb 1732 (Gregorian)".
std::vector<std::string> spanCalendarLines(const SpanCalculation& calculation);

// The span between two date texts, the end date read first, then the begin
// date, then their order, as the window's Calculate command works it out.
// The problem is NotRead for a text that is not a date, NoAnswer with
// EndBeforeBeginMessage for an end before the begin.
Result<SpanCalculation> calculateSpan(std::string_view beginText, std::string_view endText,
                                      const DateReadOptions& options = {}, std::string_view beginRole = "begin date",
                                      std::string_view endRole = "end date");

// "at least A, at most B", "at least A", "at most B", or A alone where the
// bounds are equal, after "about: " for approximate dates.
std::string boundsText(const std::optional<std::string>& least, const std::optional<std::string>& greatest,
                       bool approximate);

} // namespace spanwright
