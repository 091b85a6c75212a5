// The Italian words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& italianTable()
{
    static const LanguageTable table{
        "Italian",
        "it",
        "il 1° gennaio 1900",
        "d'anni 45",
        {
            "gennaio|genn|gen",
            "febbraio|febbr|feb",
            "marzo|mar",
            "aprile|apr",
            "maggio|mag",
            "giugno|giu",
            "luglio|lug",
            "agosto|ago",
            "settembre|sett|set|7bre",
            "ottobre|ott|8bre",
            "novembre|nov|9bre",
            "dicembre|dic|10bre|xbre",
        },
        {
            {"il", BeforeDay},
            {"li", BeforeDay},
            {"lì", BeforeDay},
            {"addì", BeforeDay},
            {"adì", BeforeDay},
            {"di", DayToMonth},
            {"del", MonthToYear},
            {"dell'anno", MonthToYear, true},
        },
        {{"°", "1", true}, {"º", "1", true}},
        {
            "anno|anni|d'anni", // years
            "mese|mesi", // months
            "settimana|settimane", // weeks
            "giorno|giorni|gg", // days
            "d'anni|di anni|anni|mesi|giorni", // units before their number
            "all'età di|in età di|dell'età di|di età di|d'età di|di", // before the age
            "di età", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "circa|incirca", // about, before or after the number
            "e|ed", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "uno|una|un"}, {2, "due"}, {3, "tre"}, {4, "quattro"}, {5, "cinque"}, {6, "sei"}, {7, "sette"},
        {8, "otto"}, {9, "nove"}, {10, "dieci"}, {11, "undici"}, {12, "dodici"}, {13, "tredici"},
        {14, "quattordici"}, {15, "quindici"}, {16, "sedici"}, {17, "diciassette"}, {18, "diciotto"},
        {19, "diciannove"}, {20, "venti"}, {21, "ventuno"}, {22, "ventidue"}, {23, "ventitré|ventitre"},
        {24, "ventiquattro"}, {25, "venticinque"}, {26, "ventisei"}, {27, "ventisette"}, {28, "ventotto"},
        {29, "ventinove"}, {30, "trenta"}, {31, "trentuno"}, {32, "trentadue"}, {33, "trentatré|trentatre"},
        {34, "trentaquattro"}, {35, "trentacinque"}, {36, "trentasei"}, {37, "trentasette"},
        {38, "trentotto"}, {39, "trentanove"}, {40, "quaranta"}, {41, "quarantuno"}, {42, "quarantadue"},
        {43, "quarantatré|quarantatre"}, {44, "quarantaquattro"}, {45, "quarantacinque"}, {46, "quarantasei"},
        {47, "quarantasette"}, {48, "quarantotto"}, {49, "quarantanove"}, {50, "cinquanta"},
        {51, "cinquantuno"}, {52, "cinquantadue"}, {53, "cinquantatré|cinquantatre"},
        {54, "cinquantaquattro"}, {55, "cinquantacinque"}, {56, "cinquantasei"}, {57, "cinquantasette"},
        {58, "cinquantotto"}, {59, "cinquantanove"}, {60, "sessanta"}, {61, "sessantuno"},
        {62, "sessantadue"}, {63, "sessantatré|sessantatre"}, {64, "sessantaquattro"}, {65, "sessantacinque"},
        {66, "sessantasei"}, {67, "sessantasette"}, {68, "sessantotto"}, {69, "sessantanove"},
        {70, "settanta"}, {71, "settantuno"}, {72, "settantadue"}, {73, "settantatré|settantatre"},
        {74, "settantaquattro"}, {75, "settantacinque"}, {76, "settantasei"}, {77, "settantasette"},
        {78, "settantotto"}, {79, "settantanove"}, {80, "ottanta"}, {81, "ottantuno"}, {82, "ottantadue"},
        {83, "ottantatré|ottantatre"}, {84, "ottantaquattro"}, {85, "ottantacinque"}, {86, "ottantasei"},
        {87, "ottantasette"}, {88, "ottantotto"}, {89, "ottantanove"}, {90, "novanta"}, {91, "novantuno"},
        {92, "novantadue"}, {93, "novantatré|novantatre"}, {94, "novantaquattro"}, {95, "novantacinque"},
        {96, "novantasei"}, {97, "novantasette"}, {98, "novantotto"}, {99, "novantanove"}, {100, "cento"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
