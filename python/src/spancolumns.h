#pragma once

#include "datereader.h"
#include "resultentries.h"

#include <cstdint>
#include <string>
#include <vector>

namespace spanwright::python {

// The batch's span columns for whole columns of begin and end dates, row
// by row as `batch --begin --end` writes them: years, months and days
// where the span is one (counted), span (the entry, or its bounds), error.
struct SpanColumns
{
    std::vector<std::int64_t> years;
    std::vector<std::int64_t> months;
    std::vector<std::int64_t> days;
    std::vector<bool> counted;
    std::vector<std::string> span;
    std::vector<std::string> error; // empty where the row was calculated
};

// Works the rows out on every core; call it without the interpreter lock.
SpanColumns spanColumns(const std::vector<std::string>& begins, const std::vector<std::string>& ends,
                        const DateReadOptions& options, Notation notation);

// The fields of a row's result text as the batch writes it, each after a
// delimiter and in quotes where it holds one, quotes within doubled.
std::vector<std::string> resultFields(std::string_view text, char delimiter);

} // namespace spanwright::python
