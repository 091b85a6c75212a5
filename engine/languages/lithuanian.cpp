// The Lithuanian words of dates and ages: data only (see languagetable.h).
// The year first with "m." and the day with "d." after it, the months in the
// genitive (kovo), as Lithuanian registers write them.
// Checked against: "vasaris" (declension, the months), Wiktionary, https://en.wiktionary.org/wiki/vasaris
// Checked against: "Months of the Year in Lithuanian", http://lietuviu-bendruomene.org/educat/tradicijos/months.html
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& lithuanianTable()
{
    static const LanguageTable table{
        "Lithuanian",
        "lt",
        "1850 m. kovo 3 d.",
        "45 metų",
        {
            "sausis|sausio|saus",
            "vasaris|vasario|vas",
            "kovas|kovo",
            "balandis|balandžio|bal",
            "gegužė|gegužės|geg",
            "birželis|birželio|birž",
            "liepa|liepos|liep",
            "rugpjūtis|rugpjūčio|rugp",
            "rugsėjis|rugsėjo|rugs",
            "spalis|spalio|spal",
            "lapkritis|lapkričio|lapkr",
            "gruodis|gruodžio|gruod",
        },
        {
            {"m", AfterYear, true},
            {"metų", AfterYear, true},
            {"metais", AfterYear, true},
            {"d", AfterDay},
            {"dieną", AfterDay},
            {"mėn", MonthToDay},
        },
        {},
        {
            "metai|metų|metus|metais|met", // years
            "mėnuo|mėnesiai|mėnesių|mėnesius|mėnesio|mėn", // months
            "savaitė|savaitės|savaičių|savaites|sav", // weeks
            "diena|dienos|dienų|dienas|d", // days
            "", // units before their number
            "sulaukęs|sulaukusi", // before the age
            "amžiaus", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "apie|apytikriai", // about, before or after the number
            "ir", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "vienas|viena"}, {2, "du|dvi"}, {3, "trys"}, {4, "keturi|keturios"}, {5, "penki|penkios"},
        {6, "šeši|šešios"}, {7, "septyni|septynios"}, {8, "aštuoni|aštuonios"}, {9, "devyni|devynios"},
        {10, "dešimt"}, {11, "vienuolika"}, {12, "dvylika"}, {13, "trylika"}, {14, "keturiolika"}, {15, "penkiolika"},
        {16, "šešiolika"}, {17, "septyniolika"}, {18, "aštuoniolika"}, {19, "devyniolika"}, {20, "dvidešimt"},
        {21, "dvidešimt vienas|dvidešimt viena"}, {22, "dvidešimt du|dvidešimt dvi"}, {23, "dvidešimt trys"},
        {24, "dvidešimt keturi|dvidešimt keturios"}, {25, "dvidešimt penki|dvidešimt penkios"}, {26, "dvidešimt šeši|dvidešimt šešios"},
        {27, "dvidešimt septyni|dvidešimt septynios"}, {28, "dvidešimt aštuoni|dvidešimt aštuonios"},
        {29, "dvidešimt devyni|dvidešimt devynios"}, {30, "trisdešimt"}, {31, "trisdešimt vienas|trisdešimt viena"},
        {32, "trisdešimt du|trisdešimt dvi"}, {33, "trisdešimt trys"}, {34, "trisdešimt keturi|trisdešimt keturios"},
        {35, "trisdešimt penki|trisdešimt penkios"}, {36, "trisdešimt šeši|trisdešimt šešios"}, {37, "trisdešimt septyni|trisdešimt septynios"},
        {38, "trisdešimt aštuoni|trisdešimt aštuonios"}, {39, "trisdešimt devyni|trisdešimt devynios"},
        {40, "keturiasdešimt"}, {41, "keturiasdešimt vienas|keturiasdešimt viena"}, {42, "keturiasdešimt du|keturiasdešimt dvi"},
        {43, "keturiasdešimt trys"}, {44, "keturiasdešimt keturi|keturiasdešimt keturios"}, {45, "keturiasdešimt penki|keturiasdešimt penkios"},
        {46, "keturiasdešimt šeši|keturiasdešimt šešios"}, {47, "keturiasdešimt septyni|keturiasdešimt septynios"},
        {48, "keturiasdešimt aštuoni|keturiasdešimt aštuonios"}, {49, "keturiasdešimt devyni|keturiasdešimt devynios"},
        {50, "penkiasdešimt"}, {51, "penkiasdešimt vienas|penkiasdešimt viena"}, {52, "penkiasdešimt du|penkiasdešimt dvi"},
        {53, "penkiasdešimt trys"}, {54, "penkiasdešimt keturi|penkiasdešimt keturios"}, {55, "penkiasdešimt penki|penkiasdešimt penkios"},
        {56, "penkiasdešimt šeši|penkiasdešimt šešios"}, {57, "penkiasdešimt septyni|penkiasdešimt septynios"},
        {58, "penkiasdešimt aštuoni|penkiasdešimt aštuonios"}, {59, "penkiasdešimt devyni|penkiasdešimt devynios"},
        {60, "šešiasdešimt"}, {61, "šešiasdešimt vienas|šešiasdešimt viena"}, {62, "šešiasdešimt du|šešiasdešimt dvi"},
        {63, "šešiasdešimt trys"}, {64, "šešiasdešimt keturi|šešiasdešimt keturios"}, {65, "šešiasdešimt penki|šešiasdešimt penkios"},
        {66, "šešiasdešimt šeši|šešiasdešimt šešios"}, {67, "šešiasdešimt septyni|šešiasdešimt septynios"},
        {68, "šešiasdešimt aštuoni|šešiasdešimt aštuonios"}, {69, "šešiasdešimt devyni|šešiasdešimt devynios"},
        {70, "septyniasdešimt"}, {71, "septyniasdešimt vienas|septyniasdešimt viena"}, {72, "septyniasdešimt du|septyniasdešimt dvi"},
        {73, "septyniasdešimt trys"}, {74, "septyniasdešimt keturi|septyniasdešimt keturios"}, {75, "septyniasdešimt penki|septyniasdešimt penkios"},
        {76, "septyniasdešimt šeši|septyniasdešimt šešios"}, {77, "septyniasdešimt septyni|septyniasdešimt septynios"},
        {78, "septyniasdešimt aštuoni|septyniasdešimt aštuonios"}, {79, "septyniasdešimt devyni|septyniasdešimt devynios"},
        {80, "aštuoniasdešimt"}, {81, "aštuoniasdešimt vienas|aštuoniasdešimt viena"}, {82, "aštuoniasdešimt du|aštuoniasdešimt dvi"},
        {83, "aštuoniasdešimt trys"}, {84, "aštuoniasdešimt keturi|aštuoniasdešimt keturios"}, {85, "aštuoniasdešimt penki|aštuoniasdešimt penkios"},
        {86, "aštuoniasdešimt šeši|aštuoniasdešimt šešios"}, {87, "aštuoniasdešimt septyni|aštuoniasdešimt septynios"},
        {88, "aštuoniasdešimt aštuoni|aštuoniasdešimt aštuonios"}, {89, "aštuoniasdešimt devyni|aštuoniasdešimt devynios"},
        {90, "devyniasdešimt"}, {91, "devyniasdešimt vienas|devyniasdešimt viena"}, {92, "devyniasdešimt du|devyniasdešimt dvi"},
        {93, "devyniasdešimt trys"}, {94, "devyniasdešimt keturi|devyniasdešimt keturios"}, {95, "devyniasdešimt penki|devyniasdešimt penkios"},
        {96, "devyniasdešimt šeši|devyniasdešimt šešios"}, {97, "devyniasdešimt septyni|devyniasdešimt septynios"},
        {98, "devyniasdešimt aštuoni|devyniasdešimt aštuonios"}, {99, "devyniasdešimt devyni|devyniasdešimt devynios"},
        {100, "šimtas|šimtą"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
