// The English words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& englishTable()
{
    static const LanguageTable table{
        "English",
        "en",
        "the 3rd day of March 1750",
        "aged 61 Y's, 4 M's & 2 days",
        {
            "january|jan|jany|janry|janu|janr",
            "february|feb|feby|febry|febr|febru",
            "march|mar|marc",
            "april|apr|apl|aprl",
            "may",
            "june|jun|jne",
            "july|jul|jly",
            "august|aug|augt|agt",
            "september|sep|sept|sepr|septr|septem|7ber|viiber",
            "october|oct|octr|octo|octob|8ber|viiiber",
            "november|nov|novr|novem|novemb|9ber|ixber",
            "december|dec|decr|decem|decemb|10ber|xber",
        },
        {
            {"the", BeforeDay | MonthToDay},
            {"ye", BeforeDay | MonthToDay},
            {"of", DayToMonth},
            {"day of", DayToMonth},
            {"ad", BeforeYear | AfterYear, true},
            {"anno domini", BeforeYear | AfterYear, true},
            {"in the year of our lord", MonthToYear, true},
            {"in the year", MonthToYear, true},
        },
        {},
        {
            "y|ys|yr|yrs|yer|yers|year|years|yeare|yeares|yeer|yeers", // years
            "m|ms|mo|mos|mon|mons|mth|mths|mnth|mnths|month|months|monthes|moneths", // months
            "w|ws|wk|wks|week|weeks|weekes", // weeks
            "d|ds|dy|dys|da|day|days|daye|dayes", // days
            "", // units before their number
            "", // before the age
            "", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "", // about, before or after the number
            "", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {}, // the English number words are read by rule (agewords.cpp)
    };
    return table;
}

} // namespace languages

} // namespace spanwright
