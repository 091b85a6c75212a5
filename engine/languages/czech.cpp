// The Czech words of dates and ages: data only (see languagetable.h).
#include "languages/languagetable.h"

namespace spanwright {

namespace languages {

const LanguageTable& czechTable()
{
    static const LanguageTable table{
        "Czech",
        "cs",
        "5. července 1860",
        "45 let",
        {
            "leden|ledna|led",
            "únor|února|úno",
            "březen|března|bře",
            "duben|dubna|dub",
            "květen|května|kvě|máj|máje|mája",
            "červen|června|čvn",
            "červenec|července|čvc",
            "srpen|srpna|srp",
            "září|zář",
            "říjen|října|říj",
            "listopad|listopadu|lis",
            "prosinec|prosince|pro",
        },
        {
            {"dne", BeforeDay},
            {"roku", MonthToYear | AfterYear, true},
            {"léta páně", BeforeYear, true},
            {"r", AfterYear, true},
        },
        {},
        {
            "rok|roky|roků|let|léta", // years
            "měsíc|měsíce|měsíců", // months
            "týden|týdny|týdnů", // weeks
            "den|dny|dní|dnů", // days
            "", // units before their number
            "ve věku|stáří|stár|stará|starý|věku", // before the age
            "", // after the age
            "", // before the ordinal year of an age
            "", // after the ordinal year of an age
            "asi|kolem|okolo|circa|cca", // about, before or after the number
            "a|i", // "and" between parts and inside number words
            "", // between a number and its unit
        },
        {
        {1, "jeden|jedna|jedno"}, {2, "dva|dvě"}, {3, "tři"}, {4, "čtyři"}, {5, "pět"}, {6, "šest"},
        {7, "sedm"}, {8, "osm"}, {9, "devět"}, {10, "deset"}, {11, "jedenáct"}, {12, "dvanáct"},
        {13, "třináct"}, {14, "čtrnáct"}, {15, "patnáct"}, {16, "šestnáct"}, {17, "sedmnáct"},
        {18, "osmnáct"}, {19, "devatenáct"}, {20, "dvacet"},
        {21, "dvacet jeden|dvacet jedna|dvacet jedno|jednaadvacet"}, {22, "dvacet dva|dvacet dvě|dvaadvacet"},
        {23, "dvacet tři|třiadvacet"}, {24, "dvacet čtyři|čtyřiadvacet"}, {25, "dvacet pět|pětadvacet"},
        {26, "dvacet šest|šestadvacet"}, {27, "dvacet sedm|sedmadvacet"}, {28, "dvacet osm|osmadvacet"},
        {29, "dvacet devět|devětadvacet"}, {30, "třicet"},
        {31, "třicet jeden|třicet jedna|třicet jedno|jednaatřicet"}, {32, "třicet dva|třicet dvě|dvaatřicet"},
        {33, "třicet tři|třiatřicet"}, {34, "třicet čtyři|čtyřiatřicet"}, {35, "třicet pět|pětatřicet"},
        {36, "třicet šest|šestatřicet"}, {37, "třicet sedm|sedmatřicet"}, {38, "třicet osm|osmatřicet"},
        {39, "třicet devět|devětatřicet"}, {40, "čtyřicet"},
        {41, "čtyřicet jeden|čtyřicet jedna|čtyřicet jedno|jednaačtyřicet"},
        {42, "čtyřicet dva|čtyřicet dvě|dvaačtyřicet"}, {43, "čtyřicet tři|třiačtyřicet"},
        {44, "čtyřicet čtyři|čtyřiačtyřicet"}, {45, "čtyřicet pět|pětačtyřicet"},
        {46, "čtyřicet šest|šestačtyřicet"}, {47, "čtyřicet sedm|sedmačtyřicet"},
        {48, "čtyřicet osm|osmačtyřicet"}, {49, "čtyřicet devět|devětačtyřicet"}, {50, "padesát"},
        {51, "padesát jeden|padesát jedna|padesát jedno|jednaapadesát"},
        {52, "padesát dva|padesát dvě|dvaapadesát"}, {53, "padesát tři|třiapadesát"},
        {54, "padesát čtyři|čtyřiapadesát"}, {55, "padesát pět|pětapadesát"},
        {56, "padesát šest|šestapadesát"}, {57, "padesát sedm|sedmapadesát"}, {58, "padesát osm|osmapadesát"},
        {59, "padesát devět|devětapadesát"}, {60, "šedesát"},
        {61, "šedesát jeden|šedesát jedna|šedesát jedno|jednaašedesát"},
        {62, "šedesát dva|šedesát dvě|dvaašedesát"}, {63, "šedesát tři|třiašedesát"},
        {64, "šedesát čtyři|čtyřiašedesát"}, {65, "šedesát pět|pětašedesát"},
        {66, "šedesát šest|šestašedesát"}, {67, "šedesát sedm|sedmašedesát"}, {68, "šedesát osm|osmašedesát"},
        {69, "šedesát devět|devětašedesát"}, {70, "sedmdesát"},
        {71, "sedmdesát jeden|sedmdesát jedna|sedmdesát jedno|jednaasedmdesát"},
        {72, "sedmdesát dva|sedmdesát dvě|dvaasedmdesát"}, {73, "sedmdesát tři|třiasedmdesát"},
        {74, "sedmdesát čtyři|čtyřiasedmdesát"}, {75, "sedmdesát pět|pětasedmdesát"},
        {76, "sedmdesát šest|šestasedmdesát"}, {77, "sedmdesát sedm|sedmasedmdesát"},
        {78, "sedmdesát osm|osmasedmdesát"}, {79, "sedmdesát devět|devětasedmdesát"}, {80, "osmdesát"},
        {81, "osmdesát jeden|osmdesát jedna|osmdesát jedno|jednaaosmdesát"},
        {82, "osmdesát dva|osmdesát dvě|dvaaosmdesát"}, {83, "osmdesát tři|třiaosmdesát"},
        {84, "osmdesát čtyři|čtyřiaosmdesát"}, {85, "osmdesát pět|pětaosmdesát"},
        {86, "osmdesát šest|šestaosmdesát"}, {87, "osmdesát sedm|sedmaosmdesát"},
        {88, "osmdesát osm|osmaosmdesát"}, {89, "osmdesát devět|devětaosmdesát"}, {90, "devadesát"},
        {91, "devadesát jeden|devadesát jedna|devadesát jedno|jednaadevadesát"},
        {92, "devadesát dva|devadesát dvě|dvaadevadesát"}, {93, "devadesát tři|třiadevadesát"},
        {94, "devadesát čtyři|čtyřiadevadesát"}, {95, "devadesát pět|pětadevadesát"},
        {96, "devadesát šest|šestadevadesát"}, {97, "devadesát sedm|sedmadevadesát"},
        {98, "devadesát osm|osmadevadesát"}, {99, "devadesát devět|devětadevadesát"}, {100, "sto"},
        },
    };
    return table;
}

} // namespace languages

} // namespace spanwright
