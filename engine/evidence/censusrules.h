#pragma once

#include "evidence/recordages.h"

#include <string>
#include <string_view>

namespace spanwright {

// How a census schedule wrote ages, so that narrow, the GEDCOM report and
// the tree check read a census age alike: the age on the census day in
// completed years, unless its census had a rule of its own.
enum class CensusAgeRule {
    CompletedYears,
    // Great Britain 1841: the ages of persons of 15 and more were written
    // rounded down to a multiple of 5.
    RoundedDownToFive,
    // Canada 1851 and 1861: the age at the next birthday.
    AgeAtNextBirthday,
};

// A census age as its census meant it, or refused as readRecordAge refuses.
// Beside every form readRecordAge takes, "3/12" is an infant's age in
// months written as twelfths of a year, as the US schedules of 1850 to 1880
// were told to write it. note says which rule the age was read by, else is
// left empty; year is the census's, for the note.
Result<RecordAge> readCensusAge(std::string_view text, CensusAgeRule rule, int year, std::string& note);

// The rule of a census applied to an age already read from text (the GEDCOM
// side reads its own age forms first): a 1841 plain age of 15 or more that
// is a multiple of 5 stands for five years of age; under the next-birthday
// rule every bound in whole years is one year more than the completed
// years, except where the text names the year of life itself ("in his 30th
// year", which is the next birthday's age already).
void applyCensusRule(CensusAgeRule rule, int year, std::string_view text, RecordAge& age, std::string& note);

} // namespace spanwright
