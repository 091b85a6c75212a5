#pragma once

#include "resultentries.h"
#include "textbuffer.h"

#include <string>
#include <string_view>
#include <vector>

// What a batch works out for each row, from which columns.
enum class BatchMode {
    Span, // --begin and --end: years, months, days, span
    Born, // --end and --age: the birth dates the stated age allows
    Died, // --begin and --age: the end dates
};

// Column positions (0-based) of a batch's input.
struct BatchColumns
{
    size_t first = 0;  // begin (Span, Died) or end (Born)
    size_t second = 0; // end (Span) or age (Born, Died)
};

// The names of the columns a mode appends, the error column last.
std::vector<std::string_view> appendedColumnNames(BatchMode mode);

// The position of the column COL names in the header: a header name as
// written, else a 1-based position within the header. False when it names
// none.
bool findColumn(const std::vector<std::string>& header, std::string_view column, size_t& position);

// Works out one row and appends its result fields, the error column last,
// each with a leading comma. Returns false when the row could not be
// calculated (its error field is then set).
class BatchRowCalculator
{
public:
    BatchRowCalculator(BatchMode mode, BatchColumns columns, Notation notation);
    bool appendResults(const std::vector<std::string_view>& fields, TextBuffer& row);

private:
    bool appendSpan(std::string_view begin, std::string_view end, TextBuffer& row);
    bool appendDates(std::string_view date, std::string_view age, TextBuffer& row);

    BatchMode mode_;
    BatchColumns columns_;
    Notation notation_;
    ResultEntries entries_;
};
