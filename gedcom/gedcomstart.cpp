#include "gedcomstart.h"

#include "text/asciitext.h"

namespace spanwright {

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

GedcomStart::GedcomStart(GedcomLineReader& reader)
{
    std::string_view text;
    GedcomLine line;
    bool started = false;
    bool byteOrderMark = false;
    while (!started && reader.next(text)) {
        if (reader.lineNumber() == 1 && text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
            text.remove_prefix(Utf8ByteOrderMark.size());
            byteOrderMark = true;
        }
        if (trimmed(text).empty())
            continue;
        started = splitGedcomLine(text, line) && line.level == 0 && line.tag == "HEAD";
        if (!started)
            break;
    }
    encodingDecided_ = byteOrderMark || reader.utf16();
    if (reader.tooLong())
        outcome_ = Outcome::TooLong;
    else if (!started)
        outcome_ = reader.failed() ? Outcome::Unreadable : Outcome::NotGedcom;
    else
        outcome_ = Outcome::Head;
}

std::string_view GedcomStart::refusal() const
{
    return outcome_ == Outcome::Unreadable ? " cannot be read" : " is not a GEDCOM file (it does not begin with 0 HEAD)";
}

bool GedcomStart::namesCharacterSet(const GedcomLine& line)
{
    if (line.level == 0)
        inHeader_ = false;
    return inHeader_ && line.level == 1 && line.tag == "CHAR" && !encodingDecided_;
}

} // namespace spanwright
