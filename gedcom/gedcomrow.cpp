#include "gedcomrow.h"

#include "gedcomagecheck.h"
#include "text/asciitext.h"
#include "spans/resultentries.h"

#include <utility>
#include <vector>

namespace spanwright {

namespace {

constexpr std::string_view AboutMark = "about: ";
constexpr std::string_view PhraseText = "a date phrase: cannot compute";
constexpr std::string_view JulianMark = " (Julian)";
constexpr std::string_view GregorianMark = " (Gregorian)";

void addError(GedcomRow& row, std::string_view error)
{
    if (!row.error.empty())
        row.error.append("; ");
    row.error.append(error);
}

// A row with a stated age starts as Agrees until the check or a reason
// settles it; the first reason stays.
void cannotCheck(GedcomRow& row, std::string_view reason)
{
    if (row.check != GedcomRow::Check::Agrees)
        return;
    row.check = GedcomRow::Check::CannotCheck;
    row.statedAgeCheck = "cannot check: " + std::string(reason);
}

std::string ageText(const AgeBounds& bounds, bool approximate)
{
    std::string text(approximate ? AboutMark : std::string_view());
    if (bounds.greatest && compareAge(*bounds.greatest, bounds.least) == 0)
        return text + wordedSpan(bounds.least);
    text += "at least " + wordedSpan(bounds.least);
    if (bounds.greatest)
        text += ", at most " + wordedSpan(*bounds.greatest);
    return text;
}

// " (Julian date converted to the Gregorian calendar)", naming the
// calendars other than the Gregorian one that the two dates are written in.
std::string convertedNote(const GedcomDate& birth, const GedcomDate& death)
{
    std::vector<std::string_view> names;
    if (birth.julianWritten || death.julianWritten)
        names.push_back("Julian");
    if (birth.hebrewWritten || death.hebrewWritten)
        names.push_back("Hebrew");
    if (birth.frenchWritten || death.frenchWritten)
        names.push_back("French Republican");
    std::string note = " (";
    for (size_t i = 0; i < names.size(); ++i)
        note.append(i == 0 ? "" : i + 1 == names.size() ? " and " : ", ").append(names[i]);
    return note + (names.size() > 1 ? " dates" : " date") + " converted to the Gregorian calendar)";
}

// "M/D/YYYY", or "M/D/Y B.C." before year 1.
std::string dateText(const CalendarDate& date)
{
    if (date.year >= 1)
        return calendarDateText(date);
    return std::to_string(date.month) + '/' + std::to_string(date.day) + '/' + std::to_string(1 - date.year)
        + " B.C.";
}

// Why a value that is no date leaves the age unknown.
std::string noDateReason(std::string_view side, std::string_view text, const GedcomDate& date)
{
    if (date.noDate == GedcomDate::NoDate::Phrase)
        return "the " + std::string(side) + " date is a date phrase";
    return "the " + std::string(side) + " date is unknown (" + std::string(trimmed(text)) + ")";
}

// The birth dates, marked with their calendar where a row has a Julian date.
std::string birthDaysText(const BirthDays& days, const GedcomSpanCalendar& calendar, bool mixed)
{
    if (days.count == 0)
        return "none";
    const std::string last = dateText(calendar.dateOf(days.first + (days.count - 1)));
    std::string text = days.fromCalendarStart
        ? "on or before " + last
        : dateText(calendar.dateOf(days.first)) + " through " + last;
    if (calendar.julian())
        text.append(JulianMark);
    else if (mixed)
        text.append(GregorianMark);
    return text;
}

// The row's dates and stated age as read; a text that cannot be read is an
// error of the row, a date's warning its warning.
struct RowTexts
{
    GedcomDate birth;
    GedcomDate death;
    StatedAge stated;
    // Why the stated age cannot be read; stated then has no ages, as where
    // the row has none or its text is a phrase.
    std::optional<Problem> statedProblem;
};

RowTexts readRowTexts(std::optional<std::string_view> birthText, std::optional<std::string_view> deathText,
                      std::optional<std::string_view> statedText, const DateReadOptions& calendarChoice,
                      GedcomRow& row)
{
    RowTexts read;
    // A date refused is an error of the row, and leaves it no days.
    const auto readSide = [&](std::string_view text, std::string_view side, GedcomDate& date) {
        Result<GedcomDate> reading = readGedcomDate(text, calendarChoice);
        if (!reading)
            addError(row, std::string(side) + ": " + reading.problem().message);
        date = undatedIfRefused(std::move(reading));
    };
    if (birthText)
        readSide(*birthText, "birth", read.birth);
    if (deathText)
        readSide(*deathText, "death", read.death);
    for (const auto& [side, date] : {std::pair{"birth", &read.birth}, std::pair{"death", &read.death}}) {
        if (!date->warning.empty())
            row.warning.append(row.warning.empty() ? "" : "; ").append(side).append(": ").append(date->warning);
    }
    if (statedText) {
        row.check = GedcomRow::Check::Agrees;
        Result<StatedAge> stated = readStatedAge(*statedText, calendarChoice.language);
        if (stated) {
            read.stated = std::move(*stated);
        } else {
            addError(row, "stated age: " + stated.problem().message);
            read.statedProblem = stated.problem();
        }
    }
    return read;
}

// Born dead: an age of 0, whatever the birth date says.
void stillbornAge(GedcomRow& row, const StatedAge& stated)
{
    const YearsMonthsDays none{};
    row.ageAtDeath = wordedSpan(none);
    if (stated.hasAges() && compareWithStatedAge(none, 0, stated) != 0)
        cannotCheck(row, "the death is STILLBORN, not a date");
    else if (stated.hasAges() && row.check == GedcomRow::Check::Agrees)
        row.statedAgeCheck = "agrees";
}

// The stated age's check in the row, as the check of it against the dates came out.
void recordAgeCheck(GedcomRow& row, const AgeCheck& check, const GedcomDate& birth)
{
    switch (check.outcome) {
    case AgeCheck::Outcome::Agrees:
        row.check = GedcomRow::Check::Agrees;
        row.statedAgeCheck = "agrees";
        break;
    case AgeCheck::Outcome::Disagrees:
        row.check = GedcomRow::Check::Disagrees;
        row.statedAgeCheck = "disagrees by " + std::to_string(check.days) + " day(s)";
        break;
    case AgeCheck::Outcome::Unreachable:
        cannotCheck(row, "no birth date in the calendar gives the stated age");
        break;
    case AgeCheck::Outcome::OpenEnded:
        cannotCheck(row, birth.days.openBefore() ? "the birth date is open-ended" : "the death date is open-ended");
        break;
    }
}

} // namespace

GedcomRow calculateGedcomRow(std::optional<std::string_view> birthText,
                             std::optional<std::string_view> deathText,
                             std::optional<std::string_view> statedText, std::string_view ageElsewhere,
                             const DateReadOptions& calendarChoice, DeathEvent deathEvent)
{
    GedcomRow row;
    const RowTexts read = readRowTexts(birthText, deathText, statedText, calendarChoice, row);
    const GedcomDate& birth = read.birth;
    const GedcomDate& death = read.death;
    const StatedAge& stated = read.stated;
    using NoDate = GedcomDate::NoDate;

    if (statedText && !ageElsewhere.empty())
        cannotCheck(row, ageElsewhere);
    if (stated.hasAges() && !stated.meetable())
        cannotCheck(row, "no span has more than " + std::to_string(LongestSpanDays)
                             + " days beside years or months");

    // Two Julian dates are spanned in the Julian calendar; a Julian date
    // beside a Gregorian one is converted, and the birth dates from the
    // stated age are then Gregorian too, as the check sees them.
    using Calendar = GedcomDate::Calendar;
    const bool julian = death.calendar == Calendar::Julian && (!birth.hasDays() || birth.calendar == Calendar::Julian);
    const bool mixed = !julian
        && (death.calendar != Calendar::Gregorian || (birth.hasDays() && birth.calendar != Calendar::Gregorian));
    const GedcomSpanCalendar calendar(julian ? CalendarSystem::Julian : CalendarSystem::Gregorian);

    // The birth dates from the stated age need only the death date.
    const bool burial = deathEvent == DeathEvent::Burial;
    if (stated.hasAges() && ageElsewhere.empty() && death.exact()) {
        BirthDays days
            = stated.meetable() ? birthDaysFor(*death.days.earliest, stated, calendar) : BirthDays{};
        days.fromCalendarStart = days.fromCalendarStart || burial; // an earlier death, an earlier birth
        row.bornFromStatedAge = stated.meetable() ? birthDaysText(days, calendar, mixed) : "none";
    }

    if (stated.phrase)
        cannotCheck(row, "the stated age is a phrase");
    if (read.statedProblem)
        cannotCheck(row, "the stated age cannot be read");
    if (death.stillborn) {
        stillbornAge(row, stated);
        return row;
    }
    if (birthText && deathText && (birth.noDate == NoDate::Phrase || death.noDate == NoDate::Phrase))
        row.ageAtDeath = PhraseText;
    if (birth.noDate != NoDate::None || death.noDate != NoDate::None) {
        cannotCheck(row, birth.noDate != NoDate::None ? noDateReason("birth", *birthText, birth)
                                                      : noDateReason("death", *deathText, death));
        return row;
    }
    if (!birth.hasDays() || !death.hasDays()) {
        cannotCheck(row, !birthText        ? "no birth date"
                       : !birth.hasDays() ? "the birth date cannot be read"
                       : !deathText       ? "no death date"
                                          : "the death date cannot be read");
        return row;
    }
    if (deathBeforeBirth(birth, death)) {
        addError(row, "the death date lies before the birth date");
        cannotCheck(row, "the death date lies before the birth date");
        return row;
    }

    row.ageAtDeath = ageText(ageBounds(birth, death, calendar), birth.approximate || death.approximate);
    if (mixed)
        row.ageAtDeath.append(convertedNote(birth, death));

    if (row.check != GedcomRow::Check::Agrees)
        return row;
    if (birth.approximate || death.approximate) {
        cannotCheck(row, birth.approximate ? "the birth date is approximate" : "the death date is approximate");
        return row;
    }
    GedcomDate ending = death;
    if (burial) // the death on or before the burial
        ending.days.earliest.reset();
    recordAgeCheck(row, checkStatedAge(birth, ending, stated, calendar), birth);
    return row;
}

} // namespace spanwright
