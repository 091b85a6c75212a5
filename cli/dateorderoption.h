#pragma once

#include "reading/datereader.h"

namespace CLI {
class App;
}

// Adds --date-order mdy|dmy|ymd to a command: the order of numeric dates
// (ISO dates are read whatever it is). order keeps its value when the
// option is not given.
void addDateOrderOption(CLI::App& command, spanwright::DateOrder& order);
