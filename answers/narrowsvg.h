#pragma once

#include "narrowanswer.h"

#include <string>

namespace spanwright {

// The narrow answer as a picture, an SVG document that browsers show and
// print the same: one bar per record on a common time axis labelled in
// years, the days every record allows (or, where none fits all, the days of
// the largest agreeing set) shaded across all bars, and the records that
// set leaves out drawn apart below a rule, hatched. The page draws the same
// picture from the same function.
std::string narrowAnswerSvg(const NarrowAnswer& answer, DateOrder order = DateOrder::MonthFirst);

} // namespace spanwright
