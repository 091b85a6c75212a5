// The Catalan words of dates and ages: data only (see languagetable.h).
// The month names with their elided de (d'abril, d'agost, d'octubre), as
// Catalan parish books write them, with the old spellings (janer, mars, maitg).
// Checked against: "Dates and Calendar", BYU Script Tutorials (Catalan), https://script.byu.edu/catalan-handwriting/tools/dates-&-calendar
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& catalanTable()
{
    static const LanguageTable table{
        "Catalan",
        "ca",
        "3 de març de 1850",
        "45 anys",
        {
            "gener|gen|jener|janer",
            "febrer|febr|feb",
            "març|mar|mars",
            "abril|d'abril|abr",
            "maig|maitg",
            "juny",
            "juliol|jul",
            "agost|d'agost|ag",
            "setembre|set",
            "octubre|d'octubre|oct",
            "novembre|nov",
            "desembre|des",
        },
        {
            {"de", DayToMonth | MonthToYear},
            {"del", MonthToYear},
            {"el", BeforeDay},
            {"el dia", BeforeDay},
            {"dia", BeforeDay},
            {"de l'any", MonthToYear, true},
        },
        {},
        {
            "any|anys", // years
            "mes|mesos", // months
            "setmana|setmanes", // weeks
            "dia|dies", // days
            "", // units before their number
            "de|a l'edat de|d'edat de|amb", // before the age
            "d'edat", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "uns|unes|cap a|prop de|circa", // about, before or after the number
            "i", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "un|una"}, {2, "dos|dues"}, {3, "tres"}, {4, "quatre"}, {5, "cinc"}, {6, "sis"}, {7, "set"},
        {8, "vuit"}, {9, "nou"}, {10, "deu"}, {11, "onze"}, {12, "dotze"}, {13, "tretze"}, {14, "catorze"},
        {15, "quinze"}, {16, "setze"}, {17, "disset|dèsset"}, {18, "divuit|devuit"}, {19, "dinou|dènou"},
        {20, "vint"}, {21, "vint-i-un|vint-i-una"}, {22, "vint-i-dos|vint-i-dues"}, {23, "vint-i-tres"},
        {24, "vint-i-quatre"}, {25, "vint-i-cinc"}, {26, "vint-i-sis"}, {27, "vint-i-set"}, {28, "vint-i-vuit"},
        {29, "vint-i-nou"}, {30, "trenta"}, {31, "trenta-un|trenta-una"}, {32, "trenta-dos|trenta-dues"},
        {33, "trenta-tres"}, {34, "trenta-quatre"}, {35, "trenta-cinc"}, {36, "trenta-sis"}, {37, "trenta-set"},
        {38, "trenta-vuit"}, {39, "trenta-nou"}, {40, "quaranta"}, {41, "quaranta-un|quaranta-una"},
        {42, "quaranta-dos|quaranta-dues"}, {43, "quaranta-tres"}, {44, "quaranta-quatre"}, {45, "quaranta-cinc"},
        {46, "quaranta-sis"}, {47, "quaranta-set"}, {48, "quaranta-vuit"}, {49, "quaranta-nou"}, {50, "cinquanta"},
        {51, "cinquanta-un|cinquanta-una"}, {52, "cinquanta-dos|cinquanta-dues"}, {53, "cinquanta-tres"},
        {54, "cinquanta-quatre"}, {55, "cinquanta-cinc"}, {56, "cinquanta-sis"}, {57, "cinquanta-set"},
        {58, "cinquanta-vuit"}, {59, "cinquanta-nou"}, {60, "seixanta"}, {61, "seixanta-un|seixanta-una"},
        {62, "seixanta-dos|seixanta-dues"}, {63, "seixanta-tres"}, {64, "seixanta-quatre"}, {65, "seixanta-cinc"},
        {66, "seixanta-sis"}, {67, "seixanta-set"}, {68, "seixanta-vuit"}, {69, "seixanta-nou"}, {70, "setanta"},
        {71, "setanta-un|setanta-una"}, {72, "setanta-dos|setanta-dues"}, {73, "setanta-tres"}, {74, "setanta-quatre"},
        {75, "setanta-cinc"}, {76, "setanta-sis"}, {77, "setanta-set"}, {78, "setanta-vuit"}, {79, "setanta-nou"},
        {80, "vuitanta|huitanta"}, {81, "vuitanta-un|vuitanta-una|huitanta-un|huitanta-una"}, {82, "vuitanta-dos|vuitanta-dues|huitanta-dos|huitanta-dues"},
        {83, "vuitanta-tres|huitanta-tres"}, {84, "vuitanta-quatre|huitanta-quatre"}, {85, "vuitanta-cinc|huitanta-cinc"},
        {86, "vuitanta-sis|huitanta-sis"}, {87, "vuitanta-set|huitanta-set"}, {88, "vuitanta-vuit|huitanta-vuit"},
        {89, "vuitanta-nou|huitanta-nou"}, {90, "noranta"}, {91, "noranta-un|noranta-una"}, {92, "noranta-dos|noranta-dues"},
        {93, "noranta-tres"}, {94, "noranta-quatre"}, {95, "noranta-cinc"}, {96, "noranta-sis"}, {97, "noranta-set"},
        {98, "noranta-vuit"}, {99, "noranta-nou"}, {100, "cent"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
