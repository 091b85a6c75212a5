#pragma once

#include "reading/datereader.h"
#include "spans/resultentries.h"
#include "textcolumn.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace spanwright::python {

// The batch's span columns for whole columns of begin and end dates, row
// by row as `batch --begin --end` writes them: years, months and days
// where the span is one (counted), span (the entry, or its bounds), error
// (empty where the row was calculated).
struct SpanColumns
{
    std::vector<std::int64_t> years;
    std::vector<std::int64_t> months;
    std::vector<std::int64_t> days;
    std::vector<bool> counted;
    StretchedTextColumn span;
    StretchedTextColumn error;
};

// Works the rows out on every core; call it without the interpreter lock.
SpanColumns spanColumns(const std::vector<std::string>& begins, const std::vector<std::string>& ends,
                        const DateReadOptions& options, Notation notation);

// The next field of a row's result text as the batch writes it, from i
// just past its delimiter, as written (in quotes where it holds the
// delimiter or a quote, quotes within doubled); i is left on the next
// delimiter.
std::string_view nextResultField(std::string_view text, size_t& i, char delimiter);

// A field as nextResultField gives it, its quotes taken off, as the next
// text of a column.
void appendUnquoted(TextColumn& column, std::string_view field);

} // namespace spanwright::python
