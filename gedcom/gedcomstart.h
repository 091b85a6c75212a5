#pragma once

#include "gedcomline.h"
#include "gedcomlinereader.h"

#include <string_view>

namespace spanwright {

// The start of a GEDCOM file, shared by every reader of one: a UTF-8 byte
// order mark, blank lines, then "0 HEAD".
class GedcomStart
{
public:
    enum class Outcome { Head, TooLong, Unreadable, NotGedcom };

    // Reads from reader up to and including the 0 HEAD line.
    explicit GedcomStart(GedcomLineReader& reader);

    Outcome outcome() const { return outcome_; }
    // Why a file that neither began with 0 HEAD nor had an over-long line
    // is refused, after its name: " cannot be read" or " is not a GEDCOM
    // file (...)".
    std::string_view refusal() const;

    // Called with each line after the start, in order: whether it is the
    // header's CHAR line and its value sets the character set. A byte order
    // mark or UTF-16 decides the character set, whatever CHAR says.
    bool namesCharacterSet(const GedcomLine& line);
    bool encodingDecided() const { return encodingDecided_; }

private:
    Outcome outcome_ = Outcome::NotGedcom;
    bool encodingDecided_ = false;
    bool inHeader_ = true;
};

} // namespace spanwright
