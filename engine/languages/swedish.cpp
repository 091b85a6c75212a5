// The Swedish words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& swedishTable()
{
    static const LanguageTable table{
        "Swedish",
        "sv",
        "den 12 maj 1890",
        "45 år gammal",
        {
            "januari|jan",
            "februari|febr|feb",
            "mars|mar",
            "april|apr",
            "maj",
            "juni|jun",
            "juli|jul",
            "augusti|aug",
            "september|sept|sep|septbr|7br",
            "oktober|okt|octbr|oktbr|8br",
            "november|nov|novbr|9br",
            "december|dec|decbr|10br|xbr",
        },
        {
            {"den", BeforeDay},
            {"d", BeforeDay},
            {"anno", BeforeYear, true},
        },
        {{"e", "0123456789"}, {"a", "12"}, {"sta", "1", true}, {"dra", "2"}},
        {
            "år", // years
            "månad|månader|mån", // months
            "vecka|veckor", // weeks
            "dag|dagar|dygn", // days
            "", // units before their number
            "ålder", // before the age
            "gammal|gl", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "omkring|ungefär|vid pass|circa", // about, before or after the number
            "och", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "en|ett"}, {2, "två"}, {3, "tre"}, {4, "fyra"}, {5, "fem"}, {6, "sex"}, {7, "sju"}, {8, "åtta"},
        {9, "nio"}, {10, "tio"}, {11, "elva"}, {12, "tolv"}, {13, "tretton"}, {14, "fjorton"}, {15, "femton"},
        {16, "sexton"}, {17, "sjutton"}, {18, "arton|aderton"}, {19, "nitton"}, {20, "tjugo"},
        {21, "tjugoen|tjugoett"}, {22, "tjugotvå"}, {23, "tjugotre"}, {24, "tjugofyra"}, {25, "tjugofem"},
        {26, "tjugosex"}, {27, "tjugosju"}, {28, "tjugoåtta"}, {29, "tjugonio"}, {30, "trettio"},
        {31, "trettioen|trettioett"}, {32, "trettiotvå"}, {33, "trettiotre"}, {34, "trettiofyra"},
        {35, "trettiofem"}, {36, "trettiosex"}, {37, "trettiosju"}, {38, "trettioåtta"}, {39, "trettionio"},
        {40, "fyrtio"}, {41, "fyrtioen|fyrtioett"}, {42, "fyrtiotvå"}, {43, "fyrtiotre"}, {44, "fyrtiofyra"},
        {45, "fyrtiofem"}, {46, "fyrtiosex"}, {47, "fyrtiosju"}, {48, "fyrtioåtta"}, {49, "fyrtionio"},
        {50, "femtio"}, {51, "femtioen|femtioett"}, {52, "femtiotvå"}, {53, "femtiotre"}, {54, "femtiofyra"},
        {55, "femtiofem"}, {56, "femtiosex"}, {57, "femtiosju"}, {58, "femtioåtta"}, {59, "femtionio"},
        {60, "sextio"}, {61, "sextioen|sextioett"}, {62, "sextiotvå"}, {63, "sextiotre"}, {64, "sextiofyra"},
        {65, "sextiofem"}, {66, "sextiosex"}, {67, "sextiosju"}, {68, "sextioåtta"}, {69, "sextionio"},
        {70, "sjuttio"}, {71, "sjuttioen|sjuttioett"}, {72, "sjuttiotvå"}, {73, "sjuttiotre"},
        {74, "sjuttiofyra"}, {75, "sjuttiofem"}, {76, "sjuttiosex"}, {77, "sjuttiosju"}, {78, "sjuttioåtta"},
        {79, "sjuttionio"}, {80, "åttio"}, {81, "åttioen|åttioett"}, {82, "åttiotvå"}, {83, "åttiotre"},
        {84, "åttiofyra"}, {85, "åttiofem"}, {86, "åttiosex"}, {87, "åttiosju"}, {88, "åttioåtta"},
        {89, "åttionio"}, {90, "nittio"}, {91, "nittioen|nittioett"}, {92, "nittiotvå"}, {93, "nittiotre"},
        {94, "nittiofyra"}, {95, "nittiofem"}, {96, "nittiosex"}, {97, "nittiosju"}, {98, "nittioåtta"},
        {99, "nittionio"}, {100, "hundra|ett hundra|etthundra"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
