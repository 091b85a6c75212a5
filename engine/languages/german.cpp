// The German words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& germanTable()
{
    static const LanguageTable table{
        "German",
        "de",
        "12. März 1850",
        "im Alter von 45 Jahren",
        {
            "januar|jänner|jan|jän|hartung|eismond|eismonat|jenner|jenn",
            "februar|feber|feb|febr|hornung",
            "märz|mrz|lenzing|lenzmond|lenzmonat|merz",
            "april|apr|ostermond|ostermonat",
            "mai|wonnemond|wonnemonat",
            "juni|jun|brachmond|brachmonat|brachet",
            "juli|jul|heumond|heumonat|heuert",
            "august|aug|erntemond|erntemonat|ernting",
            "september|sept|sep|herbstmond|herbstmonat|scheiding|septbr|7br",
            "oktober|okt|weinmond|weinmonat|gilbhart|gilbhard|octbr|oktbr|8br",
            "november|nov|wintermond|wintermonat|nebelung|nebelmond|novbr|9br",
            "dezember|dez|christmond|christmonat|julmond|julmonat|decbr|dezbr|10br|xbr",
        },
        {
            {"den", BeforeDay},
            {"am", BeforeDay},
            {"der", BeforeDay},
            {"im jahre", MonthToYear, true},
            {"im jahr", MonthToYear, true},
            {"anno", BeforeYear, true},
        },
        {{"ten", "0123456789"}, {"sten", "0123456789"}, {"te", "0123456789"}, {"ste", "0123456789"}},
        {
            "jahr|jahre|jahren|jahres|jhr|jr|j", // years
            "monat|monate|monaten|monats|mon|mt|mte|m", // months
            "woche|wochen|wo|w", // weeks
            "tag|tage|tagen|tags|tg|tge|t", // days
            "", // units before their number
            "im alter von|alt|alter|im alter", // before the age
            "alt", // after the age
            "im", // before the ordinal year of an age
            "lebensjahr|lebensjahre|lebensjahres", // after the ordinal year of an age
            "ungefähr|etwa|circa|gegen", // about, before or after the number
            "und|u", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "eins|ein"}, {2, "zwei"}, {3, "drei"}, {4, "vier"}, {5, "fünf"}, {6, "sechs"}, {7, "sieben"},
        {8, "acht"}, {9, "neun"}, {10, "zehn"}, {11, "elf"}, {12, "zwölf"}, {13, "dreizehn"},
        {14, "vierzehn"}, {15, "fünfzehn"}, {16, "sechzehn"}, {17, "siebzehn"}, {18, "achtzehn"},
        {19, "neunzehn"}, {20, "zwanzig"}, {21, "einundzwanzig"}, {22, "zweiundzwanzig"},
        {23, "dreiundzwanzig"}, {24, "vierundzwanzig"}, {25, "fünfundzwanzig"}, {26, "sechsundzwanzig"},
        {27, "siebenundzwanzig"}, {28, "achtundzwanzig"}, {29, "neunundzwanzig"}, {30, "dreißig"},
        {31, "einunddreißig"}, {32, "zweiunddreißig"}, {33, "dreiunddreißig"}, {34, "vierunddreißig"},
        {35, "fünfunddreißig"}, {36, "sechsunddreißig"}, {37, "siebenunddreißig"}, {38, "achtunddreißig"},
        {39, "neununddreißig"}, {40, "vierzig"}, {41, "einundvierzig"}, {42, "zweiundvierzig"},
        {43, "dreiundvierzig"}, {44, "vierundvierzig"}, {45, "fünfundvierzig"}, {46, "sechsundvierzig"},
        {47, "siebenundvierzig"}, {48, "achtundvierzig"}, {49, "neunundvierzig"}, {50, "fünfzig"},
        {51, "einundfünfzig"}, {52, "zweiundfünfzig"}, {53, "dreiundfünfzig"}, {54, "vierundfünfzig"},
        {55, "fünfundfünfzig"}, {56, "sechsundfünfzig"}, {57, "siebenundfünfzig"}, {58, "achtundfünfzig"},
        {59, "neunundfünfzig"}, {60, "sechzig"}, {61, "einundsechzig"}, {62, "zweiundsechzig"},
        {63, "dreiundsechzig"}, {64, "vierundsechzig"}, {65, "fünfundsechzig"}, {66, "sechsundsechzig"},
        {67, "siebenundsechzig"}, {68, "achtundsechzig"}, {69, "neunundsechzig"}, {70, "siebzig"},
        {71, "einundsiebzig"}, {72, "zweiundsiebzig"}, {73, "dreiundsiebzig"}, {74, "vierundsiebzig"},
        {75, "fünfundsiebzig"}, {76, "sechsundsiebzig"}, {77, "siebenundsiebzig"}, {78, "achtundsiebzig"},
        {79, "neunundsiebzig"}, {80, "achtzig"}, {81, "einundachtzig"}, {82, "zweiundachtzig"},
        {83, "dreiundachtzig"}, {84, "vierundachtzig"}, {85, "fünfundachtzig"}, {86, "sechsundachtzig"},
        {87, "siebenundachtzig"}, {88, "achtundachtzig"}, {89, "neunundachtzig"}, {90, "neunzig"},
        {91, "einundneunzig"}, {92, "zweiundneunzig"}, {93, "dreiundneunzig"}, {94, "vierundneunzig"},
        {95, "fünfundneunzig"}, {96, "sechsundneunzig"}, {97, "siebenundneunzig"}, {98, "achtundneunzig"},
        {99, "neunundneunzig"}, {100, "hundert|einhundert"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
