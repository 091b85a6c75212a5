#pragma once

#include "evidence/birthnarrowing.h"
#include "reading/datereader.h"
#include "ages/oldestage.h"

#include <spanwright/result.h>

#include <string>
#include <string_view>

namespace spanwright {

// One record that states an age, "WHEN: AGE" as the narrow command takes
// it: WHEN a date the date reader reads or a census ("US 1880 census"),
// AGE an age of readRecordAge. A census age follows its census's rule
// (censusdays.h): the 1841 British census wrote ages of 15 and more rounded
// down to a multiple of 5, so its 30 is 30 to 34 years.
// How the narrow command reads its records and prints their windows: the
// born command's options where they apply.
struct NarrowOptions
{
    DateReadOptions reading; // its order is also the order dates print in
    // An age of the age reader as an exact span (every unstated unit 0),
    // as born --exact reads it; ranges and brackets keep their bounds.
    bool exact = false;
    // Every closed window as "M/D/YYYY through M/D/YYYY (N dates)", one
    // date too.
    bool range = false;

    NarrowOptions() = default;
    NarrowOptions(DateOrder order) : reading(order) {}                 // NOLINT: implicit on purpose
    NarrowOptions(const DateReadOptions& options) : reading(options) {} // NOLINT: implicit on purpose
};

struct NarrowRecord
{
    std::string when; // as read: "England 1851 census (3/30/1851)", "about 1871"
    std::string age;  // as read: "34 years", "30 to 34 years"
    std::string note; // a census rule the age was read by, else empty
    // How a date of another calendar (or read under --switch) was read,
    // as born's calendar line says it: "11 Feb 1731/32 (Julian) = 22 Feb
    // 1732 (Gregorian)"; empty for a plain Gregorian date or a census.
    std::string calendar;
    BirthWindow window;
};

// Why a record gives no window. NotRead: its text does not read. NoAnswer:
// it reads whole, but no birth date in the calendar gives its age at its
// date (a stonemason's 69y 10m 2d at 1/1/1850), a record the answer leaves
// out; record holds it as read, its texts written and its window empty.
struct NarrowRefusal
{
    Problem problem;
    NarrowRecord record;

    bool noBirthDate() const { return problem.kind == ProblemKind::NoAnswer; }
};

using NarrowReading = Result<NarrowRecord, NarrowRefusal>;

// The record as read, whether a birth date gives it or not (a record not
// read has empty texts).
const NarrowRecord& recordAsRead(const NarrowReading& reading);

// The oldest age a record is taken to state: a greater one is a mistake
// (a stone's "200"), as in a GEDCOM file's AGE lines.
constexpr long long OldestRecordAgeYears = OldestStatedAgeYears;

// "WHEN: AGE", split at the last colon (a date may hold one: "Oct the 9th:
// AD. 1769").
NarrowReading readNarrowRecord(std::string_view text, const NarrowOptions& options = {});

// Whether a record's texts (when, age, note) are written: a spreadsheet of
// millions of rows needs only the windows.
enum class RecordTexts { Written, Omitted };

// WHEN and AGE apart, as the columns of a spreadsheet give them.
NarrowReading narrowRecordOf(std::string_view when, std::string_view age, const NarrowOptions& options = {},
                             RecordTexts texts = RecordTexts::Written);
// The same, the window alone (the texts omitted), or the problem why none:
// what the rows of a spreadsheet keep.
Result<BirthWindow> narrowWindowOf(std::string_view when, std::string_view age, const NarrowOptions& options = {});

// A window as the born answer writes its dates: "6/4/1832", "3/31/1816
// through 3/30/1817 (365 dates)", "on or before 1/1/1850", "on or after
// ...", or "any date"; after "about: " when marked. With range, one date
// too as "M/D/YYYY through M/D/YYYY (1 dates)", as born --range does.
std::string birthWindowText(const BirthWindow& window, DateOrder order = DateOrder::MonthFirst, bool range = false);

// A record's window as birthWindowText writes it, or for a record no birth
// date gives, why not.
std::string recordWindowText(const NarrowReading& record, DateOrder order = DateOrder::MonthFirst, bool range = false);

} // namespace spanwright
