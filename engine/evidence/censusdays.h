#pragma once

#include "calendars/calendardate.h"
#include "evidence/censusrules.h"
#include "reading/datereadoptions.h"

#include <spanwright/result.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The censuses whose day the program knows: a census age is the age on the
// census day, whatever day the enumerator came, unless the record names the
// day he came (readCensusName). Each day is listed, with its source, in the
// manual page.

struct CensusDay
{
    std::string_view country; // as the table names it: "US", "England"...
    int year;
    CalendarDate day;
    CensusAgeRule rule = CensusAgeRule::CompletedYears;
};

// Every census of the table, by country, then year.
const std::vector<CensusDay>& censusDays();

// A WHEN text that names a census, read against the table: a text with
// the word "census" is taken for one. The year, the country and the word
// come in the orders people write them ("US 1880 census", "1880 US
// census", "US census 1880", "1880 census of the US", "1851 census
// (England)", "1880 United States Federal Census"); "England and Wales"
// has England's days. A census day is a Gregorian day of the calendar its
// country kept, so a census marked with another calendar (O.S., Julian,
// @#DHEBREW@...) is refused, and so is one that calendar's switch would
// make Julian (a day before its first Gregorian day).
// A census may end with the day the enumerator came, in parentheses ("US
// 1850 census (7 Nov 1850)"): visitText is that date as written, for the
// caller to read under its options; the age is then the age on that day.
// A text of the census form gives its census, or why it names none known
// (NotRead); any other text gives nothing, to be read as a date.
struct CensusReading
{
    CensusDay census;      // country as written in full
    std::string visitText; // the visit day as written, else empty
};
Result<std::optional<CensusReading>> readCensusName(std::string_view text, const CalendarChoice& calendar = {});

// The census country a place names by its last part, as GEDCOM writes a
// PLAC ("Leeds, Yorkshire, England", "Boston, Suffolk, Massachusetts,
// USA"): "US", "England", "Wales", "Scotland", "Ireland" or "Canada" as the
// table names it; empty for any other.
std::string_view censusCountryOfPlace(std::string_view place);

// The census of country that an event on the days first to last (day
// numbers) is: one whose day is those days, or whose year they are (the
// whole year the census is named by, or the month of its day). Nothing for
// any other days, as for a date "about" one.
std::optional<CensusDay> censusOfEvent(std::string_view country, Day first, Day last);

} // namespace spanwright
