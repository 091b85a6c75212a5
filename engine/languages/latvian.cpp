// The Latvian words of dates and ages: data only (see languagetable.h).
// The year first with "gada", the months in the locative (martā) and
// genitive, as Latvian church books write them.
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& latvianTable()
{
    static const LanguageTable table{
        "Latvian",
        "lv",
        "1850. gada 3. martā",
        "45 gadi",
        {
            "janvāris|janvāra|janvārī|janv",
            "februāris|februāra|februārī|febr",
            "marts|marta|martā",
            "aprīlis|aprīļa|aprīlī|apr",
            "maijs|maija|maijā",
            "jūnijs|jūnija|jūnijā",
            "jūlijs|jūlija|jūlijā",
            "augusts|augusta|augustā|aug",
            "septembris|septembra|septembrī|sept",
            "oktobris|oktobra|oktobrī|okt",
            "novembris|novembra|novembrī|nov",
            "decembris|decembra|decembrī|dec",
        },
        {
            {"gada", AfterYear, true},
            {"gadā", AfterYear, true},
            {"g", AfterYear, true},
        },
        {},
        {
            "gads|gadi|gadu|gadus|g", // years
            "mēnesis|mēneši|mēnešu|mēnešus|mēn", // months
            "nedēļa|nedēļas|nedēļu", // weeks
            "diena|dienas|dienu|d", // days
            "", // units before their number
            "", // before the age
            "vecumā|vecs|veca", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "apmēram|ap|aptuveni", // about, before or after the number
            "un", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "viens|viena"}, {2, "divi|divas"}, {3, "trīs"}, {4, "četri|četras"}, {5, "pieci|piecas"},
        {6, "seši|sešas"}, {7, "septiņi|septiņas"}, {8, "astoņi|astoņas"}, {9, "deviņi|deviņas"}, {10, "desmit"},
        {11, "vienpadsmit"}, {12, "divpadsmit"}, {13, "trīspadsmit"}, {14, "četrpadsmit"}, {15, "piecpadsmit"},
        {16, "sešpadsmit"}, {17, "septiņpadsmit"}, {18, "astoņpadsmit"}, {19, "deviņpadsmit"}, {20, "divdesmit"},
        {21, "divdesmit viens|divdesmit viena"}, {22, "divdesmit divi|divdesmit divas"}, {23, "divdesmit trīs"},
        {24, "divdesmit četri|divdesmit četras"}, {25, "divdesmit pieci|divdesmit piecas"}, {26, "divdesmit seši|divdesmit sešas"},
        {27, "divdesmit septiņi|divdesmit septiņas"}, {28, "divdesmit astoņi|divdesmit astoņas"}, {29, "divdesmit deviņi|divdesmit deviņas"},
        {30, "trīsdesmit"}, {31, "trīsdesmit viens|trīsdesmit viena"}, {32, "trīsdesmit divi|trīsdesmit divas"},
        {33, "trīsdesmit trīs"}, {34, "trīsdesmit četri|trīsdesmit četras"}, {35, "trīsdesmit pieci|trīsdesmit piecas"},
        {36, "trīsdesmit seši|trīsdesmit sešas"}, {37, "trīsdesmit septiņi|trīsdesmit septiņas"}, {38, "trīsdesmit astoņi|trīsdesmit astoņas"},
        {39, "trīsdesmit deviņi|trīsdesmit deviņas"}, {40, "četrdesmit"}, {41, "četrdesmit viens|četrdesmit viena"},
        {42, "četrdesmit divi|četrdesmit divas"}, {43, "četrdesmit trīs"}, {44, "četrdesmit četri|četrdesmit četras"},
        {45, "četrdesmit pieci|četrdesmit piecas"}, {46, "četrdesmit seši|četrdesmit sešas"}, {47, "četrdesmit septiņi|četrdesmit septiņas"},
        {48, "četrdesmit astoņi|četrdesmit astoņas"}, {49, "četrdesmit deviņi|četrdesmit deviņas"}, {50, "piecdesmit"},
        {51, "piecdesmit viens|piecdesmit viena"}, {52, "piecdesmit divi|piecdesmit divas"}, {53, "piecdesmit trīs"},
        {54, "piecdesmit četri|piecdesmit četras"}, {55, "piecdesmit pieci|piecdesmit piecas"}, {56, "piecdesmit seši|piecdesmit sešas"},
        {57, "piecdesmit septiņi|piecdesmit septiņas"}, {58, "piecdesmit astoņi|piecdesmit astoņas"},
        {59, "piecdesmit deviņi|piecdesmit deviņas"}, {60, "sešdesmit"}, {61, "sešdesmit viens|sešdesmit viena"},
        {62, "sešdesmit divi|sešdesmit divas"}, {63, "sešdesmit trīs"}, {64, "sešdesmit četri|sešdesmit četras"},
        {65, "sešdesmit pieci|sešdesmit piecas"}, {66, "sešdesmit seši|sešdesmit sešas"}, {67, "sešdesmit septiņi|sešdesmit septiņas"},
        {68, "sešdesmit astoņi|sešdesmit astoņas"}, {69, "sešdesmit deviņi|sešdesmit deviņas"}, {70, "septiņdesmit"},
        {71, "septiņdesmit viens|septiņdesmit viena"}, {72, "septiņdesmit divi|septiņdesmit divas"},
        {73, "septiņdesmit trīs"}, {74, "septiņdesmit četri|septiņdesmit četras"}, {75, "septiņdesmit pieci|septiņdesmit piecas"},
        {76, "septiņdesmit seši|septiņdesmit sešas"}, {77, "septiņdesmit septiņi|septiņdesmit septiņas"},
        {78, "septiņdesmit astoņi|septiņdesmit astoņas"}, {79, "septiņdesmit deviņi|septiņdesmit deviņas"},
        {80, "astoņdesmit"}, {81, "astoņdesmit viens|astoņdesmit viena"}, {82, "astoņdesmit divi|astoņdesmit divas"},
        {83, "astoņdesmit trīs"}, {84, "astoņdesmit četri|astoņdesmit četras"}, {85, "astoņdesmit pieci|astoņdesmit piecas"},
        {86, "astoņdesmit seši|astoņdesmit sešas"}, {87, "astoņdesmit septiņi|astoņdesmit septiņas"},
        {88, "astoņdesmit astoņi|astoņdesmit astoņas"}, {89, "astoņdesmit deviņi|astoņdesmit deviņas"},
        {90, "deviņdesmit"}, {91, "deviņdesmit viens|deviņdesmit viena"}, {92, "deviņdesmit divi|deviņdesmit divas"},
        {93, "deviņdesmit trīs"}, {94, "deviņdesmit četri|deviņdesmit četras"}, {95, "deviņdesmit pieci|deviņdesmit piecas"},
        {96, "deviņdesmit seši|deviņdesmit sešas"}, {97, "deviņdesmit septiņi|deviņdesmit septiņas"},
        {98, "deviņdesmit astoņi|deviņdesmit astoņas"}, {99, "deviņdesmit deviņi|deviņdesmit deviņas"},
        {100, "simts|simt"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
