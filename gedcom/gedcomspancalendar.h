#pragma once

#include "ages/spancalendar.h"

namespace spanwright {

// The GEDCOM report and the tree check count spans in the engine's span
// calendar (spancalendar.h), as the command line does.
using GedcomSpanCalendar = SpanCalendar;

} // namespace spanwright
