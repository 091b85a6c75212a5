#pragma once

#include "familytree.h"
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

// Builds a FamilyTree from the lines of a GEDCOM file: INDI records give
// people (the first dated BIRT, CHR or BAPM, DEAT and BURI, the SEX, FAMS
// and FAMC links), FAM records families (HUSB, WIFE, CHIL, the first dated
// MARR). Links are matched once the whole file is read, since records refer
// forward; a link that only one side of a pair states counts as well, and
// one to a record that does not exist is dropped. A family's own HUSB and
// WIFE come first; a FAMS link fills the role of the person's sex where the
// family names nobody in it.
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
    void setCalendarChoice(const CalendarChoice& choice) { calendar_ = choice; }
    void add(const GedcomLine& line, bool cut);
    // After the last line: ends the record and links the tree.
    void finish();

private:
    enum class Record { Other, Person, Family };
    enum class Link : std::uint8_t { Spouse, Child, Husband, Wife, FamilyChild };
    struct PendingLink
    {
        std::uint32_t from;
        Link kind;
        std::size_t targetSize;
        std::size_t targetOffset; // in linkTexts_
    };
    void addLink(std::uint32_t from, Link kind, std::string_view target);

    void endRecord();
    void addPersonLine(const GedcomLine& line);
    void addFamilyLine(const GedcomLine& line);
    void link();
    // The text in UTF-8, in the tree's store.
    TreeText store(std::string_view text);

    FamilyTree& tree_;
    PersonHook hook_;
    GedcomIndividual individual_;
    GedcomEncoding encoding_;
    CalendarChoice calendar_;
    std::string decoded_;
    Record record_ = Record::Other;
    // The event of the current level 1 line, whose first DATE is kept.
    TreeDate* event_ = nullptr;
    std::vector<PendingLink> links_;
    std::string linkTexts_; // the targets' ids, until linked
};

// Reads a GEDCOM file into tree, in any character set the report reads.
// Problems (not GEDCOM, a line too long for one, a read error) go to
// warnings with the file's name; false then.
bool readFamilyTree(std::FILE* in, std::string_view fileName, std::ostream& warnings, FamilyTree& tree,
                    const FamilyTreeBuilder::PersonHook& hook = {}, const CalendarChoice& calendar = {});
