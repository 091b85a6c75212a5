// The Finnish words of dates and ages: data only (see languagetable.h).
// The months in -kuu with their partitive (maaliskuuta), genitive and essive,
// and the day as "päivänä", as Finnish parish registers write them.
// Checked against: "Finnish Genealogical Word List", FamilySearch Wiki, https://familysearch.org/wiki/en/index.php?title=Finnish_Genealogical_Word_List&oldid=205098
// Checked against: Charles Eliot, "A Finnish Grammar" (dates, months), https://bitlit.ru/page/en/charles-eliot/a-finnish-grammar/130
// Checked against: "Finnish numerals", https://wikimili.com/en/Finnish_numerals
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& finnishTable()
{
    static const LanguageTable table{
        "Finnish",
        "fi",
        "24 päivänä kesäkuuta 1850",
        "45 vuotta",
        {
            "tammikuu|tammikuuta|tammikuun|tammikuussa|tammik",
            "helmikuu|helmikuuta|helmikuun|helmikuussa|helmik",
            "maaliskuu|maaliskuuta|maaliskuun|maaliskuussa|maalisk",
            "huhtikuu|huhtikuuta|huhtikuun|huhtikuussa|huhtik",
            "toukokuu|toukokuuta|toukokuun|toukokuussa|toukok",
            "kesäkuu|kesäkuuta|kesäkuun|kesäkuussa|kesäk",
            "heinäkuu|heinäkuuta|heinäkuun|heinäkuussa|heinäk",
            "elokuu|elokuuta|elokuun|elokuussa|elok",
            "syyskuu|syyskuuta|syyskuun|syyskuussa|syysk",
            "lokakuu|lokakuuta|lokakuun|lokakuussa|lokak",
            "marraskuu|marraskuuta|marraskuun|marraskuussa|marrask",
            "joulukuu|joulukuuta|joulukuun|joulukuussa|jouluk",
        },
        {
            {"päivänä", DayToMonth | BeforeYear},
            {"vuonna", BeforeYear, true},
            {"vuoden", BeforeYear, true},
        },
        {},
        {
            "vuosi|vuotta|vuoden|vuotias|v", // years
            "kuukausi|kuukautta|kuukauden|kk|kuuk", // months
            "viikko|viikkoa|viikon|vk", // weeks
            "päivä|päivää|päivän|pv", // days
            "", // units before their number
            "iältään|iässä", // before the age
            "vanha|vanhana|ikäisenä", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "noin|suunnilleen|lähes", // about, before or after the number
            "ja", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "yksi"}, {2, "kaksi"}, {3, "kolme"}, {4, "neljä"}, {5, "viisi"}, {6, "kuusi"}, {7, "seitsemän"},
        {8, "kahdeksan"}, {9, "yhdeksän"}, {10, "kymmenen"}, {11, "yksitoista"}, {12, "kaksitoista"},
        {13, "kolmetoista"}, {14, "neljätoista"}, {15, "viisitoista"}, {16, "kuusitoista"}, {17, "seitsemäntoista"},
        {18, "kahdeksantoista"}, {19, "yhdeksäntoista"}, {20, "kaksikymmentä"}, {21, "kaksikymmentäyksi|kaksikymmentä yksi"},
        {22, "kaksikymmentäkaksi|kaksikymmentä kaksi"}, {23, "kaksikymmentäkolme|kaksikymmentä kolme"},
        {24, "kaksikymmentäneljä|kaksikymmentä neljä"}, {25, "kaksikymmentäviisi|kaksikymmentä viisi"},
        {26, "kaksikymmentäkuusi|kaksikymmentä kuusi"}, {27, "kaksikymmentäseitsemän|kaksikymmentä seitsemän"},
        {28, "kaksikymmentäkahdeksan|kaksikymmentä kahdeksan"}, {29, "kaksikymmentäyhdeksän|kaksikymmentä yhdeksän"},
        {30, "kolmekymmentä"}, {31, "kolmekymmentäyksi|kolmekymmentä yksi"}, {32, "kolmekymmentäkaksi|kolmekymmentä kaksi"},
        {33, "kolmekymmentäkolme|kolmekymmentä kolme"}, {34, "kolmekymmentäneljä|kolmekymmentä neljä"},
        {35, "kolmekymmentäviisi|kolmekymmentä viisi"}, {36, "kolmekymmentäkuusi|kolmekymmentä kuusi"},
        {37, "kolmekymmentäseitsemän|kolmekymmentä seitsemän"}, {38, "kolmekymmentäkahdeksan|kolmekymmentä kahdeksan"},
        {39, "kolmekymmentäyhdeksän|kolmekymmentä yhdeksän"}, {40, "neljäkymmentä"}, {41, "neljäkymmentäyksi|neljäkymmentä yksi"},
        {42, "neljäkymmentäkaksi|neljäkymmentä kaksi"}, {43, "neljäkymmentäkolme|neljäkymmentä kolme"},
        {44, "neljäkymmentäneljä|neljäkymmentä neljä"}, {45, "neljäkymmentäviisi|neljäkymmentä viisi"},
        {46, "neljäkymmentäkuusi|neljäkymmentä kuusi"}, {47, "neljäkymmentäseitsemän|neljäkymmentä seitsemän"},
        {48, "neljäkymmentäkahdeksan|neljäkymmentä kahdeksan"}, {49, "neljäkymmentäyhdeksän|neljäkymmentä yhdeksän"},
        {50, "viisikymmentä"}, {51, "viisikymmentäyksi|viisikymmentä yksi"}, {52, "viisikymmentäkaksi|viisikymmentä kaksi"},
        {53, "viisikymmentäkolme|viisikymmentä kolme"}, {54, "viisikymmentäneljä|viisikymmentä neljä"},
        {55, "viisikymmentäviisi|viisikymmentä viisi"}, {56, "viisikymmentäkuusi|viisikymmentä kuusi"},
        {57, "viisikymmentäseitsemän|viisikymmentä seitsemän"}, {58, "viisikymmentäkahdeksan|viisikymmentä kahdeksan"},
        {59, "viisikymmentäyhdeksän|viisikymmentä yhdeksän"}, {60, "kuusikymmentä"}, {61, "kuusikymmentäyksi|kuusikymmentä yksi"},
        {62, "kuusikymmentäkaksi|kuusikymmentä kaksi"}, {63, "kuusikymmentäkolme|kuusikymmentä kolme"},
        {64, "kuusikymmentäneljä|kuusikymmentä neljä"}, {65, "kuusikymmentäviisi|kuusikymmentä viisi"},
        {66, "kuusikymmentäkuusi|kuusikymmentä kuusi"}, {67, "kuusikymmentäseitsemän|kuusikymmentä seitsemän"},
        {68, "kuusikymmentäkahdeksan|kuusikymmentä kahdeksan"}, {69, "kuusikymmentäyhdeksän|kuusikymmentä yhdeksän"},
        {70, "seitsemänkymmentä"}, {71, "seitsemänkymmentäyksi|seitsemänkymmentä yksi"}, {72, "seitsemänkymmentäkaksi|seitsemänkymmentä kaksi"},
        {73, "seitsemänkymmentäkolme|seitsemänkymmentä kolme"}, {74, "seitsemänkymmentäneljä|seitsemänkymmentä neljä"},
        {75, "seitsemänkymmentäviisi|seitsemänkymmentä viisi"}, {76, "seitsemänkymmentäkuusi|seitsemänkymmentä kuusi"},
        {77, "seitsemänkymmentäseitsemän|seitsemänkymmentä seitsemän"}, {78, "seitsemänkymmentäkahdeksan|seitsemänkymmentä kahdeksan"},
        {79, "seitsemänkymmentäyhdeksän|seitsemänkymmentä yhdeksän"}, {80, "kahdeksankymmentä"}, {81, "kahdeksankymmentäyksi|kahdeksankymmentä yksi"},
        {82, "kahdeksankymmentäkaksi|kahdeksankymmentä kaksi"}, {83, "kahdeksankymmentäkolme|kahdeksankymmentä kolme"},
        {84, "kahdeksankymmentäneljä|kahdeksankymmentä neljä"}, {85, "kahdeksankymmentäviisi|kahdeksankymmentä viisi"},
        {86, "kahdeksankymmentäkuusi|kahdeksankymmentä kuusi"}, {87, "kahdeksankymmentäseitsemän|kahdeksankymmentä seitsemän"},
        {88, "kahdeksankymmentäkahdeksan|kahdeksankymmentä kahdeksan"}, {89, "kahdeksankymmentäyhdeksän|kahdeksankymmentä yhdeksän"},
        {90, "yhdeksänkymmentä"}, {91, "yhdeksänkymmentäyksi|yhdeksänkymmentä yksi"}, {92, "yhdeksänkymmentäkaksi|yhdeksänkymmentä kaksi"},
        {93, "yhdeksänkymmentäkolme|yhdeksänkymmentä kolme"}, {94, "yhdeksänkymmentäneljä|yhdeksänkymmentä neljä"},
        {95, "yhdeksänkymmentäviisi|yhdeksänkymmentä viisi"}, {96, "yhdeksänkymmentäkuusi|yhdeksänkymmentä kuusi"},
        {97, "yhdeksänkymmentäseitsemän|yhdeksänkymmentä seitsemän"}, {98, "yhdeksänkymmentäkahdeksan|yhdeksänkymmentä kahdeksan"},
        {99, "yhdeksänkymmentäyhdeksän|yhdeksänkymmentä yhdeksän"}, {100, "sata"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
