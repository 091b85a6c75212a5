#pragma once

#include "olddating/oldwords.h"

#include <string_view>
#include <vector>

namespace spanwright {

// The Latin of regnal years as deeds and court rolls write it: "anno regni
// regis Edwardi tertii post conquestum nono", "anno regni domine nostre
// Elizabethe regine vicesimo", "a.r.r. Henrici octavi tertio".

// The English name a ruler's Latin genitive stands for: EDWARDI is EDWARD,
// GULIELMI WILLIAM; empty for none.
std::string_view latinRulerName(std::string_view upper);

// A ruler's ordinal in the genitive: TERTII 3, PRIME 1 (a queen's); 0 for
// none.
int latinRulerOrdinal(std::string_view upper);

// A regnal year's Latin ordinal in the ablative from at, in one word or two
// ("nono", "vicesimo", "tertio decimo", "vicesimo primo", "undevicesimo");
// taken says how many words it took, 0 when none.
int latinYearOrdinal(const std::vector<OldWord>& words, size_t at, size_t& taken);

// The words around a Latin ruler's name: "regni", "regis", "domine nostre",
// "regine".
bool isLatinRegnalFiller(std::string_view upper);

} // namespace spanwright
