// The Spanish words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& spanishTable()
{
    static const LanguageTable table{
        "Spanish",
        "es",
        "3 de marzo de 1850",
        "de 45 años de edad",
        {
            "enero|ene",
            "febrero|feb|febo",
            "marzo|mar",
            "abril|abr",
            "mayo|may",
            "junio|jun",
            "julio|jul",
            "agosto|ago|agto",
            "septiembre|setiembre|sept|sep|set|7bre|7bro",
            "octubre|oct|8bre|8bro",
            "noviembre|nov|9bre|9bro",
            "diciembre|dic|10bre|xbre|10bro|xbro",
        },
        {
            {"del mes de", DayToMonth},
            {"día del mes de", DayToMonth},
            {"días del mes de", DayToMonth},
            {"a los", BeforeDay},
            {"a", BeforeDay},
            {"de", DayToMonth | MonthToYear},
            {"del", MonthToYear},
            {"el", BeforeDay},
            {"el día", BeforeDay},
            {"día", BeforeDay},
            {"del año", MonthToYear, true},
            {"de año", MonthToYear, true},
        },
        {{"º", "1", true}, {"°", "1", true}},
        {
            "año|años", // years
            "mes|meses", // months
            "semana|semanas", // weeks
            "día|días", // days
            "", // units before their number
            "de|a la edad de|de edad de|con", // before the age
            "de edad", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "poco más o menos|más o menos|cerca de|como|unos|circa", // about, before or after the number
            "y|e", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "uno|una|un"}, {2, "dos"}, {3, "tres"}, {4, "cuatro"}, {5, "cinco"}, {6, "seis"}, {7, "siete"},
        {8, "ocho"}, {9, "nueve"}, {10, "diez"}, {11, "once"}, {12, "doce"}, {13, "trece"}, {14, "catorce"},
        {15, "quince"}, {16, "dieciséis|diez y seis"}, {17, "diecisiete|diez y siete"},
        {18, "dieciocho|diez y ocho"}, {19, "diecinueve|diez y nueve"}, {20, "veinte"},
        {21, "veintiuno|veintiún|veintiuna|veinte y uno"}, {22, "veintidós|veinte y dos"},
        {23, "veintitrés|veinte y tres"}, {24, "veinticuatro|veinte y cuatro"},
        {25, "veinticinco|veinte y cinco"}, {26, "veintiséis|veinte y seis"},
        {27, "veintisiete|veinte y siete"}, {28, "veintiocho|veinte y ocho"},
        {29, "veintinueve|veinte y nueve"}, {30, "treinta"}, {31, "treinta y uno"}, {32, "treinta y dos"},
        {33, "treinta y tres"}, {34, "treinta y cuatro"}, {35, "treinta y cinco"}, {36, "treinta y seis"},
        {37, "treinta y siete"}, {38, "treinta y ocho"}, {39, "treinta y nueve"}, {40, "cuarenta"},
        {41, "cuarenta y uno"}, {42, "cuarenta y dos"}, {43, "cuarenta y tres"}, {44, "cuarenta y cuatro"},
        {45, "cuarenta y cinco"}, {46, "cuarenta y seis"}, {47, "cuarenta y siete"}, {48, "cuarenta y ocho"},
        {49, "cuarenta y nueve"}, {50, "cincuenta"}, {51, "cincuenta y uno"}, {52, "cincuenta y dos"},
        {53, "cincuenta y tres"}, {54, "cincuenta y cuatro"}, {55, "cincuenta y cinco"},
        {56, "cincuenta y seis"}, {57, "cincuenta y siete"}, {58, "cincuenta y ocho"},
        {59, "cincuenta y nueve"}, {60, "sesenta"}, {61, "sesenta y uno"}, {62, "sesenta y dos"},
        {63, "sesenta y tres"}, {64, "sesenta y cuatro"}, {65, "sesenta y cinco"}, {66, "sesenta y seis"},
        {67, "sesenta y siete"}, {68, "sesenta y ocho"}, {69, "sesenta y nueve"}, {70, "setenta"},
        {71, "setenta y uno"}, {72, "setenta y dos"}, {73, "setenta y tres"}, {74, "setenta y cuatro"},
        {75, "setenta y cinco"}, {76, "setenta y seis"}, {77, "setenta y siete"}, {78, "setenta y ocho"},
        {79, "setenta y nueve"}, {80, "ochenta"}, {81, "ochenta y uno"}, {82, "ochenta y dos"},
        {83, "ochenta y tres"}, {84, "ochenta y cuatro"}, {85, "ochenta y cinco"}, {86, "ochenta y seis"},
        {87, "ochenta y siete"}, {88, "ochenta y ocho"}, {89, "ochenta y nueve"}, {90, "noventa"},
        {91, "noventa y uno"}, {92, "noventa y dos"}, {93, "noventa y tres"}, {94, "noventa y cuatro"},
        {95, "noventa y cinco"}, {96, "noventa y seis"}, {97, "noventa y siete"}, {98, "noventa y ocho"},
        {99, "noventa y nueve"}, {100, "cien|ciento"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
