// The Danish words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& danishTable()
{
    static const LanguageTable table{
        "Danish",
        "da",
        "3. marts 1850",
        "45 år gammel",
        {
            "januar|jan",
            "februar|febr|feb",
            "marts|mar",
            "april|apr",
            "maj",
            "juni|jun",
            "juli|jul",
            "august|aug",
            "september|sept|sep|septbr|7br",
            "oktober|okt|octbr|oktbr|8br",
            "november|nov|novbr|9br",
            "december|dec|decbr|desbr|10br|xbr",
        },
        {
            {"den", BeforeDay},
            {"d", BeforeDay},
            {"anno", BeforeYear, true},
        },
        {{"ste", "0123456789"}, {"den", "0123456789"}, {"die", "0123456789"}, {"de", "0123456789"}, {"te", "0123456789"}, {"ende", "0123456789"}},
        {
            "år|aar", // years
            "måned|måneder|maaned|maaneder|mdr|md", // months
            "uge|uger", // weeks
            "dag|dage", // days
            "", // units before their number
            "alder", // before the age
            "gammel|gl", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "omkring|ca|circa|henved", // about, before or after the number
            "og", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "en|et"}, {2, "to"}, {3, "tre"}, {4, "fire"}, {5, "fem"}, {6, "seks"}, {7, "syv"}, {8, "otte"},
        {9, "ni"}, {10, "ti"}, {11, "elleve"}, {12, "tolv"}, {13, "tretten"}, {14, "fjorten"}, {15, "femten"},
        {16, "seksten"}, {17, "sytten"}, {18, "atten"}, {19, "nitten"}, {20, "tyve"}, {21, "enogtyve"},
        {22, "toogtyve"}, {23, "treogtyve"}, {24, "fireogtyve"}, {25, "femogtyve"}, {26, "seksogtyve"},
        {27, "syvogtyve"}, {28, "otteogtyve"}, {29, "niogtyve"}, {30, "tredive|tredve"},
        {31, "enogtredive|enogtredve"}, {32, "toogtredive|toogtredve"}, {33, "treogtredive|treogtredve"},
        {34, "fireogtredive|fireogtredve"}, {35, "femogtredive|femogtredve"},
        {36, "seksogtredive|seksogtredve"}, {37, "syvogtredive|syvogtredve"},
        {38, "otteogtredive|otteogtredve"}, {39, "niogtredive|niogtredve"}, {40, "fyrre|fyrretyve"},
        {41, "enogfyrre|enogfyrretyve"}, {42, "toogfyrre|toogfyrretyve"}, {43, "treogfyrre|treogfyrretyve"},
        {44, "fireogfyrre|fireogfyrretyve"}, {45, "femogfyrre|femogfyrretyve"},
        {46, "seksogfyrre|seksogfyrretyve"}, {47, "syvogfyrre|syvogfyrretyve"},
        {48, "otteogfyrre|otteogfyrretyve"}, {49, "niogfyrre|niogfyrretyve"},
        {50, "halvtreds|halvtredsindstyve"}, {51, "enoghalvtreds|enoghalvtredsindstyve"},
        {52, "tooghalvtreds|tooghalvtredsindstyve"}, {53, "treoghalvtreds|treoghalvtredsindstyve"},
        {54, "fireoghalvtreds|fireoghalvtredsindstyve"}, {55, "femoghalvtreds|femoghalvtredsindstyve"},
        {56, "seksoghalvtreds|seksoghalvtredsindstyve"}, {57, "syvoghalvtreds|syvoghalvtredsindstyve"},
        {58, "otteoghalvtreds|otteoghalvtredsindstyve"}, {59, "nioghalvtreds|nioghalvtredsindstyve"},
        {60, "tres|tresindstyve"}, {61, "enogtres|enogtresindstyve"}, {62, "toogtres|toogtresindstyve"},
        {63, "treogtres|treogtresindstyve"}, {64, "fireogtres|fireogtresindstyve"},
        {65, "femogtres|femogtresindstyve"}, {66, "seksogtres|seksogtresindstyve"},
        {67, "syvogtres|syvogtresindstyve"}, {68, "otteogtres|otteogtresindstyve"},
        {69, "niogtres|niogtresindstyve"}, {70, "halvfjerds|halvfjerdsindstyve"},
        {71, "enoghalvfjerds|enoghalvfjerdsindstyve"}, {72, "tooghalvfjerds|tooghalvfjerdsindstyve"},
        {73, "treoghalvfjerds|treoghalvfjerdsindstyve"}, {74, "fireoghalvfjerds|fireoghalvfjerdsindstyve"},
        {75, "femoghalvfjerds|femoghalvfjerdsindstyve"}, {76, "seksoghalvfjerds|seksoghalvfjerdsindstyve"},
        {77, "syvoghalvfjerds|syvoghalvfjerdsindstyve"}, {78, "otteoghalvfjerds|otteoghalvfjerdsindstyve"},
        {79, "nioghalvfjerds|nioghalvfjerdsindstyve"}, {80, "firs|firsindstyve"},
        {81, "enogfirs|enogfirsindstyve"}, {82, "toogfirs|toogfirsindstyve"},
        {83, "treogfirs|treogfirsindstyve"}, {84, "fireogfirs|fireogfirsindstyve"},
        {85, "femogfirs|femogfirsindstyve"}, {86, "seksogfirs|seksogfirsindstyve"},
        {87, "syvogfirs|syvogfirsindstyve"}, {88, "otteogfirs|otteogfirsindstyve"},
        {89, "niogfirs|niogfirsindstyve"}, {90, "halvfems|halvfemsindstyve"},
        {91, "enoghalvfems|enoghalvfemsindstyve"}, {92, "tooghalvfems|tooghalvfemsindstyve"},
        {93, "treoghalvfems|treoghalvfemsindstyve"}, {94, "fireoghalvfems|fireoghalvfemsindstyve"},
        {95, "femoghalvfems|femoghalvfemsindstyve"}, {96, "seksoghalvfems|seksoghalvfemsindstyve"},
        {97, "syvoghalvfems|syvoghalvfemsindstyve"}, {98, "otteoghalvfems|otteoghalvfemsindstyve"},
        {99, "nioghalvfems|nioghalvfemsindstyve"}, {100, "hundrede|et hundrede|ethundrede"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
