#pragma once

#include "evidence/birthnarrowing.h"
#include "familytree.h"
#include "gedcomdate.h"
#include "gedcomdatereadings.h"
#include "treecheck.h"

#include <cstdint>
#include <vector>

namespace spanwright {

// The tree check's rules over all the ages events state of a person (see
// statedages.h), their own events' and their families' (a marriage's HUSB
// and WIFE ages): stated_ages_conflict, where no birth date fits every one
// of them, and birth_outside_stated_ages, where the recorded birth lies
// outside the window they narrow the birth to.

// The birth date against the window: certainly outside when none of its
// days is in the window, possibly when some are and some are not (an open
// side closed at its bound, as the other rules read it). An approximate
// birth or window is never certain.
Certainty birthOutsideWindow(const GedcomDate& birth, const BirthWindow& window);

// The findings of the two rules that options use, a person at a time, the
// people asked for in their order (as checkTree asks), so that a tree's
// findings are never all held at once. A finding that rests on an age of a
// family record the file may have cut short (FamilyTree::cutFamily) is
// possible. statedAgeWeighed[i] (where given) says the stated_age rule
// weighs person i's age at death against their birth (weighsStatedAge):
// where that age is the only one, birth_outside_stated_ages leaves it to
// that rule. The dates are read through dates, whose options are
// options.calendar.
class StatedAgesFindings
{
public:
    StatedAgesFindings(const FamilyTree& tree, const TreeCheckOptions& options,
                       const std::vector<bool>& statedAgeWeighed, GedcomDateReadings& dates);

    // Adds the person's findings to findings; person is not before the
    // one asked for last.
    void addFindingsOf(std::uint32_t person, std::vector<TreeFinding>& findings);

private:
    const FamilyTree& tree_;
    const TreeCheckOptions& options_;
    const std::vector<bool>& statedAgeWeighed_;
    GedcomDateReadings& dates_;
    bool used_;
    std::size_t next_ = 0; // into tree_.statedAges: the first age of a person not yet asked for
    std::vector<StatedAgeEvent> events_; // one person's, reused
};

} // namespace spanwright
