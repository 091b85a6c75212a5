#pragma once

#include "birthnarrowing.h"
#include "gedcomdate.h"
#include "gedcomindividual.h"
#include "treecheck.h"

#include <vector>

// The tree check's rules over all the ages a person's events state (see
// statedages.h): stated_ages_conflict, where no birth date fits every one
// of them, and birth_outside_stated_ages, where the recorded birth lies
// outside the window they narrow the birth to.

// The birth date against the window: certainly outside when none of its
// days is in the window, possibly when some are and some are not (an open
// side closed at its bound, as the other rules read it). An approximate
// birth or window is never certain.
Certainty birthOutsideWindow(const GedcomDate& birth, const BirthWindow& window);

// Appends the person's findings of the two rules that options use.
void addStatedAgesFindings(const GedcomIndividual& person, const TreeCheckOptions& options,
                           std::vector<TreeFinding>& findings);
