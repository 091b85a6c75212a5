#pragma once

#include "familyeventages.h"
#include "familytree.h"
#include "gedcomdatereadings.h"
#include "gedcomencoding.h"
#include "gedcomindividual.h"
#include "gedcomline.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// Builds a FamilyTree from the lines of a GEDCOM file: INDI records give
// people (the first dated BIRT, CHR or BAPM, DEAT and BURI, the SEX, FAMS
// and FAMC links), FAM records families (HUSB, WIFE, CHIL, the first dated
// MARR). Links are matched once the whole file is read, since records refer
// forward; a link that only one side of a pair states counts as well, and
// one to a record that does not exist is dropped. A family's own HUSB and
// WIFE come first; a FAMS link fills the role of the person's sex where the
// family names nobody in it. Of two records with one id, links go to the
// first (see duplicates). A child whose FAMC has a PEDI adopted, foster or
// step, whose CHIL has an _FREL or _MREL of these, or whose ADOP event names
// the family (by HUSB, WIFE or BOTH), is linked as such (ChildBond).
// The ages events state (FamilyTree::statedAges) are kept with the tag and
// date of their event; a family's go to its husband or wife as linked.
class FamilyTreeBuilder
{
public:
    // Called at the end of each INDI record with the person's index, the
    // record as the report gathers it (its birth, death and stated age, in
    // the file's character set) and that character set.
    using PersonHook = std::function<void(std::uint32_t, const GedcomIndividual&, const GedcomEncoding&)>;

    explicit FamilyTreeBuilder(FamilyTree& tree, PersonHook hook = {});

    // The file's character set, from its CHAR line: ids and dates are kept
    // in UTF-8.
    void setEncoding(const GedcomEncoding& encoding) { encoding_ = encoding; }
    // How plain dates are read (the switch); every one Gregorian unless set.
    void setCalendarChoice(const DateReadOptions& choice);
    // Reads the dates through dates (read by its options, which are then
    // those of setCalendarChoice), shared with what reads them later.
    void setDateReadings(GedcomDateReadings& dates) { dates_ = &dates; }
    // A line after 0 HEAD; lineNumber is the file's, for the warnings.
    void add(const GedcomLine& line, bool cut, long long lineNumber = 0);
    // Before finish, for a file without TRLR: the record being read may be
    // cut short (FamilyTree::cutPerson, cutFamily).
    void markRecordCut();
    // After the last line: ends the record and links the tree.
    void finish();

    // Two records of one kind with one id: the id and both records' lines.
    struct Duplicate
    {
        std::string id;
        long long firstLine;
        long long laterLine;
    };
    const std::vector<Duplicate>& duplicates() const { return duplicates_; }
    // The DATE values of the events read that are not dates (a status word
    // or a phrase is none of them), and the first with its line and reason.
    long long unreadableDates() const { return unreadableDates_; }
    const std::string& firstUnreadableDate() const { return firstUnreadableDate_; }

private:
    enum class Record { Other, Person, Family };
    enum class Link : std::uint8_t { Spouse, Child, Husband, Wife, FamilyChild };
    // An age a family's event states of its husband or wife, until linked.
    struct PendingSpouseAge
    {
        std::uint32_t family;
        FamilyEventAges::Spouse spouse;
        SharedTreeText tag;
        SharedTreeText date;
        SharedTreeText age;
        SharedTreeText place;
    };
    struct PendingLink
    {
        std::uint32_t from;
        // Where the target's id lies in linkTexts_, which like the tree's
        // texts holds at most 4 GiB: 16 bytes a link.
        std::uint32_t targetSize;
        std::uint32_t targetOffset;
        Link kind;
        std::uint8_t bond = 0; // ChildBond bits, of a child's link
    };
    // Marks the child link of the line before (FAMC or CHIL) by PEDI,
    // _FREL or _MREL.
    void addBond(const GedcomLine& line);
    void addAdoptionLine(const GedcomLine& line);
    // A DATE value of an event that is not a date, for the warnings.
    void noteUnreadableDate(std::string_view value, const Result<GedcomDate>& read, long long lineNumber);
    void addLink(std::uint32_t from, Link kind, std::string_view target);

    void endRecord();
    // Keeps the stated ages of the record that ends.
    void keepStatedAges();
    void addPersonLine(const GedcomLine& line);
    void addFamilyLine(const GedcomLine& line);
    void link();
    // The text in UTF-8, in the tree's store.
    TreeText store(std::string_view text);
    // The same, stored once however often it comes (FamilyTree::shareText).
    SharedTreeText share(std::string_view text);
    // The text in UTF-8: itself, or decoded into decoded_.
    std::string_view inUtf8(std::string_view text);

    FamilyTree& tree_;
    PersonHook hook_;
    GedcomIndividual individual_;
    FamilyEventAges familyAges_;
    std::vector<PendingSpouseAge> spouseAges_;
    GedcomEncoding encoding_;
    DateReadOptions calendar_;
    GedcomDateReadings ownDates_;
    GedcomDateReadings* dates_ = &ownDates_;
    std::string decoded_;
    Record record_ = Record::Other;
    // The event of the current level 1 line, whose first DATE is kept.
    TreeDate* event_ = nullptr;
    std::vector<PendingLink> links_;
    std::string linkTexts_; // the targets' ids, until linked
    // The child link a PEDI, _FREL or _MREL below may mark, if any.
    std::size_t bondableLink_ = SIZE_MAX;
    // Within an ADOP event, and the link of its FAMC, if any.
    bool inAdoption_ = false;
    std::size_t adoptionLink_ = SIZE_MAX;
    // The records' lines, until linked.
    std::vector<long long> personLines_;
    std::vector<long long> familyLines_;
    std::vector<Duplicate> duplicates_;
    long long unreadableDates_ = 0;
    std::string firstUnreadableDate_;
};

// What reading a tree found that its findings do not tell: lines that are
// not GEDCOM, levels that jump, no TRLR, dates that cannot be read, ids
// used twice. Each is told on the warnings as well.
struct FamilyTreeProblems
{
    long long linesNotGedcom = 0;
    long long levelJumps = 0;
    bool mayBeCut = false;
    long long unreadableDates = 0;
    long long duplicateIds = 0;

    bool any() const
    {
        return linesNotGedcom > 0 || levelJumps > 0 || mayBeCut || unreadableDates > 0 || duplicateIds > 0;
    }
};

// Reads a GEDCOM file into tree, in any character set the report reads.
// Problems (not GEDCOM, a line too long for one, a read error) go to
// warnings with the file's name; false then, as for a file most of whose
// lines are not GEDCOM. What is read with problems (FamilyTreeProblems) is
// told on warnings and, where given, counted in problems. dates, where
// given, reads the dates (by its options, which are then calendar).
bool readFamilyTree(std::FILE* in, std::string_view fileName, std::ostream& warnings, FamilyTree& tree,
                    const FamilyTreeBuilder::PersonHook& hook = {}, const DateReadOptions& calendar = {},
                    FamilyTreeProblems* problems = nullptr, GedcomDateReadings* dates = nullptr);

} // namespace spanwright
