// The Norwegian words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& norwegianTable()
{
    static const LanguageTable table{
        "Norwegian",
        "no",
        "den 12. mai 1890",
        "45 år",
        {
            "januar|jan",
            "februar|feb",
            "mars|mar",
            "april|apr",
            "mai",
            "juni|jun",
            "juli|jul",
            "august|aug",
            "september|sep|sept|septbr|7br",
            "oktober|okt|octbr|oktbr|8br",
            "november|nov|novbr|9br",
            "desember|des|decbr|desbr|10br|xbr",
        },
        {
            {"den", BeforeDay},
            {"d", BeforeDay},
            {"anno", BeforeYear, true},
        },
        {{"ste", "0123456789"}, {"den", "0123456789"}, {"die", "0123456789"}, {"de", "0123456789"}, {"te", "0123456789"}, {"ende", "0123456789"}},
        {
            "år|aar", // years
            "måned|måneder|mnd", // months
            "uke|uker", // weeks
            "dag|dager|døgn", // days
            "", // units before their number
            "alder", // before the age
            "gammel|gml", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "omkring|ca|circa|henved", // about, before or after the number
            "og", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "en|én|ett|ei"}, {2, "to"}, {3, "tre"}, {4, "fire"}, {5, "fem"}, {6, "seks"}, {7, "sju|syv"},
        {8, "åtte"}, {9, "ni"}, {10, "ti"}, {11, "elleve"}, {12, "tolv"}, {13, "tretten"}, {14, "fjorten"},
        {15, "femten"}, {16, "seksten"}, {17, "sytten"}, {18, "atten"}, {19, "nitten"}, {20, "tjue|tyve"},
        {21, "tjueen|tjueén|tyveen|tyveén|enogtjue|enogtyve"}, {22, "tjueto|tyveto|toogtjue|toogtyve"},
        {23, "tjuetre|tyvetre|treogtjue|treogtyve"}, {24, "tjuefire|tyvefire|fireogtjue|fireogtyve"},
        {25, "tjuefem|tyvefem|femogtjue|femogtyve"}, {26, "tjueseks|tyveseks|seksogtjue|seksogtyve"},
        {27, "tjuesju|tjuesyv|tyvesju|tyvesyv|sjuogtjue|sjuogtyve"},
        {28, "tjueåtte|tyveåtte|åtteogtjue|åtteogtyve"}, {29, "tjueni|tyveni|niogtjue|niogtyve"},
        {30, "tretti|tredve"}, {31, "trettien|trettién|tredveen|tredveén|enogtretti|enogtredve"},
        {32, "trettito|tredveto|toogtretti|toogtredve"}, {33, "trettitre|tredvetre|treogtretti|treogtredve"},
        {34, "trettifire|tredvefire|fireogtretti|fireogtredve"},
        {35, "trettifem|tredvefem|femogtretti|femogtredve"},
        {36, "trettiseks|tredveseks|seksogtretti|seksogtredve"},
        {37, "trettisju|trettisyv|tredvesju|tredvesyv|sjuogtretti|sjuogtredve"},
        {38, "trettiåtte|tredveåtte|åtteogtretti|åtteogtredve"},
        {39, "trettini|tredveni|niogtretti|niogtredve"}, {40, "førti"}, {41, "førtien|førtién|enogførti"},
        {42, "førtito|toogførti"}, {43, "førtitre|treogførti"}, {44, "førtifire|fireogførti"},
        {45, "førtifem|femogførti"}, {46, "førtiseks|seksogførti"}, {47, "førtisju|førtisyv|sjuogførti"},
        {48, "førtiåtte|åtteogførti"}, {49, "førtini|niogførti"}, {50, "femti"},
        {51, "femtien|femtién|enogfemti"}, {52, "femtito|toogfemti"}, {53, "femtitre|treogfemti"},
        {54, "femtifire|fireogfemti"}, {55, "femtifem|femogfemti"}, {56, "femtiseks|seksogfemti"},
        {57, "femtisju|femtisyv|sjuogfemti"}, {58, "femtiåtte|åtteogfemti"}, {59, "femtini|niogfemti"},
        {60, "seksti"}, {61, "sekstien|sekstién|enogseksti"}, {62, "sekstito|toogseksti"},
        {63, "sekstitre|treogseksti"}, {64, "sekstifire|fireogseksti"}, {65, "sekstifem|femogseksti"},
        {66, "sekstiseks|seksogseksti"}, {67, "sekstisju|sekstisyv|sjuogseksti"},
        {68, "sekstiåtte|åtteogseksti"}, {69, "sekstini|niogseksti"}, {70, "sytti"},
        {71, "syttien|syttién|enogsytti"}, {72, "syttito|toogsytti"}, {73, "syttitre|treogsytti"},
        {74, "syttifire|fireogsytti"}, {75, "syttifem|femogsytti"}, {76, "syttiseks|seksogsytti"},
        {77, "syttisju|syttisyv|sjuogsytti"}, {78, "syttiåtte|åtteogsytti"}, {79, "syttini|niogsytti"},
        {80, "åtti"}, {81, "åttien|åttién|enogåtti"}, {82, "åttito|toogåtti"}, {83, "åttitre|treogåtti"},
        {84, "åttifire|fireogåtti"}, {85, "åttifem|femogåtti"}, {86, "åttiseks|seksogåtti"},
        {87, "åttisju|åttisyv|sjuogåtti"}, {88, "åttiåtte|åtteogåtti"}, {89, "åttini|niogåtti"},
        {90, "nitti"}, {91, "nittien|nittién|enognitti"}, {92, "nittito|toognitti"},
        {93, "nittitre|treognitti"}, {94, "nittifire|fireognitti"}, {95, "nittifem|femognitti"},
        {96, "nittiseks|seksognitti"}, {97, "nittisju|nittisyv|sjuognitti"}, {98, "nittiåtte|åtteognitti"},
        {99, "nittini|niognitti"}, {100, "hundre|ett hundre|etthundre"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
