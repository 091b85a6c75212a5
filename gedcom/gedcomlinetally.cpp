#include "gedcomlinetally.h"

#include "text/asciitext.h"

namespace spanwright {

void GedcomLineTally::count(long long lineNumber, bool gedcom, const GedcomLine& line)
{
    ++lines_;
    if (!gedcom) {
        if (notGedcom_++ == 0)
            firstNotGedcom_ = lineNumber;
        return;
    }
    if (line.level > previousLevel_ + 1 && levelJumps_++ == 0)
        firstLevelJump_ = lineNumber;
    previousLevel_ = line.level;
}

void GedcomLineTally::tell(std::ostream& warnings, std::string_view fileName, std::string_view lastRecord) const
{
    const auto start = [&]() -> std::ostream& { return warnings << fileName << ": "; };
    if (notGedcom_ > 0) {
        start() << notGedcom_ << " line(s) are not GEDCOM lines and were not read (the first is line "
                << firstNotGedcom_ << ")\n";
    }
    if (levelJumps_ > 0) {
        start() << levelJumps_ << " line(s) are more than one level below the line before them and were read "
                << "where they stand (the first is line " << firstLevelJump_ << ")\n";
    }
    if (!trailer_) {
        start() << "no TRLR line ends the file: it may be cut short";
        if (!lastRecord.empty())
            warnings << ", and its last record, " << lastRecord << ", incomplete";
        warnings << '\n';
    }
}

void GedcomLineTally::tellRefusal(std::ostream& warnings, std::string_view fileName) const
{
    warnings << fileName << ": " << notGedcom_ << " of its " << lines_
             << " lines are not GEDCOM lines (the first is line " << firstNotGedcom_ << "); not a GEDCOM file\n";
}

bool isTag(const GedcomLine& line, std::string_view upperTag)
{
    return equalsIgnoringCase(line.tag, upperTag);
}

} // namespace spanwright
