#pragma once

#include "reading/datereader.h"
#include "reading/writtendate.h"

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// The parts of the date reader: each reads one kind of date and says why it
// is not one. Only the date reader includes this.
namespace datepieces {

// The days a date allows.
struct Days
{
    Day earliest;
    Day latest;
    // The calendar the date was read in (of its first day, and of its last
    // where a month across a switch or a range has two), how that was
    // decided, its parts as written.
    CalendarSystem calendar = CalendarSystem::Gregorian;
    CalendarSystem latestCalendar = CalendarSystem::Gregorian;
    CalendarSource source = CalendarSource::Default;
    WrittenDate written;
    // How a date of the old ways was read: "Tuesday before Michaelmas
    // 9 Edward III", "14 Kal. Jun. 1750"; empty for the others.
    std::string readAs;
    // The days either side of the arithmetic one on which an observed
    // calendar's day may fall: an Islamic month begins with the sighted new
    // moon, a day or two from the tabular month; 0 for the others.
    int observedDaysApart = 0;
};

// What decides the calendar of the date being read: the options' choice for
// plain dates, a mark on the text, an era before Christ after its year.
struct CalendarContext
{
    CalendarChoice choice;
    std::optional<CalendarSystem> mark;
    bool beforeChrist = false;
    ShortYears shortYears; // of numeric dates
    unsigned language = 0; // the languages::LanguageMask of the language chosen, 0 for none

    // Read as ever: a Gregorian date, AD, no switch.
    bool plain() const { return !mark && !beforeChrist && choice.plainGregorian(); }
};

// The days a date allows, or why it is none: the reason alone, which the
// date reader puts after the text it quotes.
using DaysRead = Result<Days, DateRefusal>;
DateRefusal refusal(std::string reason);

// Whole numbers of up to MostDigits digits, nothing else.
constexpr size_t MostDigits = 9;
bool isNumber(std::string_view text);
long long numberValue(std::string_view digits); // for isNumber texts

// The last year this reader takes: a genealogist writes no year of five
// digits, and a bare number that long is more likely a spreadsheet's date
// serial (32980) or a slip (19900) than a year.
constexpr long long LastWrittenYear = 9999;

// A day, a month or a year of the Gregorian calendar, checked: years 1 to
// LastWrittenYear, months 1 to 12, days within the month.
DaysRead dayDays(long long year, long long month, long long day);
DaysRead monthDays(long long year, long long month);
DaysRead yearDays(long long year);

// A day, a month or a year as written (month, day 0 where not written), in
// the calendar the context and the date decide: a mark's, Julian for a dual
// year, else by the switch (each end of a month or year by itself), else
// Gregorian; the year counted from 25 March where the choice says so. A day
// the switch left out is refused. The Hebrew and French Republican dates
// have their own readers, which take the month as written in them.
DaysRead writtenDays(WrittenDate written, const CalendarContext& context);
// The same in a calendar already decided, with its checks.
DaysRead daysInCalendar(const WrittenDate& written, CalendarSystem system, CalendarSource source);

// The later year of a dual year "1728/9": tail holds the last digits of the
// year after year. Nothing when it does not.
std::optional<long long> dualYear(long long year, std::string_view tail);

// "5/17/1990", "1990-05-17", with a time of day after it.
DaysRead numericDate(std::string_view text, DateOrder order, const CalendarContext& context = {});
// The common case of numericDate in one pass, for the rows of a batch: three
// numbers and one separator, nothing else, a real day. False for anything
// else, which numericDate then reads (or refuses, with the reason).
bool plainNumericDate(std::string_view text, DateOrder order, Day& day, WrittenDate* written = nullptr,
                      const ShortYears& shortYears = {});
// "17 May 1990", "May 17, 1990", "May 1850", "the 12th day of June 1741"...
DaysRead wordedDate(std::string_view text, const CalendarContext& context = {});

// Dates of the Hebrew and French Republican calendars by their month names
// or GEDCOM codes: "15 Nisan 5708", "1 Tishri 5620 A.M.", "18 Brumaire an
// VIII", "3 jour complementaire an VII". Nothing when the text names no
// month of theirs and the context marks neither calendar.
std::optional<DaysRead> otherCalendarDate(std::string_view text, const CalendarContext& context);
// Quaker dates with numbered months: "3rd day of 11th month 1720", "3d 11th
// mo. 1720", "11th mo. 3, 1720", "3.11mo.1720". Nothing when the text has no
// numbered month.
std::optional<DaysRead> quakerDate(std::string_view text, const CalendarContext& context);
// Feasts, days named from them and English regnal years: "Lady Day 1720",
// "the Tuesday before Michaelmas 9 Edward III", "Dominica 3 post
// Trinitatis 1700", "12 March 5 Victoria". Nothing when the text is none.
std::optional<DaysRead> churchYearDate(std::string_view text, const CalendarContext& context);
// Days of the Roman calendar: "a.d. XIV Kal. Jun. 1750", "prid. Kal. Jan.
// 1751", "Idibus Martii 1650". Nothing when the text names no Kalends,
// Nones or Ides of a month.
std::optional<DaysRead> romanDate(std::string_view text, const CalendarContext& context);
// Dates of the tabular Islamic and the Persian Solar Hijri calendars by
// their month names: "12 Ramadan 1250 AH", "1 Farvardin 1304". Nothing when
// the text names no month of theirs.
std::optional<DaysRead> hijriDate(std::string_view text, const CalendarContext& context);
// Dates of the Ottoman Rumi calendar: "7 Nisan 1327 R.", "15 Subat 1332".
std::optional<DaysRead> rumiDate(std::string_view text, const CalendarContext& context);
// Any of the old ways of dating above and in romandate.cpp, hijridate.cpp.
std::optional<DaysRead> oldWayDate(std::string_view text, const CalendarContext& context);

} // namespace datepieces

} // namespace spanwright
