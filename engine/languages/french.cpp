// The French words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& frenchTable()
{
    static const LanguageTable table{
        "French",
        "fr",
        "le 3 mars 1750",
        "âgée de 45 ans 3 mois",
        {
            "janvier|janv|jan",
            "février|févr|fév",
            "mars",
            "avril|avr",
            "mai",
            "juin",
            "juillet|juil|juill",
            "août|aoust",
            "septembre|sept|7bre|viibre",
            "octobre|oct|8bre|viiibre",
            "novembre|nov|9bre|ixbre",
            "décembre|déc|10bre|xbre",
        },
        {
            {"le", BeforeDay},
            {"l'an", MonthToYear, true},
            {"de l'an", MonthToYear, true},
            {"an", MonthToYear, true},
        },
        {{"er", "1", true}, {"re", "1", true}},
        {
            "an|ans|année|années", // years
            "mois", // months
            "semaine|semaines|sem", // weeks
            "jour|jours", // days
            "", // units before their number
            "âgé de|âgée de|à l'âge de|âgé|âgée", // before the age
            "", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "environ|d'environ|ou environ|à peu près|vers", // about, before or after the number
            "et", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "un|une"}, {2, "deux"}, {3, "trois"}, {4, "quatre"}, {5, "cinq"}, {6, "six"}, {7, "sept"},
        {8, "huit"}, {9, "neuf"}, {10, "dix"}, {11, "onze"}, {12, "douze"}, {13, "treize"}, {14, "quatorze"},
        {15, "quinze"}, {16, "seize"}, {17, "dix-sept"}, {18, "dix-huit"}, {19, "dix-neuf"}, {20, "vingt"},
        {21, "vingt et un"}, {22, "vingt-deux"}, {23, "vingt-trois"}, {24, "vingt-quatre"},
        {25, "vingt-cinq"}, {26, "vingt-six"}, {27, "vingt-sept"}, {28, "vingt-huit"}, {29, "vingt-neuf"},
        {30, "trente"}, {31, "trente et un"}, {32, "trente-deux"}, {33, "trente-trois"},
        {34, "trente-quatre"}, {35, "trente-cinq"}, {36, "trente-six"}, {37, "trente-sept"},
        {38, "trente-huit"}, {39, "trente-neuf"}, {40, "quarante"}, {41, "quarante et un"},
        {42, "quarante-deux"}, {43, "quarante-trois"}, {44, "quarante-quatre"}, {45, "quarante-cinq"},
        {46, "quarante-six"}, {47, "quarante-sept"}, {48, "quarante-huit"}, {49, "quarante-neuf"},
        {50, "cinquante"}, {51, "cinquante et un"}, {52, "cinquante-deux"}, {53, "cinquante-trois"},
        {54, "cinquante-quatre"}, {55, "cinquante-cinq"}, {56, "cinquante-six"}, {57, "cinquante-sept"},
        {58, "cinquante-huit"}, {59, "cinquante-neuf"}, {60, "soixante"}, {61, "soixante et un"},
        {62, "soixante-deux"}, {63, "soixante-trois"}, {64, "soixante-quatre"}, {65, "soixante-cinq"},
        {66, "soixante-six"}, {67, "soixante-sept"}, {68, "soixante-huit"}, {69, "soixante-neuf"},
        {70, "soixante-dix|septante"}, {71, "soixante et onze|septante et un"},
        {72, "soixante-douze|septante-deux"}, {73, "soixante-treize|septante-trois"},
        {74, "soixante-quatorze|septante-quatre"}, {75, "soixante-quinze|septante-cinq"},
        {76, "soixante-seize|septante-six"}, {77, "soixante-dix-sept|septante-sept"},
        {78, "soixante-dix-huit|septante-huit"}, {79, "soixante-dix-neuf|septante-neuf"},
        {80, "quatre-vingts|quatre-vingt|huitante"}, {81, "quatre-vingt-un|huitante et un"},
        {82, "quatre-vingt-deux|huitante-deux"}, {83, "quatre-vingt-trois|huitante-trois"},
        {84, "quatre-vingt-quatre|huitante-quatre"}, {85, "quatre-vingt-cinq|huitante-cinq"},
        {86, "quatre-vingt-six|huitante-six"}, {87, "quatre-vingt-sept|huitante-sept"},
        {88, "quatre-vingt-huit|huitante-huit"}, {89, "quatre-vingt-neuf|huitante-neuf"},
        {90, "quatre-vingt-dix|nonante"}, {91, "quatre-vingt-onze|nonante et un"},
        {92, "quatre-vingt-douze|nonante-deux"}, {93, "quatre-vingt-treize|nonante-trois"},
        {94, "quatre-vingt-quatorze|nonante-quatre"}, {95, "quatre-vingt-quinze|nonante-cinq"},
        {96, "quatre-vingt-seize|nonante-six"}, {97, "quatre-vingt-dix-sept|nonante-sept"},
        {98, "quatre-vingt-dix-huit|nonante-huit"}, {99, "quatre-vingt-dix-neuf|nonante-neuf"}, {100, "cent"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
