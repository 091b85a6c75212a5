#pragma once

namespace spanwright {

// Elapsed time in whole calendar units, the way an age is stated: the begin
// date plus years and months (a day past the end of the month falling back
// to the month's last day) plus days gives the end date. Months are 0 to 11
// and days 0 to 30 in a span the library reckons.
struct YearsMonthsDays
{
    long long years = 0;
    long long months = 0;
    long long days = 0;

    friend bool operator==(const YearsMonthsDays& a, const YearsMonthsDays& b)
    {
        return a.years == b.years && a.months == b.months && a.days == b.days;
    }
    friend bool operator!=(const YearsMonthsDays& a, const YearsMonthsDays& b) { return !(a == b); }
};

} // namespace spanwright
