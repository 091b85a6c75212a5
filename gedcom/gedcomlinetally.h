#pragma once

#include "gedcomline.h"

#include <ostream>
#include <string_view>

namespace spanwright {

// What the lines after a GEDCOM file's 0 HEAD show of its state, told the
// same way by every reader of one: lines that are not GEDCOM, levels that
// jump by more than one (a 1 followed by a 3), and whether a TRLR line ends
// the file (a file without one may have been cut short).
class GedcomLineTally
{
public:
    // Each line that is not blank, up to TRLR; line is the split line when
    // gedcom is true.
    void count(long long lineNumber, bool gedcom, const GedcomLine& line);
    void countTrailer() { trailer_ = true; }

    long long lines() const { return lines_; }
    long long notGedcom() const { return notGedcom_; }
    long long levelJumps() const { return levelJumps_; }
    bool trailer() const { return trailer_; }
    // More than half the lines are not GEDCOM: the file is refused.
    bool mostlyNotGedcom() const { return notGedcom_ * 2 > lines_; }
    // Lines not GEDCOM, levels that jump, or no TRLR: the file is read, with
    // the status that some of it could not be.
    bool damaged() const { return notGedcom_ > 0 || levelJumps_ > 0 || !trailer_; }

    // The warnings, one a line, each after "FILE: " (the command line puts
    // its name before each line).
    // lastRecord names the record the file ends in when it has no TRLR
    // ("I1 (line 3)"), or is empty.
    void tell(std::ostream& warnings, std::string_view fileName, std::string_view lastRecord) const;
    // Why a file that is mostly not GEDCOM is refused, after its name.
    void tellRefusal(std::ostream& warnings, std::string_view fileName) const;

private:
    long long lines_ = 0;
    long long notGedcom_ = 0;
    long long firstNotGedcom_ = 0;
    long long levelJumps_ = 0;
    long long firstLevelJump_ = 0;
    int previousLevel_ = 0; // of 0 HEAD
    bool trailer_ = false;
};

// The words the report and the check give the record a file without TRLR
// ends in.
constexpr std::string_view PossiblyCutRecord = "the file ends in this record without TRLR: it may be cut short";

// The record tags, in any case: "indi" is read as INDI.
bool isTag(const GedcomLine& line, std::string_view upperTag);

} // namespace spanwright
