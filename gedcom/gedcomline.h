#pragma once

#include <string_view>

namespace spanwright {

// One line of a GEDCOM file: level, optional cross-reference (without its
// @ signs), tag and value. The views point into the line's text.
struct GedcomLine
{
    int level = 0;
    std::string_view xref;
    std::string_view tag;
    std::string_view value;
    // The xref opens with @ but does not close before the tag ("@I1 INDI"):
    // xref holds what follows the @ up to the blank.
    bool xrefMalformed = false;
};

// Splits a line (without its line break). Blanks and tabs may stand before
// the level and several between the parts, as some programs write them; the
// value is what follows the one blank after the tag, as written. False when
// the text is not a GEDCOM line: no level, no tag, or an empty or unclosed
// xref before no tag.
bool splitGedcomLine(std::string_view text, GedcomLine& line);

// Whether a line's tag is one: letters, digits and underscores only. A
// damaged line's "tag" of other bytes names no event, and its bytes should
// reach no text.
bool isTagText(std::string_view tag);

// The record a pointer value names: "@I1@" is I1 (blanks around it aside).
std::string_view pointerTarget(std::string_view value);

} // namespace spanwright
