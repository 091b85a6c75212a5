// The Polish words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& polishTable()
{
    static const LanguageTable table{
        "Polish",
        "pl",
        "12 września 1890",
        "45 lat",
        {
            "styczeń|stycznia|sty|stycz",
            "luty|lutego|lut",
            "marzec|marca|mar",
            "kwiecień|kwietnia|kwi",
            "maj|maja",
            "czerwiec|czerwca|cze|czerw",
            "lipiec|lipca|lip",
            "sierpień|sierpnia|sie|sierp",
            "wrzesień|września|wrz",
            "październik|października|paź",
            "listopad|listopada|lis|listop",
            "grudzień|grudnia|gru",
        },
        {
            {"dnia", BeforeDay},
            {"roku", MonthToYear | AfterYear, true},
            {"r", AfterYear, true},
        },
        {},
        {
            "rok|lata|lat", // years
            "miesiąc|miesiące|miesięcy|mies", // months
            "tydzień|tygodnie|tygodni|tyg", // weeks
            "dzień|dni", // days
            "lat|miesięcy|dni", // units before their number
            "w wieku|wieku|mający|mająca|licząc|lat liczący", // before the age
            "", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "około|okolo|circa|blisko", // about, before or after the number
            "i|oraz", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "jeden|jedna|jedno"}, {2, "dwa|dwie"}, {3, "trzy"}, {4, "cztery"}, {5, "pięć"}, {6, "sześć"},
        {7, "siedem"}, {8, "osiem"}, {9, "dziewięć"}, {10, "dziesięć"}, {11, "jedenaście"}, {12, "dwanaście"},
        {13, "trzynaście"}, {14, "czternaście"}, {15, "piętnaście"}, {16, "szesnaście"}, {17, "siedemnaście"},
        {18, "osiemnaście"}, {19, "dziewiętnaście"}, {20, "dwadzieścia"},
        {21, "dwadzieścia jeden|dwadzieścia jedna|dwadzieścia jedno"},
        {22, "dwadzieścia dwa|dwadzieścia dwie"}, {23, "dwadzieścia trzy"}, {24, "dwadzieścia cztery"},
        {25, "dwadzieścia pięć"}, {26, "dwadzieścia sześć"}, {27, "dwadzieścia siedem"},
        {28, "dwadzieścia osiem"}, {29, "dwadzieścia dziewięć"}, {30, "trzydzieści"},
        {31, "trzydzieści jeden|trzydzieści jedna|trzydzieści jedno"},
        {32, "trzydzieści dwa|trzydzieści dwie"}, {33, "trzydzieści trzy"}, {34, "trzydzieści cztery"},
        {35, "trzydzieści pięć"}, {36, "trzydzieści sześć"}, {37, "trzydzieści siedem"},
        {38, "trzydzieści osiem"}, {39, "trzydzieści dziewięć"}, {40, "czterdzieści"},
        {41, "czterdzieści jeden|czterdzieści jedna|czterdzieści jedno"},
        {42, "czterdzieści dwa|czterdzieści dwie"}, {43, "czterdzieści trzy"}, {44, "czterdzieści cztery"},
        {45, "czterdzieści pięć"}, {46, "czterdzieści sześć"}, {47, "czterdzieści siedem"},
        {48, "czterdzieści osiem"}, {49, "czterdzieści dziewięć"}, {50, "pięćdziesiąt"},
        {51, "pięćdziesiąt jeden|pięćdziesiąt jedna|pięćdziesiąt jedno"},
        {52, "pięćdziesiąt dwa|pięćdziesiąt dwie"}, {53, "pięćdziesiąt trzy"}, {54, "pięćdziesiąt cztery"},
        {55, "pięćdziesiąt pięć"}, {56, "pięćdziesiąt sześć"}, {57, "pięćdziesiąt siedem"},
        {58, "pięćdziesiąt osiem"}, {59, "pięćdziesiąt dziewięć"}, {60, "sześćdziesiąt"},
        {61, "sześćdziesiąt jeden|sześćdziesiąt jedna|sześćdziesiąt jedno"},
        {62, "sześćdziesiąt dwa|sześćdziesiąt dwie"}, {63, "sześćdziesiąt trzy"},
        {64, "sześćdziesiąt cztery"}, {65, "sześćdziesiąt pięć"}, {66, "sześćdziesiąt sześć"},
        {67, "sześćdziesiąt siedem"}, {68, "sześćdziesiąt osiem"}, {69, "sześćdziesiąt dziewięć"},
        {70, "siedemdziesiąt"}, {71, "siedemdziesiąt jeden|siedemdziesiąt jedna|siedemdziesiąt jedno"},
        {72, "siedemdziesiąt dwa|siedemdziesiąt dwie"}, {73, "siedemdziesiąt trzy"},
        {74, "siedemdziesiąt cztery"}, {75, "siedemdziesiąt pięć"}, {76, "siedemdziesiąt sześć"},
        {77, "siedemdziesiąt siedem"}, {78, "siedemdziesiąt osiem"}, {79, "siedemdziesiąt dziewięć"},
        {80, "osiemdziesiąt"}, {81, "osiemdziesiąt jeden|osiemdziesiąt jedna|osiemdziesiąt jedno"},
        {82, "osiemdziesiąt dwa|osiemdziesiąt dwie"}, {83, "osiemdziesiąt trzy"},
        {84, "osiemdziesiąt cztery"}, {85, "osiemdziesiąt pięć"}, {86, "osiemdziesiąt sześć"},
        {87, "osiemdziesiąt siedem"}, {88, "osiemdziesiąt osiem"}, {89, "osiemdziesiąt dziewięć"},
        {90, "dziewięćdziesiąt"},
        {91, "dziewięćdziesiąt jeden|dziewięćdziesiąt jedna|dziewięćdziesiąt jedno"},
        {92, "dziewięćdziesiąt dwa|dziewięćdziesiąt dwie"}, {93, "dziewięćdziesiąt trzy"},
        {94, "dziewięćdziesiąt cztery"}, {95, "dziewięćdziesiąt pięć"}, {96, "dziewięćdziesiąt sześć"},
        {97, "dziewięćdziesiąt siedem"}, {98, "dziewięćdziesiąt osiem"}, {99, "dziewięćdziesiąt dziewięć"},
        {100, "sto"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
