#pragma once

#include "reading/datereadoptions.h"

namespace CLI {
class App;
}

// Adds --century YEAR and --pivot YEAR to a command: how a numeric date's
// year of one or two digits is read (3/3/50). Without either it is refused.
void addShortYearOptions(CLI::App& command, spanwright::ShortYears& shortYears);
