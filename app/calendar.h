#pragma once

namespace spanwright {

// Gregorian calendar rules: a year divisible by 4 is a leap year, except a
// century year not divisible by 400. A year that is not a whole number is
// never a leap year.
bool isLeapYear(double year);

// The number of days of the month (1 to 12) in the given year: 28 or 29 for
// February, 30 or 31 otherwise. 0 for anything that is not a whole month
// number from 1 to 12.
int monthLength(double month, double year);

} // namespace spanwright
