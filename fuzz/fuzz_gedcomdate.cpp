// Fuzz target for the GEDCOM date reader of spanwright-cli gedcom.
//
// The whole input is read as a date value: a refusal gives a reason, an
// accepted date allows an unbroken run of days inside the calendars, an
// exact date allows one day, and the same text in lower case reads the same
// (keywords and months are case-insensitive). Then the input cut at its
// first two line feeds is a birth date, a death date and a stated age for
// one report row, whose check must agree with the span arithmetic.
#include "ages/agesearch.h"
#include "text/asciitext.h"
#include "gedcomage.h"
#include "gedcomcalendar.h"
#include "gedcomdate.h"
#include "gedcomrow.h"
#include "calendars/juliancalendar.h"

#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace spanwright;

namespace {

bool sameDate(const Result<GedcomDate>& a, const Result<GedcomDate>& b)
{
    if (!a || !b)
        return !a && !b;
    return a->days == b->days && a->approximate == b->approximate
        && a->calendar == b->calendar && a->noDate == b->noDate;
}

void checkDate(std::string_view text)
{
    const Result<GedcomDate> reading = readGedcomDate(text);
    // A value is a date with days, an error with its reason, or a status
    // word or phrase without days: never two of these.
    if (!reading) {
        FUZZ_CHECK(!reading.problem().message.empty() && reading.problem().kind == ProblemKind::NotRead);
        return;
    }
    const GedcomDate& date = *reading;
    FUZZ_CHECK((date.noDate != GedcomDate::NoDate::None) != date.hasDays());
    if (!date.hasDays())
        return;
    // BEF the first day of the Julian calendar (days before the Gregorian
    // one), AFT its last (some days after the Gregorian one).
    constexpr int December = 12;
    constexpr int LastDay = 31;
    const Day lowest(julianDayOf({EarliestGedcomYear, 1, 1}).number() - 1);
    const Day highest(julianDayOf({LastCalendarYear, December, LastDay}).number() + 1);
    const DayRange& days = date.days;
    FUZZ_CHECK(days.earliest || days.latest);
    if (days.earliest)
        FUZZ_CHECK(*days.earliest >= lowest && *days.earliest <= highest);
    if (days.latest)
        FUZZ_CHECK(*days.latest >= lowest && *days.latest <= highest);
    if (days.earliest && days.latest)
        FUZZ_CHECK(*days.earliest <= *days.latest);

    std::string lower(text);
    for (char& c : lower)
        c = lowerAscii(c);
    FUZZ_CHECK(sameDate(readGedcomDate(lower), reading));
}

void checkRow(std::string_view birth, std::string_view death, std::string_view age)
{
    const GedcomRow row = calculateGedcomRow(birth, death, age);
    FUZZ_CHECK(row.check != GedcomRow::Check::NoStatedAge);
    FUZZ_CHECK((row.check == GedcomRow::Check::Disagrees) == (row.statedAgeCheck.rfind("disagrees by ", 0) == 0));
    FUZZ_CHECK(row.statedAgeCheck.rfind("disagrees by 0 ", 0) != 0);

    const GedcomDate birthDate = undatedIfRefused(readGedcomDate(birth));
    const GedcomDate deathDate = undatedIfRefused(readGedcomDate(death));
    const Result<StatedAge> statedRead = readStatedAge(age);
    const StatedAge stated = statedRead ? *statedRead : StatedAge{}; // a refused age states none
    FUZZ_CHECK(row.bornFromStatedAge.empty() || (deathDate.exact() && stated.hasAges()));
    // Two exact Gregorian days and one age in years and months: the check is
    // the span arithmetic itself.
    const bool gregorian = birthDate.calendar == GedcomDate::Calendar::Gregorian
        && deathDate.calendar == GedcomDate::Calendar::Gregorian;
    if (birthDate.exact() && deathDate.exact() && gregorian && stated.exact() && stated.meetable()
        && (stated.least->years != 0 || stated.least->months != 0)
        && *birthDate.days.earliest <= *deathDate.days.earliest) {
        const YearsMonthsDays span = spanBetween(dateOf(*birthDate.days.earliest),
                                                 dateOf(*deathDate.days.earliest));
        const bool equal = compareAge(span, *stated.least) == 0;
        FUZZ_CHECK(equal == (row.check == GedcomRow::Check::Agrees));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkDate(input);
    const size_t first = input.find('\n');
    if (first == std::string_view::npos)
        return 0;
    const size_t second = input.find('\n', first + 1);
    if (second == std::string_view::npos)
        return 0;
    checkRow(input.substr(0, first), input.substr(first + 1, second - first - 1), input.substr(second + 1));
    return 0;
}
