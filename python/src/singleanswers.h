#pragma once

#include "reading/datereader.h"
#include "spans/resultentries.h"

#include <string>
#include <utility>
#include <vector>

namespace spanwright::python {

// The answers of one question each, as the commands print them. A question
// the command refuses raises ValueError with the command's message.

// span's first line in the notation: "39 Year(s), 9 month(s), 19 day(s)",
// or for dates that allow several days "at least ..., at most ...".
std::string spanLine(const std::string& begin, const std::string& end, const DateReadOptions& options,
                     Notation notation);

// days' first line: "36524", or "at least 120, at most 150".
std::string daysLine(const std::string& begin, const std::string& end, const DateReadOptions& options);

// convert's lines as (calendar, date) pairs, in the command's order:
// ("gregorian", "22 Feb 1732"), ..., and ("note", ...) where it has one.
std::vector<std::pair<std::string, std::string>> convertLines(const std::string& date,
                                                              const DateReadOptions& options);

// narrow --format json over the records ("US 1880 census: 34").
std::string narrowJson(const std::vector<std::string>& records, const DateReadOptions& options, bool exact);

// The picture narrow --svg writes for the same records, an SVG document.
std::string narrowSvg(const std::vector<std::string>& records, const DateReadOptions& options, bool exact);

} // namespace spanwright::python
