#pragma once

#include <string_view>

namespace spanwright {

// A date as read from a date field: month, day and year as typed (a day of
// 5.5 stays 5.5), and the length of that month in that year.
struct DateFields
{
    double Months = 0;
    double Days = 0;
    double Years = 0;
    double Max_Days = 0;
};

// Reads a date written month first, in one of two notations:
//   numeric:    5/17/1990, 5-17-1990, 5.17.1990 (the same separator twice)
//   month name: Jan 5, 1990 (the first three letters name the month, in any
//               case; a comma and a blank before the year)
// The separator is the first of "/", "-", "." and " " that occurs anywhere in
// the text. Years are taken as written: 90 is the year 90.
//
// Returns true and fills all four fields when the text is a date. Returns
// false with Months set to 0 when it is not: no separator, an unknown month
// name, no second separator, a month outside 1 to 12 or not whole, a day past
// the end of the month, a year of 0, or a number too large to calculate with.
// The other fields are left part-way after a rejection: read only Months.
bool readDateText(std::string_view text, DateFields& fields);

} // namespace spanwright
