// The Romanian words of dates and ages: data only (see languagetable.h).
// The month names and the old Romanian ones (gerar, făurar, prier, cuptor), ș
// and ț with a comma or a cedilla, "45 de ani". Germănar (March) is left out:
// it may be a poet's coinage rather than a word registers used.
// Checked against: "Romanian calendar", Wikipedia, https://en.wikipedia.org/wiki/Romanian_calendar
// Checked against: "Old Names for Months of the year", Cybalist list, http://wrdingham.co.uk/cybalist/msg/130/08.html
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& romanianTable()
{
    static const LanguageTable table{
        "Romanian",
        "ro",
        "3 martie 1850",
        "45 de ani",
        {
            "ianuarie|ian|gerar|cărindar",
            "februarie|febr|feb|făurar|faur",
            "martie|mart|mărțișor|mărţişor|marț|marţ",
            "aprilie|apr|prier",
            "mai|florar",
            "iunie|iun|cireșar|cireşar",
            "iulie|iul|cuptor",
            "august|aug|gustar",
            "septembrie|sept|sep|răpciune",
            "octombrie|oct|brumărel",
            "noiembrie|noiem|nov|brumar",
            "decembrie|dec|undrea|andrea",
        },
        {
            {"la", BeforeDay},
            {"anul", BeforeYear, true},
            {"în anul", MonthToYear, true},
            {"anului", MonthToYear, true},
        },
        {},
        {
            "an|ani|anul|anului", // years
            "lună|luni|luna|lunii", // months
            "săptămână|săptămâni", // weeks
            "zi|zile|zilei", // days
            "", // units before their number
            "în vârstă de|vârsta de|în etate de|de", // before the age
            "", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "circa|cam|aproximativ|vreo", // about, before or after the number
            "și|şi", // "and" between parts and inside number words
            "de", // between a number and its unit
        },
        {
        {1, "unu|una|un|unul"}, {2, "doi|două"}, {3, "trei"}, {4, "patru"}, {5, "cinci"}, {6, "șase|şase"},
        {7, "șapte|şapte"}, {8, "opt"}, {9, "nouă"}, {10, "zece"}, {11, "unsprezece"}, {12, "doisprezece|douăsprezece"},
        {13, "treisprezece"}, {14, "paisprezece"}, {15, "cincisprezece"}, {16, "șaisprezece|şaisprezece"},
        {17, "șaptesprezece|şaptesprezece"}, {18, "optsprezece"}, {19, "nouăsprezece"}, {20, "douăzeci"},
        {21, "douăzeci și unu|douăzeci şi unu|douăzeci și una|douăzeci şi una|douăzeci și un|douăzeci şi un|douăzeci și unul|douăzeci şi unul"},
        {22, "douăzeci și doi|douăzeci şi doi|douăzeci și două|douăzeci şi două"}, {23, "douăzeci și trei|douăzeci şi trei"},
        {24, "douăzeci și patru|douăzeci şi patru"}, {25, "douăzeci și cinci|douăzeci şi cinci"}, {26, "douăzeci și șase|douăzeci şi șase|douăzeci și şase|douăzeci şi şase"},
        {27, "douăzeci și șapte|douăzeci şi șapte|douăzeci și şapte|douăzeci şi şapte"}, {28, "douăzeci și opt|douăzeci şi opt"},
        {29, "douăzeci și nouă|douăzeci şi nouă"}, {30, "treizeci"}, {31, "treizeci și unu|treizeci şi unu|treizeci și una|treizeci şi una|treizeci și un|treizeci şi un|treizeci și unul|treizeci şi unul"},
        {32, "treizeci și doi|treizeci şi doi|treizeci și două|treizeci şi două"}, {33, "treizeci și trei|treizeci şi trei"},
        {34, "treizeci și patru|treizeci şi patru"}, {35, "treizeci și cinci|treizeci şi cinci"}, {36, "treizeci și șase|treizeci şi șase|treizeci și şase|treizeci şi şase"},
        {37, "treizeci și șapte|treizeci şi șapte|treizeci și şapte|treizeci şi şapte"}, {38, "treizeci și opt|treizeci şi opt"},
        {39, "treizeci și nouă|treizeci şi nouă"}, {40, "patruzeci"}, {41, "patruzeci și unu|patruzeci şi unu|patruzeci și una|patruzeci şi una|patruzeci și un|patruzeci şi un|patruzeci și unul|patruzeci şi unul"},
        {42, "patruzeci și doi|patruzeci şi doi|patruzeci și două|patruzeci şi două"}, {43, "patruzeci și trei|patruzeci şi trei"},
        {44, "patruzeci și patru|patruzeci şi patru"}, {45, "patruzeci și cinci|patruzeci şi cinci"},
        {46, "patruzeci și șase|patruzeci şi șase|patruzeci și şase|patruzeci şi şase"}, {47, "patruzeci și șapte|patruzeci şi șapte|patruzeci și şapte|patruzeci şi şapte"},
        {48, "patruzeci și opt|patruzeci şi opt"}, {49, "patruzeci și nouă|patruzeci şi nouă"}, {50, "cincizeci"},
        {51, "cincizeci și unu|cincizeci şi unu|cincizeci și una|cincizeci şi una|cincizeci și un|cincizeci şi un|cincizeci și unul|cincizeci şi unul"},
        {52, "cincizeci și doi|cincizeci şi doi|cincizeci și două|cincizeci şi două"}, {53, "cincizeci și trei|cincizeci şi trei"},
        {54, "cincizeci și patru|cincizeci şi patru"}, {55, "cincizeci și cinci|cincizeci şi cinci"},
        {56, "cincizeci și șase|cincizeci şi șase|cincizeci și şase|cincizeci şi şase"}, {57, "cincizeci și șapte|cincizeci şi șapte|cincizeci și şapte|cincizeci şi şapte"},
        {58, "cincizeci și opt|cincizeci şi opt"}, {59, "cincizeci și nouă|cincizeci şi nouă"}, {60, "șaizeci|şaizeci"},
        {61, "șaizeci și unu|șaizeci şi unu|șaizeci și una|șaizeci şi una|șaizeci și un|șaizeci şi un|șaizeci și unul|șaizeci şi unul|şaizeci și unu|şaizeci şi unu|şaizeci și una|şaizeci şi una|şaizeci și un|şaizeci şi un|şaizeci și unul|şaizeci şi unul"},
        {62, "șaizeci și doi|șaizeci şi doi|șaizeci și două|șaizeci şi două|şaizeci și doi|şaizeci şi doi|şaizeci și două|şaizeci şi două"},
        {63, "șaizeci și trei|șaizeci şi trei|şaizeci și trei|şaizeci şi trei"}, {64, "șaizeci și patru|șaizeci şi patru|şaizeci și patru|şaizeci şi patru"},
        {65, "șaizeci și cinci|șaizeci şi cinci|şaizeci și cinci|şaizeci şi cinci"}, {66, "șaizeci și șase|șaizeci şi șase|șaizeci și şase|șaizeci şi şase|şaizeci și șase|şaizeci şi șase|şaizeci și şase|şaizeci şi şase"},
        {67, "șaizeci și șapte|șaizeci şi șapte|șaizeci și şapte|șaizeci şi şapte|şaizeci și șapte|şaizeci şi șapte|şaizeci și şapte|şaizeci şi şapte"},
        {68, "șaizeci și opt|șaizeci şi opt|şaizeci și opt|şaizeci şi opt"}, {69, "șaizeci și nouă|șaizeci şi nouă|şaizeci și nouă|şaizeci şi nouă"},
        {70, "șaptezeci|şaptezeci"}, {71, "șaptezeci și unu|șaptezeci şi unu|șaptezeci și una|șaptezeci şi una|șaptezeci și un|șaptezeci şi un|șaptezeci și unul|șaptezeci şi unul|şaptezeci și unu|şaptezeci şi unu|şaptezeci și una|şaptezeci şi una|şaptezeci și un|şaptezeci şi un|şaptezeci și unul|şaptezeci şi unul"},
        {72, "șaptezeci și doi|șaptezeci şi doi|șaptezeci și două|șaptezeci şi două|şaptezeci și doi|şaptezeci şi doi|şaptezeci și două|şaptezeci şi două"},
        {73, "șaptezeci și trei|șaptezeci şi trei|şaptezeci și trei|şaptezeci şi trei"}, {74, "șaptezeci și patru|șaptezeci şi patru|şaptezeci și patru|şaptezeci şi patru"},
        {75, "șaptezeci și cinci|șaptezeci şi cinci|şaptezeci și cinci|şaptezeci şi cinci"}, {76, "șaptezeci și șase|șaptezeci şi șase|șaptezeci și şase|șaptezeci şi şase|şaptezeci și șase|şaptezeci şi șase|şaptezeci și şase|şaptezeci şi şase"},
        {77, "șaptezeci și șapte|șaptezeci şi șapte|șaptezeci și şapte|șaptezeci şi şapte|şaptezeci și șapte|şaptezeci şi șapte|şaptezeci și şapte|şaptezeci şi şapte"},
        {78, "șaptezeci și opt|șaptezeci şi opt|şaptezeci și opt|şaptezeci şi opt"}, {79, "șaptezeci și nouă|șaptezeci şi nouă|şaptezeci și nouă|şaptezeci şi nouă"},
        {80, "optzeci"}, {81, "optzeci și unu|optzeci şi unu|optzeci și una|optzeci şi una|optzeci și un|optzeci şi un|optzeci și unul|optzeci şi unul"},
        {82, "optzeci și doi|optzeci şi doi|optzeci și două|optzeci şi două"}, {83, "optzeci și trei|optzeci şi trei"},
        {84, "optzeci și patru|optzeci şi patru"}, {85, "optzeci și cinci|optzeci şi cinci"}, {86, "optzeci și șase|optzeci şi șase|optzeci și şase|optzeci şi şase"},
        {87, "optzeci și șapte|optzeci şi șapte|optzeci și şapte|optzeci şi şapte"}, {88, "optzeci și opt|optzeci şi opt"},
        {89, "optzeci și nouă|optzeci şi nouă"}, {90, "nouăzeci"}, {91, "nouăzeci și unu|nouăzeci şi unu|nouăzeci și una|nouăzeci şi una|nouăzeci și un|nouăzeci şi un|nouăzeci și unul|nouăzeci şi unul"},
        {92, "nouăzeci și doi|nouăzeci şi doi|nouăzeci și două|nouăzeci şi două"}, {93, "nouăzeci și trei|nouăzeci şi trei"},
        {94, "nouăzeci și patru|nouăzeci şi patru"}, {95, "nouăzeci și cinci|nouăzeci şi cinci"}, {96, "nouăzeci și șase|nouăzeci şi șase|nouăzeci și şase|nouăzeci şi şase"},
        {97, "nouăzeci și șapte|nouăzeci şi șapte|nouăzeci și şapte|nouăzeci şi şapte"}, {98, "nouăzeci și opt|nouăzeci şi opt"},
        {99, "nouăzeci și nouă|nouăzeci şi nouă"}, {100, "o sută|una sută|sută"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
