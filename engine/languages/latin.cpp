// The Latin words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& latinTable()
{
    static const LanguageTable table{
        "Latin",
        "la",
        "die vij Junii MDCCL",
        "anno aetatis suae 45",
        {
            "januarius|januarii|januario|januarij|ianuarius|ianuarii|ianuario|ianuarij|jan|ian|januar|ianuar",
            "februarius|februarii|februario|februarij|febr|feb",
            "martius|martii|martio|martij|mart",
            "aprilis|aprili|apr|aprilj",
            "maius|maii|maio|maij|majus|maji|majo",
            "junius|junii|junio|junij|iunius|iunii|iunio|iunij|jun|iun",
            "julius|julii|julio|julij|iulius|iulii|iulio|iulij|jul|iul",
            "augustus|augusti|augusto|aug",
            "september|septembris|septembri|sept|7bris|7ber|viibris|viiber",
            "october|octobris|octobri|oct|octob|8bris|8ber|viiibris|viiiber",
            "november|novembris|novembri|nov|novemb|9bris|9ber|ixbris|ixber",
            "december|decembris|decembri|dec|decemb|10bris|10ber|xbris|xber",
        },
        {
            {"die", BeforeDay},
            {"mensis", DayToMonth},
            {"anno", BeforeYear, true},
            {"anno domini", BeforeYear | AfterYear, true},
            {"ad", BeforeYear | AfterYear, true},
        },
        {{"ma", "0123456789"}, {"mo", "0123456789"}, {"da", "2"}, {"do", "2"}, {"tia", "3"}, {"tio", "3"}, {"ta", "456"}, {"to", "456"}, {"va", "8"}, {"vo", "8"}, {"na", "9"}, {"no", "9"}},
        {
            "annorum|annos|annis|anni|anno|annum|ann|an", // years
            "mensium|menses|mensis|mens", // months
            "hebdomadarum|hebdomadas|hebdomadae|septimanarum", // weeks
            "dierum|dies|diebus", // days
            "annorum|annos|mensium|menses|dierum|dies|hebdomadarum", // units before their number
            "aetatis|aetatis suae|aetatis annorum|annorum aetatis|natus|nata|natum", // before the age
            "", // after the age
            "anno aetatis suae|anno aetatis|anno suae aetatis|aetatis suae anno|aetatis anno", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "circiter|circa|fere|plus minus|plus minusve", // about, before or after the number
            "et|ac|atque", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "unus|una|unum|uno|unius"}, {2, "duo|duae|duobus|duorum"}, {3, "tres|tria|trium"},
        {4, "quattuor|quatuor"}, {5, "quinque"}, {6, "sex"}, {7, "septem"}, {8, "octo"}, {9, "novem"},
        {10, "decem"}, {11, "undecim"}, {12, "duodecim"}, {13, "tredecim"},
        {14, "quattuordecim|quatuordecim"}, {15, "quindecim"}, {16, "sedecim|sexdecim"},
        {17, "septendecim|decem et septem"}, {18, "duodeviginti|decem et octo"},
        {19, "undeviginti|decem et novem"}, {20, "viginti"}, {21, "viginti unus|viginti una|unus et viginti"},
        {22, "viginti duo|viginti duae|duo et viginti"}, {23, "viginti tres|viginti tria|tres et viginti"},
        {24, "viginti quattuor|viginti quatuor|quattuor et viginti"},
        {25, "viginti quinque|quinque et viginti"}, {26, "viginti sex|sex et viginti"},
        {27, "viginti septem|septem et viginti"}, {28, "duodetriginta|viginti octo"},
        {29, "undetriginta|viginti novem"}, {30, "triginta"},
        {31, "triginta unus|triginta una|unus et triginta"},
        {32, "triginta duo|triginta duae|duo et triginta"},
        {33, "triginta tres|triginta tria|tres et triginta"},
        {34, "triginta quattuor|triginta quatuor|quattuor et triginta"},
        {35, "triginta quinque|quinque et triginta"}, {36, "triginta sex|sex et triginta"},
        {37, "triginta septem|septem et triginta"}, {38, "duodequadraginta|triginta octo"},
        {39, "undequadraginta|triginta novem"}, {40, "quadraginta"},
        {41, "quadraginta unus|quadraginta una|unus et quadraginta"},
        {42, "quadraginta duo|quadraginta duae|duo et quadraginta"},
        {43, "quadraginta tres|quadraginta tria|tres et quadraginta"},
        {44, "quadraginta quattuor|quadraginta quatuor|quattuor et quadraginta"},
        {45, "quadraginta quinque|quinque et quadraginta"}, {46, "quadraginta sex|sex et quadraginta"},
        {47, "quadraginta septem|septem et quadraginta"}, {48, "duodequinquaginta|quadraginta octo"},
        {49, "undequinquaginta|quadraginta novem"}, {50, "quinquaginta"},
        {51, "quinquaginta unus|quinquaginta una|unus et quinquaginta"},
        {52, "quinquaginta duo|quinquaginta duae|duo et quinquaginta"},
        {53, "quinquaginta tres|quinquaginta tria|tres et quinquaginta"},
        {54, "quinquaginta quattuor|quinquaginta quatuor|quattuor et quinquaginta"},
        {55, "quinquaginta quinque|quinque et quinquaginta"}, {56, "quinquaginta sex|sex et quinquaginta"},
        {57, "quinquaginta septem|septem et quinquaginta"}, {58, "duodesexaginta|quinquaginta octo"},
        {59, "undesexaginta|quinquaginta novem"}, {60, "sexaginta"},
        {61, "sexaginta unus|sexaginta una|unus et sexaginta"},
        {62, "sexaginta duo|sexaginta duae|duo et sexaginta"},
        {63, "sexaginta tres|sexaginta tria|tres et sexaginta"},
        {64, "sexaginta quattuor|sexaginta quatuor|quattuor et sexaginta"},
        {65, "sexaginta quinque|quinque et sexaginta"}, {66, "sexaginta sex|sex et sexaginta"},
        {67, "sexaginta septem|septem et sexaginta"}, {68, "duodeseptuaginta|sexaginta octo"},
        {69, "undeseptuaginta|sexaginta novem"}, {70, "septuaginta"},
        {71, "septuaginta unus|septuaginta una|unus et septuaginta"},
        {72, "septuaginta duo|septuaginta duae|duo et septuaginta"},
        {73, "septuaginta tres|septuaginta tria|tres et septuaginta"},
        {74, "septuaginta quattuor|septuaginta quatuor|quattuor et septuaginta"},
        {75, "septuaginta quinque|quinque et septuaginta"}, {76, "septuaginta sex|sex et septuaginta"},
        {77, "septuaginta septem|septem et septuaginta"}, {78, "duodeoctoginta|septuaginta octo"},
        {79, "undeoctoginta|septuaginta novem"}, {80, "octoginta"},
        {81, "octoginta unus|octoginta una|unus et octoginta"},
        {82, "octoginta duo|octoginta duae|duo et octoginta"},
        {83, "octoginta tres|octoginta tria|tres et octoginta"},
        {84, "octoginta quattuor|octoginta quatuor|quattuor et octoginta"},
        {85, "octoginta quinque|quinque et octoginta"}, {86, "octoginta sex|sex et octoginta"},
        {87, "octoginta septem|septem et octoginta"}, {88, "duodenonaginta|octoginta octo"},
        {89, "undenonaginta|octoginta novem"}, {90, "nonaginta"},
        {91, "nonaginta unus|nonaginta una|unus et nonaginta"},
        {92, "nonaginta duo|nonaginta duae|duo et nonaginta"},
        {93, "nonaginta tres|nonaginta tria|tres et nonaginta"},
        {94, "nonaginta quattuor|nonaginta quatuor|quattuor et nonaginta"},
        {95, "nonaginta quinque|quinque et nonaginta"}, {96, "nonaginta sex|sex et nonaginta"},
        {97, "nonaginta septem|septem et nonaginta"}, {98, "duodecentum|nonaginta octo"},
        {99, "undecentum|nonaginta novem"}, {100, "centum"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
