#pragma once

// Spanwright's C++ library: how much time lies between two dates in whole
// years, months and days, the way an age is stated in genealogy, and the
// dates a stated age allows. Every function reads its texts as the command
// line reads them (any of its date forms, languages and calendars) and
// returns its answer or the problem that stopped it.
//
//     #include <spanwright/spanwright.h>
//     auto age = spanwright::span("11 Feb 1731/32", "14 Dec 1799");
//     if (age)
//         std::cout << age->lines.front() << '\n'; // 67 Year(s), 9 month(s), 22 day(s)

#include <spanwright/calendarday.h>
#include <spanwright/day.h>
#include <spanwright/dayrange.h>
#include <spanwright/problem.h>
#include <spanwright/readoptions.h>
#include <spanwright/result.h>
#include <spanwright/yearsmonthsdays.h>

#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The first Gregorian day of a country's switch from the Julian calendar,
// for CalendarChoice::firstGregorianDay: a code ("GB", "US", "SE", "1582"
// for Rome's, any case) or the day as YYYY-MM-DD, which must leave days out.
Result<Day> calendarSwitchDay(std::string_view text);

// What a date text means: the days it allows, whether it is marked about
// (abt, circa, est.), and the calendar it is written in.
struct DateMeaning
{
    DayRange days;
    bool approximate = false;
    CalendarSystem calendar = CalendarSystem::Gregorian;
};

// Reads a date text: "17 May 1990", "11 Feb 1731/32", "abt 1850", "bef 1850",
// "15 Nisan 5708", "18 Brumaire an VIII". The options decide the order of a
// numeric date, the calendar of a plain one and the century of a short year.
Result<DateMeaning> readDateText(std::string_view text, const DateReadOptions& options = {});

// What an age text means: the age with every unstated unit 0, and the ages
// from least to greatest it stands for, being precise to its smallest unit
// ("aged 39" is 39 years 0 months 0 days to 39 years 11 months 30 days).
// An age in days or weeks alone counts the days that have passed: then only
// the days of least and greatest count.
struct AgeMeaning
{
    YearsMonthsDays stated;
    YearsMonthsDays least;
    YearsMonthsDays greatest;
    bool countsElapsedDays = false;
    bool about = false;
};

// Reads an age as people write and carve it: "39 Year(s), 9 month(s), 19
// day(s)", "39y 9m 19d", "Aged 27.", "sixty-two years", "Æt. 58.".
Result<AgeMeaning> readAge(std::string_view text);

// The span from a begin date to an end date. For dates of one day each,
// least is the span; for dates of several days (May 1850) least and greatest
// bound it, and an open side (before 1850) leaves greatest out. Two Julian
// dates are reckoned in the Julian calendar.
struct SpanAnswer
{
    YearsMonthsDays least;
    std::optional<YearsMonthsDays> greatest;
    bool exact = true;        // both dates one day each
    bool approximate = false; // either date marked about
    // The answer as spanwright's command line words it: the span first
    // ("67 Year(s), 9 month(s), 22 day(s)", or "at least ..., at most ..."),
    // then a line for each date read in another calendar.
    std::vector<std::string> lines;
};
Result<SpanAnswer> span(std::string_view beginText, std::string_view endText, const DateReadOptions& options = {});

// The days from the begin date to the end date: for dates of several days
// the fewest and the most, an open side leaving its bound out.
struct DaysAnswer
{
    std::optional<long long> fewest;
    std::optional<long long> most;
    bool approximate = false;
};
Result<DaysAnswer> days(std::string_view beginText, std::string_view endText, const DateReadOptions& options = {});

// The tombstone windows: the birth days a death date and a stated age allow,
// and the death days a birth date and an age allow. Both ends closed.
Result<DayRange> bornWithin(std::string_view deathText, std::string_view ageText,
                            const DateReadOptions& options = {});
Result<DayRange> diedWithin(std::string_view birthText, std::string_view ageText,
                            const DateReadOptions& options = {});

// A date in every calendar, a line each: "gregorian: 22 Feb 1732",
// "julian: 11 Feb 1731/32", "hebrew: 17 Adar 5492", "weekday: Friday", and
// the French Republican and Swedish ones where they were in use, the
// Islamic, Persian and Rumi ones where they apply.
Result<std::vector<std::string>> convert(std::string_view text, const DateReadOptions& options = {});

// A day of a calendar as a Day (day.h), and back: any of the calendars of
// calendarday.h, its month and day being in its year.
Day dayOf(const CalendarDay& day);
CalendarDay calendarDayOf(CalendarSystem system, Day day);

// The birth days that fit every record of a person, each an event with the
// age stated at it ("US 1895 census: 30", "14 Dec 1799: 67"). A problem of
// kind NoAnswer when no birth day fits them all; lines then say which
// records agree.
struct NarrowingAnswer
{
    DayRange births;
    bool about = false;
    std::vector<std::string> lines; // the answer as the command line words it
};
Result<NarrowingAnswer> narrow(const std::vector<std::string>& records, const DateReadOptions& options = {});

} // namespace spanwright
