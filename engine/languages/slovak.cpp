// The Slovak words of dates and ages: data only (see languagetable.h).
// The month names with their genitives (marca, mája), as Slovak registers write them.
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& slovakTable()
{
    static const LanguageTable table{
        "Slovak",
        "sk",
        "3. marca 1850",
        "45 rokov",
        {
            "január|januára|jan",
            "február|februára|feb",
            "marec|marca|mar",
            "apríl|apríla|apr",
            "máj|mája",
            "jún|júna",
            "júl|júla",
            "august|augusta|aug",
            "september|septembra|sept|sep",
            "október|októbra|okt",
            "november|novembra|nov",
            "december|decembra|dec",
        },
        {
            {"dňa", BeforeDay},
            {"roku", MonthToYear | AfterYear, true},
            {"r", AfterYear, true},
            {"léta pána", BeforeYear, true},
        },
        {},
        {
            "rok|roky|rokov|roka|r", // years
            "mesiac|mesiace|mesiacov|mesiaca|mes", // months
            "týždeň|týždne|týždňov|týžd", // weeks
            "deň|dni|dní|dňa", // days
            "", // units before their number
            "vo veku|starý|stará|staré", // before the age
            "", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "asi|okolo|približne|cca|circa", // about, before or after the number
            "a|i", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "jeden|jedna|jedno"}, {2, "dva|dve"}, {3, "tri"}, {4, "štyri"}, {5, "päť"}, {6, "šesť"},
        {7, "sedem"}, {8, "osem"}, {9, "deväť"}, {10, "desať"}, {11, "jedenásť"}, {12, "dvanásť"}, {13, "trinásť"},
        {14, "štrnásť"}, {15, "pätnásť"}, {16, "šestnásť"}, {17, "sedemnásť"}, {18, "osemnásť"}, {19, "devätnásť"},
        {20, "dvadsať"}, {21, "dvadsaťjeden|dvadsať jeden|dvadsaťjedna|dvadsať jedna|dvadsaťjedno|dvadsať jedno"},
        {22, "dvadsaťdva|dvadsať dva|dvadsaťdve|dvadsať dve"}, {23, "dvadsaťtri|dvadsať tri"}, {24, "dvadsaťštyri|dvadsať štyri"},
        {25, "dvadsaťpäť|dvadsať päť"}, {26, "dvadsaťšesť|dvadsať šesť"}, {27, "dvadsaťsedem|dvadsať sedem"},
        {28, "dvadsaťosem|dvadsať osem"}, {29, "dvadsaťdeväť|dvadsať deväť"}, {30, "tridsať"}, {31, "tridsaťjeden|tridsať jeden|tridsaťjedna|tridsať jedna|tridsaťjedno|tridsať jedno"},
        {32, "tridsaťdva|tridsať dva|tridsaťdve|tridsať dve"}, {33, "tridsaťtri|tridsať tri"}, {34, "tridsaťštyri|tridsať štyri"},
        {35, "tridsaťpäť|tridsať päť"}, {36, "tridsaťšesť|tridsať šesť"}, {37, "tridsaťsedem|tridsať sedem"},
        {38, "tridsaťosem|tridsať osem"}, {39, "tridsaťdeväť|tridsať deväť"}, {40, "štyridsať"}, {41, "štyridsaťjeden|štyridsať jeden|štyridsaťjedna|štyridsať jedna|štyridsaťjedno|štyridsať jedno"},
        {42, "štyridsaťdva|štyridsať dva|štyridsaťdve|štyridsať dve"}, {43, "štyridsaťtri|štyridsať tri"},
        {44, "štyridsaťštyri|štyridsať štyri"}, {45, "štyridsaťpäť|štyridsať päť"}, {46, "štyridsaťšesť|štyridsať šesť"},
        {47, "štyridsaťsedem|štyridsať sedem"}, {48, "štyridsaťosem|štyridsať osem"}, {49, "štyridsaťdeväť|štyridsať deväť"},
        {50, "päťdesiat"}, {51, "päťdesiatjeden|päťdesiat jeden|päťdesiatjedna|päťdesiat jedna|päťdesiatjedno|päťdesiat jedno"},
        {52, "päťdesiatdva|päťdesiat dva|päťdesiatdve|päťdesiat dve"}, {53, "päťdesiattri|päťdesiat tri"},
        {54, "päťdesiatštyri|päťdesiat štyri"}, {55, "päťdesiatpäť|päťdesiat päť"}, {56, "päťdesiatšesť|päťdesiat šesť"},
        {57, "päťdesiatsedem|päťdesiat sedem"}, {58, "päťdesiatosem|päťdesiat osem"}, {59, "päťdesiatdeväť|päťdesiat deväť"},
        {60, "šesťdesiat"}, {61, "šesťdesiatjeden|šesťdesiat jeden|šesťdesiatjedna|šesťdesiat jedna|šesťdesiatjedno|šesťdesiat jedno"},
        {62, "šesťdesiatdva|šesťdesiat dva|šesťdesiatdve|šesťdesiat dve"}, {63, "šesťdesiattri|šesťdesiat tri"},
        {64, "šesťdesiatštyri|šesťdesiat štyri"}, {65, "šesťdesiatpäť|šesťdesiat päť"}, {66, "šesťdesiatšesť|šesťdesiat šesť"},
        {67, "šesťdesiatsedem|šesťdesiat sedem"}, {68, "šesťdesiatosem|šesťdesiat osem"}, {69, "šesťdesiatdeväť|šesťdesiat deväť"},
        {70, "sedemdesiat"}, {71, "sedemdesiatjeden|sedemdesiat jeden|sedemdesiatjedna|sedemdesiat jedna|sedemdesiatjedno|sedemdesiat jedno"},
        {72, "sedemdesiatdva|sedemdesiat dva|sedemdesiatdve|sedemdesiat dve"}, {73, "sedemdesiattri|sedemdesiat tri"},
        {74, "sedemdesiatštyri|sedemdesiat štyri"}, {75, "sedemdesiatpäť|sedemdesiat päť"}, {76, "sedemdesiatšesť|sedemdesiat šesť"},
        {77, "sedemdesiatsedem|sedemdesiat sedem"}, {78, "sedemdesiatosem|sedemdesiat osem"}, {79, "sedemdesiatdeväť|sedemdesiat deväť"},
        {80, "osemdesiat"}, {81, "osemdesiatjeden|osemdesiat jeden|osemdesiatjedna|osemdesiat jedna|osemdesiatjedno|osemdesiat jedno"},
        {82, "osemdesiatdva|osemdesiat dva|osemdesiatdve|osemdesiat dve"}, {83, "osemdesiattri|osemdesiat tri"},
        {84, "osemdesiatštyri|osemdesiat štyri"}, {85, "osemdesiatpäť|osemdesiat päť"}, {86, "osemdesiatšesť|osemdesiat šesť"},
        {87, "osemdesiatsedem|osemdesiat sedem"}, {88, "osemdesiatosem|osemdesiat osem"}, {89, "osemdesiatdeväť|osemdesiat deväť"},
        {90, "deväťdesiat"}, {91, "deväťdesiatjeden|deväťdesiat jeden|deväťdesiatjedna|deväťdesiat jedna|deväťdesiatjedno|deväťdesiat jedno"},
        {92, "deväťdesiatdva|deväťdesiat dva|deväťdesiatdve|deväťdesiat dve"}, {93, "deväťdesiattri|deväťdesiat tri"},
        {94, "deväťdesiatštyri|deväťdesiat štyri"}, {95, "deväťdesiatpäť|deväťdesiat päť"}, {96, "deväťdesiatšesť|deväťdesiat šesť"},
        {97, "deväťdesiatsedem|deväťdesiat sedem"}, {98, "deväťdesiatosem|deväťdesiat osem"}, {99, "deväťdesiatdeväť|deväťdesiat deväť"},
        {100, "sto"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
