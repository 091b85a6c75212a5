#pragma once

#include <string_view>

// One line of a GEDCOM file: level, optional cross-reference (without its
// @ signs), tag and value. The views point into the line's text.
struct GedcomLine
{
    int level = 0;
    std::string_view xref;
    std::string_view tag;
    std::string_view value;
};

// Splits a line (without its line break). Blanks and tabs may stand before
// the level and several between the parts, as some programs write them; the
// value is what follows the one blank after the tag, as written. False when
// the text is not a GEDCOM line: no level, no tag, or an unclosed xref.
bool splitGedcomLine(std::string_view text, GedcomLine& line);
