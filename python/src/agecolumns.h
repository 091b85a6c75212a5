#pragma once

#include "ageanswer.h"
#include "calendars/calendardate.h"
#include "reading/datereader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace spanwright::python {

// The batch's born or died columns for whole columns of dates and stated
// ages, as `batch --age` writes them: the earliest and latest dates the age
// allows, how many days they span, error.
struct AgeColumns
{
    std::vector<CalendarDate> earliest;
    std::vector<CalendarDate> latest;
    std::vector<bool> dated;    // earliest and latest hold the answer's dates
    std::vector<std::int64_t> count;
    std::vector<bool> counted;  // count holds one (0 where no date gives the age)
    std::vector<std::string> error; // empty where the row was answered
};

// The years a Python datetime.date holds; an answer outside them leaves its
// dates None, and its error says why.
constexpr long long FirstDateYear = 1;
constexpr long long LastDateYear = 9999;

// Works the rows out on every core; call it without the interpreter lock.
AgeColumns ageColumns(AgeDirection direction, const std::vector<std::string>& dates,
                      const std::vector<std::string>& ages, const DateReadOptions& options, bool exact);

} // namespace spanwright::python
