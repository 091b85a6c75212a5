#pragma once

#include "reading/datereadoptions.h"

namespace CLI {
class App;
}

// Adds --switch WHEN and --year-start MM-DD to a command: how plain dates
// (no calendar mark, no dual year) are read. choice keeps its value when
// the options are not given: every plain date Gregorian.
void addCalendarOptions(CLI::App& command, spanwright::CalendarChoice& choice);
