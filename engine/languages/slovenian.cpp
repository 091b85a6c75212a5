// The Slovenian words of dates and ages: data only (see languagetable.h).
// The modern month names and the standard set of the old ones (prosinec is
// January, svečan February, sušec March, listopad November), as "Slovene
// months" lists them after Snoj, Slovenski etimološki slovar; the two-word
// old names (mali traven, veliki srpan) are not read.
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& slovenianTable()
{
    static const LanguageTable table{
        "Slovenian",
        "sl",
        "3. sušca 1850",
        "45 let",
        {
            "januar|januarja|prosinec|prosinca|jan",
            "februar|februarja|svečan|svečana|feb",
            "marec|marca|sušec|sušca|mar",
            "april|aprila|apr",
            "maj|maja",
            "junij|junija|rožnik|rožnika|jun",
            "julij|julija|jul",
            "avgust|avgusta|avg",
            "september|septembra|kimavec|kimavca|kimovec|kimovca|sep",
            "oktober|oktobra|vinotok|vinotoka|okt",
            "november|novembra|listopad|listopada|nov",
            "december|decembra|gruden|grudna|dec",
        },
        {
            {"leta", MonthToYear | AfterYear, true},
            {"l", AfterYear, true},
            {"dne", BeforeDay},
        },
        {},
        {
            "leto|leta|let|leti|l", // years
            "mesec|meseca|mesece|mesecev|meseci|mes", // months
            "teden|tedna|tedne|tednov", // weeks
            "dan|dni|dneva|dnevi|dnevov", // days
            "", // units before their number
            "star|stara|staro|v starosti", // before the age
            "star|stara|staro", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "okoli|približno|cca|circa", // about, before or after the number
            "in", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "en|ena|eno"}, {2, "dva|dve"}, {3, "tri"}, {4, "štiri"}, {5, "pet"}, {6, "šest"}, {7, "sedem"},
        {8, "osem"}, {9, "devet"}, {10, "deset"}, {11, "enajst"}, {12, "dvanajst"}, {13, "trinajst"},
        {14, "štirinajst"}, {15, "petnajst"}, {16, "šestnajst"}, {17, "sedemnajst"}, {18, "osemnajst"},
        {19, "devetnajst"}, {20, "dvajset"}, {21, "enaindvajset"}, {22, "dvaindvajset"}, {23, "triindvajset"},
        {24, "štiriindvajset"}, {25, "petindvajset"}, {26, "šestindvajset"}, {27, "sedemindvajset"},
        {28, "osemindvajset"}, {29, "devetindvajset"}, {30, "trideset"}, {31, "enaintrideset"}, {32, "dvaintrideset"},
        {33, "triintrideset"}, {34, "štiriintrideset"}, {35, "petintrideset"}, {36, "šestintrideset"},
        {37, "sedemintrideset"}, {38, "osemintrideset"}, {39, "devetintrideset"}, {40, "štirideset"},
        {41, "enainštirideset"}, {42, "dvainštirideset"}, {43, "triinštirideset"}, {44, "štiriinštirideset"},
        {45, "petinštirideset"}, {46, "šestinštirideset"}, {47, "sedeminštirideset"}, {48, "oseminštirideset"},
        {49, "devetinštirideset"}, {50, "petdeset"}, {51, "enainpetdeset"}, {52, "dvainpetdeset"}, {53, "triinpetdeset"},
        {54, "štiriinpetdeset"}, {55, "petinpetdeset"}, {56, "šestinpetdeset"}, {57, "sedeminpetdeset"},
        {58, "oseminpetdeset"}, {59, "devetinpetdeset"}, {60, "šestdeset"}, {61, "enainšestdeset"}, {62, "dvainšestdeset"},
        {63, "triinšestdeset"}, {64, "štiriinšestdeset"}, {65, "petinšestdeset"}, {66, "šestinšestdeset"},
        {67, "sedeminšestdeset"}, {68, "oseminšestdeset"}, {69, "devetinšestdeset"}, {70, "sedemdeset"},
        {71, "enainsedemdeset"}, {72, "dvainsedemdeset"}, {73, "triinsedemdeset"}, {74, "štiriinsedemdeset"},
        {75, "petinsedemdeset"}, {76, "šestinsedemdeset"}, {77, "sedeminsedemdeset"}, {78, "oseminsedemdeset"},
        {79, "devetinsedemdeset"}, {80, "osemdeset"}, {81, "enainosemdeset"}, {82, "dvainosemdeset"},
        {83, "triinosemdeset"}, {84, "štiriinosemdeset"}, {85, "petinosemdeset"}, {86, "šestinosemdeset"},
        {87, "sedeminosemdeset"}, {88, "oseminosemdeset"}, {89, "devetinosemdeset"}, {90, "devetdeset"},
        {91, "enaindevetdeset"}, {92, "dvaindevetdeset"}, {93, "triindevetdeset"}, {94, "štiriindevetdeset"},
        {95, "petindevetdeset"}, {96, "šestindevetdeset"}, {97, "sedemindevetdeset"}, {98, "osemindevetdeset"},
        {99, "devetindevetdeset"}, {100, "sto"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
