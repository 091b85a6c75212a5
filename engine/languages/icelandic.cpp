// The Icelandic words of dates and ages: data only (see languagetable.h).
// The month names and the age in the genitive (45 ára), as Icelandic church books write them.
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& icelandicTable()
{
    static const LanguageTable table{
        "Icelandic",
        "is",
        "3. mars 1850",
        "45 ára",
        {
            "janúar|jan",
            "febrúar|feb",
            "mars",
            "apríl|apr",
            "maí",
            "júní|jún",
            "júlí|júl",
            "ágúst|ág",
            "september|sept|sep",
            "október|okt",
            "nóvember|nóv",
            "desember|des",
        },
        {
            {"þann", BeforeDay},
            {"hinn", BeforeDay},
            {"árið", BeforeYear, true},
        },
        {},
        {
            "ár|ára|árs|árum", // years
            "mánuður|mánuðir|mánaða|mánaðar|mánuði|mán", // months
            "vika|vikur|vikna|viku", // weeks
            "dagur|dagar|daga|dags|degi", // days
            "", // units before their number
            "", // before the age
            "gamall|gömul|að aldri", // after the age
            "á", // before the ordinal year of an age
            "aldursári", // after the ordinal year of an age
            "hér um bil|nálægt", // about, before or after the number
            "og", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "einn|ein|eitt"}, {2, "tveir|tvær|tvö"}, {3, "þrír|þrjár|þrjú"}, {4, "fjórir|fjórar|fjögur"},
        {5, "fimm"}, {6, "sex"}, {7, "sjö"}, {8, "átta"}, {9, "níu"}, {10, "tíu"}, {11, "ellefu"}, {12, "tólf"},
        {13, "þrettán"}, {14, "fjórtán"}, {15, "fimmtán"}, {16, "sextán"}, {17, "sautján"}, {18, "átján"},
        {19, "nítján"}, {20, "tuttugu"}, {21, "tuttugu og einn|tuttugu og ein|tuttugu og eitt"}, {22, "tuttugu og tveir|tuttugu og tvær|tuttugu og tvö"},
        {23, "tuttugu og þrír|tuttugu og þrjár|tuttugu og þrjú"}, {24, "tuttugu og fjórir|tuttugu og fjórar|tuttugu og fjögur"},
        {25, "tuttugu og fimm"}, {26, "tuttugu og sex"}, {27, "tuttugu og sjö"}, {28, "tuttugu og átta"},
        {29, "tuttugu og níu"}, {30, "þrjátíu"}, {31, "þrjátíu og einn|þrjátíu og ein|þrjátíu og eitt"},
        {32, "þrjátíu og tveir|þrjátíu og tvær|þrjátíu og tvö"}, {33, "þrjátíu og þrír|þrjátíu og þrjár|þrjátíu og þrjú"},
        {34, "þrjátíu og fjórir|þrjátíu og fjórar|þrjátíu og fjögur"}, {35, "þrjátíu og fimm"}, {36, "þrjátíu og sex"},
        {37, "þrjátíu og sjö"}, {38, "þrjátíu og átta"}, {39, "þrjátíu og níu"}, {40, "fjörutíu"}, {41, "fjörutíu og einn|fjörutíu og ein|fjörutíu og eitt"},
        {42, "fjörutíu og tveir|fjörutíu og tvær|fjörutíu og tvö"}, {43, "fjörutíu og þrír|fjörutíu og þrjár|fjörutíu og þrjú"},
        {44, "fjörutíu og fjórir|fjörutíu og fjórar|fjörutíu og fjögur"}, {45, "fjörutíu og fimm"}, {46, "fjörutíu og sex"},
        {47, "fjörutíu og sjö"}, {48, "fjörutíu og átta"}, {49, "fjörutíu og níu"}, {50, "fimmtíu"},
        {51, "fimmtíu og einn|fimmtíu og ein|fimmtíu og eitt"}, {52, "fimmtíu og tveir|fimmtíu og tvær|fimmtíu og tvö"},
        {53, "fimmtíu og þrír|fimmtíu og þrjár|fimmtíu og þrjú"}, {54, "fimmtíu og fjórir|fimmtíu og fjórar|fimmtíu og fjögur"},
        {55, "fimmtíu og fimm"}, {56, "fimmtíu og sex"}, {57, "fimmtíu og sjö"}, {58, "fimmtíu og átta"},
        {59, "fimmtíu og níu"}, {60, "sextíu"}, {61, "sextíu og einn|sextíu og ein|sextíu og eitt"},
        {62, "sextíu og tveir|sextíu og tvær|sextíu og tvö"}, {63, "sextíu og þrír|sextíu og þrjár|sextíu og þrjú"},
        {64, "sextíu og fjórir|sextíu og fjórar|sextíu og fjögur"}, {65, "sextíu og fimm"}, {66, "sextíu og sex"},
        {67, "sextíu og sjö"}, {68, "sextíu og átta"}, {69, "sextíu og níu"}, {70, "sjötíu"}, {71, "sjötíu og einn|sjötíu og ein|sjötíu og eitt"},
        {72, "sjötíu og tveir|sjötíu og tvær|sjötíu og tvö"}, {73, "sjötíu og þrír|sjötíu og þrjár|sjötíu og þrjú"},
        {74, "sjötíu og fjórir|sjötíu og fjórar|sjötíu og fjögur"}, {75, "sjötíu og fimm"}, {76, "sjötíu og sex"},
        {77, "sjötíu og sjö"}, {78, "sjötíu og átta"}, {79, "sjötíu og níu"}, {80, "áttatíu"}, {81, "áttatíu og einn|áttatíu og ein|áttatíu og eitt"},
        {82, "áttatíu og tveir|áttatíu og tvær|áttatíu og tvö"}, {83, "áttatíu og þrír|áttatíu og þrjár|áttatíu og þrjú"},
        {84, "áttatíu og fjórir|áttatíu og fjórar|áttatíu og fjögur"}, {85, "áttatíu og fimm"}, {86, "áttatíu og sex"},
        {87, "áttatíu og sjö"}, {88, "áttatíu og átta"}, {89, "áttatíu og níu"}, {90, "níutíu"}, {91, "níutíu og einn|níutíu og ein|níutíu og eitt"},
        {92, "níutíu og tveir|níutíu og tvær|níutíu og tvö"}, {93, "níutíu og þrír|níutíu og þrjár|níutíu og þrjú"},
        {94, "níutíu og fjórir|níutíu og fjórar|níutíu og fjögur"}, {95, "níutíu og fimm"}, {96, "níutíu og sex"},
        {97, "níutíu og sjö"}, {98, "níutíu og átta"}, {99, "níutíu og níu"}, {100, "hundrað|eitt hundrað"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
