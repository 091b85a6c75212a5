// The Croatian words of dates and ages: data only (see languagetable.h).
// The Croatian month names with their genitives (listopada is October), as
// Croatian registers write them.
// Checked against: "Croatian months", Wikipedia, https://en.wikipedia.org/wiki/Croatian_months
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& croatianTable()
{
    static const LanguageTable table{
        "Croatian",
        "hr",
        "3. ožujka 1850. godine",
        "45 godina",
        {
            "siječanj|siječnja|sij",
            "veljača|veljače|velj",
            "ožujak|ožujka|ožu",
            "travanj|travnja|tra",
            "svibanj|svibnja|svi",
            "lipanj|lipnja",
            "srpanj|srpnja",
            "kolovoz|kolovoza|kol",
            "rujan|rujna|ruj",
            "listopad|listopada",
            "studeni|studenoga|studenog|stu",
            "prosinac|prosinca|pro",
        },
        {
            {"godine", MonthToYear | AfterYear, true},
            {"god", AfterYear, true},
            {"g", AfterYear, true},
            {"dne", BeforeDay},
            {"dana", BeforeDay},
        },
        {},
        {
            "godina|godine|godinu|god|g", // years
            "mjesec|mjeseca|mjeseci|mj|mjes", // months
            "tjedan|tjedna|tjedana|tj", // weeks
            "dan|dana|dani", // days
            "", // units before their number
            "u dobi od|star|stara|staro|u starosti od", // before the age
            "star|stara|staro", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "oko|otprilike|cca|circa", // about, before or after the number
            "i", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "jedan|jedna|jedno"}, {2, "dva|dvije"}, {3, "tri"}, {4, "četiri"}, {5, "pet"}, {6, "šest"},
        {7, "sedam"}, {8, "osam"}, {9, "devet"}, {10, "deset"}, {11, "jedanaest"}, {12, "dvanaest"},
        {13, "trinaest"}, {14, "četrnaest"}, {15, "petnaest"}, {16, "šesnaest"}, {17, "sedamnaest"},
        {18, "osamnaest"}, {19, "devetnaest"}, {20, "dvadeset"}, {21, "dvadeset jedan|dvadeset i jedan|dvadeset jedna|dvadeset i jedna|dvadeset jedno|dvadeset i jedno"},
        {22, "dvadeset dva|dvadeset i dva|dvadeset dvije|dvadeset i dvije"}, {23, "dvadeset tri|dvadeset i tri"},
        {24, "dvadeset četiri|dvadeset i četiri"}, {25, "dvadeset pet|dvadeset i pet"}, {26, "dvadeset šest|dvadeset i šest"},
        {27, "dvadeset sedam|dvadeset i sedam"}, {28, "dvadeset osam|dvadeset i osam"}, {29, "dvadeset devet|dvadeset i devet"},
        {30, "trideset"}, {31, "trideset jedan|trideset i jedan|trideset jedna|trideset i jedna|trideset jedno|trideset i jedno"},
        {32, "trideset dva|trideset i dva|trideset dvije|trideset i dvije"}, {33, "trideset tri|trideset i tri"},
        {34, "trideset četiri|trideset i četiri"}, {35, "trideset pet|trideset i pet"}, {36, "trideset šest|trideset i šest"},
        {37, "trideset sedam|trideset i sedam"}, {38, "trideset osam|trideset i osam"}, {39, "trideset devet|trideset i devet"},
        {40, "četrdeset"}, {41, "četrdeset jedan|četrdeset i jedan|četrdeset jedna|četrdeset i jedna|četrdeset jedno|četrdeset i jedno"},
        {42, "četrdeset dva|četrdeset i dva|četrdeset dvije|četrdeset i dvije"}, {43, "četrdeset tri|četrdeset i tri"},
        {44, "četrdeset četiri|četrdeset i četiri"}, {45, "četrdeset pet|četrdeset i pet"}, {46, "četrdeset šest|četrdeset i šest"},
        {47, "četrdeset sedam|četrdeset i sedam"}, {48, "četrdeset osam|četrdeset i osam"}, {49, "četrdeset devet|četrdeset i devet"},
        {50, "pedeset"}, {51, "pedeset jedan|pedeset i jedan|pedeset jedna|pedeset i jedna|pedeset jedno|pedeset i jedno"},
        {52, "pedeset dva|pedeset i dva|pedeset dvije|pedeset i dvije"}, {53, "pedeset tri|pedeset i tri"},
        {54, "pedeset četiri|pedeset i četiri"}, {55, "pedeset pet|pedeset i pet"}, {56, "pedeset šest|pedeset i šest"},
        {57, "pedeset sedam|pedeset i sedam"}, {58, "pedeset osam|pedeset i osam"}, {59, "pedeset devet|pedeset i devet"},
        {60, "šezdeset"}, {61, "šezdeset jedan|šezdeset i jedan|šezdeset jedna|šezdeset i jedna|šezdeset jedno|šezdeset i jedno"},
        {62, "šezdeset dva|šezdeset i dva|šezdeset dvije|šezdeset i dvije"}, {63, "šezdeset tri|šezdeset i tri"},
        {64, "šezdeset četiri|šezdeset i četiri"}, {65, "šezdeset pet|šezdeset i pet"}, {66, "šezdeset šest|šezdeset i šest"},
        {67, "šezdeset sedam|šezdeset i sedam"}, {68, "šezdeset osam|šezdeset i osam"}, {69, "šezdeset devet|šezdeset i devet"},
        {70, "sedamdeset"}, {71, "sedamdeset jedan|sedamdeset i jedan|sedamdeset jedna|sedamdeset i jedna|sedamdeset jedno|sedamdeset i jedno"},
        {72, "sedamdeset dva|sedamdeset i dva|sedamdeset dvije|sedamdeset i dvije"}, {73, "sedamdeset tri|sedamdeset i tri"},
        {74, "sedamdeset četiri|sedamdeset i četiri"}, {75, "sedamdeset pet|sedamdeset i pet"}, {76, "sedamdeset šest|sedamdeset i šest"},
        {77, "sedamdeset sedam|sedamdeset i sedam"}, {78, "sedamdeset osam|sedamdeset i osam"}, {79, "sedamdeset devet|sedamdeset i devet"},
        {80, "osamdeset"}, {81, "osamdeset jedan|osamdeset i jedan|osamdeset jedna|osamdeset i jedna|osamdeset jedno|osamdeset i jedno"},
        {82, "osamdeset dva|osamdeset i dva|osamdeset dvije|osamdeset i dvije"}, {83, "osamdeset tri|osamdeset i tri"},
        {84, "osamdeset četiri|osamdeset i četiri"}, {85, "osamdeset pet|osamdeset i pet"}, {86, "osamdeset šest|osamdeset i šest"},
        {87, "osamdeset sedam|osamdeset i sedam"}, {88, "osamdeset osam|osamdeset i osam"}, {89, "osamdeset devet|osamdeset i devet"},
        {90, "devedeset"}, {91, "devedeset jedan|devedeset i jedan|devedeset jedna|devedeset i jedna|devedeset jedno|devedeset i jedno"},
        {92, "devedeset dva|devedeset i dva|devedeset dvije|devedeset i dvije"}, {93, "devedeset tri|devedeset i tri"},
        {94, "devedeset četiri|devedeset i četiri"}, {95, "devedeset pet|devedeset i pet"}, {96, "devedeset šest|devedeset i šest"},
        {97, "devedeset sedam|devedeset i sedam"}, {98, "devedeset osam|devedeset i osam"}, {99, "devedeset devet|devedeset i devet"},
        {100, "sto"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
