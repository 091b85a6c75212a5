// The Portuguese words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& portugueseTable()
{
    static const LanguageTable table{
        "Portuguese",
        "pt",
        "1º de maio de 1850",
        "45 anos",
        {
            "janeiro|jan",
            "fevereiro|fev",
            "março|mar",
            "abril|abr",
            "maio|mai",
            "junho|jun",
            "julho|jul",
            "agosto|ago",
            "setembro|set|7bro|7bre",
            "outubro|out|8bro|8bre",
            "novembro|nov|9bro|9bre",
            "dezembro|dez|10bro|xbro|10bre|xbre",
        },
        {
            {"do mês de", DayToMonth},
            {"dia do mês de", DayToMonth},
            {"dias do mês de", DayToMonth},
            {"ao", BeforeDay},
            {"aos", BeforeDay},
            {"de", DayToMonth | MonthToYear},
            {"dia", BeforeDay},
            {"do ano de", MonthToYear, true},
        },
        {{"º", "1", true}, {"°", "1", true}},
        {
            "ano|anos", // years
            "mês|meses", // months
            "semana|semanas", // weeks
            "dia|dias", // days
            "", // units before their number
            "de|com|com a idade de|com idade de|de idade de", // before the age
            "de idade", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "pouco mais ou menos|mais ou menos|cerca de|circa", // about, before or after the number
            "e", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "um|uma"}, {2, "dois|duas"}, {3, "três"}, {4, "quatro"}, {5, "cinco"}, {6, "seis"}, {7, "sete"},
        {8, "oito"}, {9, "nove"}, {10, "dez"}, {11, "onze"}, {12, "doze"}, {13, "treze"},
        {14, "catorze|quatorze"}, {15, "quinze"}, {16, "dezesseis|dezasseis"}, {17, "dezessete|dezassete"},
        {18, "dezoito"}, {19, "dezenove|dezanove"}, {20, "vinte"}, {21, "vinte e um|vinte e uma"},
        {22, "vinte e dois|vinte e duas"}, {23, "vinte e três"}, {24, "vinte e quatro"},
        {25, "vinte e cinco"}, {26, "vinte e seis"}, {27, "vinte e sete"}, {28, "vinte e oito"},
        {29, "vinte e nove"}, {30, "trinta"}, {31, "trinta e um|trinta e uma"},
        {32, "trinta e dois|trinta e duas"}, {33, "trinta e três"}, {34, "trinta e quatro"},
        {35, "trinta e cinco"}, {36, "trinta e seis"}, {37, "trinta e sete"}, {38, "trinta e oito"},
        {39, "trinta e nove"}, {40, "quarenta"}, {41, "quarenta e um|quarenta e uma"},
        {42, "quarenta e dois|quarenta e duas"}, {43, "quarenta e três"}, {44, "quarenta e quatro"},
        {45, "quarenta e cinco"}, {46, "quarenta e seis"}, {47, "quarenta e sete"}, {48, "quarenta e oito"},
        {49, "quarenta e nove"}, {50, "cinquenta|cincoenta"},
        {51, "cinquenta e um|cinquenta e uma|cincoenta e um|cincoenta e uma"},
        {52, "cinquenta e dois|cinquenta e duas|cincoenta e dois|cincoenta e duas"},
        {53, "cinquenta e três|cincoenta e três"}, {54, "cinquenta e quatro|cincoenta e quatro"},
        {55, "cinquenta e cinco|cincoenta e cinco"}, {56, "cinquenta e seis|cincoenta e seis"},
        {57, "cinquenta e sete|cincoenta e sete"}, {58, "cinquenta e oito|cincoenta e oito"},
        {59, "cinquenta e nove|cincoenta e nove"}, {60, "sessenta"}, {61, "sessenta e um|sessenta e uma"},
        {62, "sessenta e dois|sessenta e duas"}, {63, "sessenta e três"}, {64, "sessenta e quatro"},
        {65, "sessenta e cinco"}, {66, "sessenta e seis"}, {67, "sessenta e sete"}, {68, "sessenta e oito"},
        {69, "sessenta e nove"}, {70, "setenta"}, {71, "setenta e um|setenta e uma"},
        {72, "setenta e dois|setenta e duas"}, {73, "setenta e três"}, {74, "setenta e quatro"},
        {75, "setenta e cinco"}, {76, "setenta e seis"}, {77, "setenta e sete"}, {78, "setenta e oito"},
        {79, "setenta e nove"}, {80, "oitenta"}, {81, "oitenta e um|oitenta e uma"},
        {82, "oitenta e dois|oitenta e duas"}, {83, "oitenta e três"}, {84, "oitenta e quatro"},
        {85, "oitenta e cinco"}, {86, "oitenta e seis"}, {87, "oitenta e sete"}, {88, "oitenta e oito"},
        {89, "oitenta e nove"}, {90, "noventa"}, {91, "noventa e um|noventa e uma"},
        {92, "noventa e dois|noventa e duas"}, {93, "noventa e três"}, {94, "noventa e quatro"},
        {95, "noventa e cinco"}, {96, "noventa e seis"}, {97, "noventa e sete"}, {98, "noventa e oito"},
        {99, "noventa e nove"}, {100, "cem|cento"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
