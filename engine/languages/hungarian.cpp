// The Hungarian words of dates and ages: data only (see languagetable.h).
// The year first, the day after the month with its ending (3-án, 24-én), as
// Hungarian registers write it. The old ecclesiastic months are read written
// as one word (Boldogasszonyhava); written apart, the first word alone would
// be a feast day (Mindszent is 1 November, Mindszent hava October).
// Checked against: "Hónapok" (old Hungarian month names), Hungarian National Archives, https://mnl.gov.hu/mnl/ol/honapok
// Checked against: Felix G. Game, "Unusual Hungarian names for the months", http://felix-game.ca/html_files/protip1.html
// Checked against: "General Language Conventions of Church Registers in Historic Hungary", http://berecz.us/tutorial/bkgd-1.htm
// Checked against: Nick Gombash, "Hungarian Parish Records Guide #1", http://nickmgombash.blogspot.com/2009/07/hungarian-parish-records-guide-1.html
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& hungarianTable()
{
    static const LanguageTable table{
        "Hungarian",
        "hu",
        "1850. március 3.",
        "45 éves",
        {
            "január|januárius|jan|boldogasszonyhava",
            "február|februárius|febr|feb|böjtelőhava",
            "március|mártius|márc|böjtmáshava",
            "április|ápr|szentgyörgyhava",
            "május|máj|pünkösdhava",
            "június|jún|szentivánhava",
            "július|júl|szentjakabhava|szentjákobhava",
            "augusztus|aug|kisasszonyhava",
            "szeptember|szept|szep|szentmihályhava",
            "október|okt|mindszenthava",
            "november|nov|szentandráshava",
            "december|dec|karácsonyhava",
        },
        {
            {"hó", MonthToDay},
            {"hava", MonthToDay},
            {"napján", AfterDay},
            {"napja", AfterDay},
            {"évi", AfterYear, true},
            {"évben", AfterYear, true},
            {"esztendőben", AfterYear, true},
        },
        {{"án", "0123456789"}, {"én", "0123456789"}, {"jén", "0123456789"}, {"ján", "0123456789"}, {"je", "0123456789"}, {"ja", "0123456789"}, {"i", "0123456789"}, {"ai", "0123456789"}, {"ei", "0123456789"}, {"ji", "0123456789"}},
        {
            "év|éves|évig|éve|évet|esztendő|esztendős|esztendeje", // years
            "hónap|hónapos|hónapja|hó|hós", // months
            "hét|hetes|hete|hetet", // weeks
            "nap|napos|napja|napot", // days
            "", // units before their number
            "élt", // before the age
            "korában|korú|élt", // after the age
            "életének", // before the ordinal year of an age
            "évében|esztendejében", // after the ordinal year of an age
            "mintegy|körülbelül|kb|cca|circa|körül", // about, before or after the number
            "és|s", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "egy"}, {2, "kettő|két"}, {3, "három"}, {4, "négy"}, {5, "öt"}, {6, "hat"}, {7, "hét"}, {8, "nyolc"},
        {9, "kilenc"}, {10, "tíz"}, {11, "tizenegy"}, {12, "tizenkettő|tizenkét"}, {13, "tizenhárom"},
        {14, "tizennégy"}, {15, "tizenöt"}, {16, "tizenhat"}, {17, "tizenhét"}, {18, "tizennyolc"}, {19, "tizenkilenc"},
        {20, "húsz"}, {21, "huszonegy"}, {22, "huszonkettő|huszonkét"}, {23, "huszonhárom"}, {24, "huszonnégy"},
        {25, "huszonöt"}, {26, "huszonhat"}, {27, "huszonhét"}, {28, "huszonnyolc"}, {29, "huszonkilenc"},
        {30, "harminc"}, {31, "harmincegy"}, {32, "harminckettő|harminckét"}, {33, "harminchárom"}, {34, "harmincnégy"},
        {35, "harmincöt"}, {36, "harminchat"}, {37, "harminchét"}, {38, "harmincnyolc"}, {39, "harminckilenc"},
        {40, "negyven"}, {41, "negyvenegy"}, {42, "negyvenkettő|negyvenkét"}, {43, "negyvenhárom"}, {44, "negyvennégy"},
        {45, "negyvenöt"}, {46, "negyvenhat"}, {47, "negyvenhét"}, {48, "negyvennyolc"}, {49, "negyvenkilenc"},
        {50, "ötven"}, {51, "ötvenegy"}, {52, "ötvenkettő|ötvenkét"}, {53, "ötvenhárom"}, {54, "ötvennégy"},
        {55, "ötvenöt"}, {56, "ötvenhat"}, {57, "ötvenhét"}, {58, "ötvennyolc"}, {59, "ötvenkilenc"},
        {60, "hatvan"}, {61, "hatvanegy"}, {62, "hatvankettő|hatvankét"}, {63, "hatvanhárom"}, {64, "hatvannégy"},
        {65, "hatvanöt"}, {66, "hatvanhat"}, {67, "hatvanhét"}, {68, "hatvannyolc"}, {69, "hatvankilenc"},
        {70, "hetven"}, {71, "hetvenegy"}, {72, "hetvenkettő|hetvenkét"}, {73, "hetvenhárom"}, {74, "hetvennégy"},
        {75, "hetvenöt"}, {76, "hetvenhat"}, {77, "hetvenhét"}, {78, "hetvennyolc"}, {79, "hetvenkilenc"},
        {80, "nyolcvan"}, {81, "nyolcvanegy"}, {82, "nyolcvankettő|nyolcvankét"}, {83, "nyolcvanhárom"},
        {84, "nyolcvannégy"}, {85, "nyolcvanöt"}, {86, "nyolcvanhat"}, {87, "nyolcvanhét"}, {88, "nyolcvannyolc"},
        {89, "nyolcvankilenc"}, {90, "kilencven"}, {91, "kilencvenegy"}, {92, "kilencvenkettő|kilencvenkét"},
        {93, "kilencvenhárom"}, {94, "kilencvennégy"}, {95, "kilencvenöt"}, {96, "kilencvenhat"}, {97, "kilencvenhét"},
        {98, "kilencvennyolc"}, {99, "kilencvenkilenc"}, {100, "száz"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
