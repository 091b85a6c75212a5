#pragma once

#include "reading/datereader.h"
#include "spans/resultentries.h"
#include "textbuffer.h"

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

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

enum class ColumnSearch { Found, None, Several };

// The position of the column COL names in the header: a header name as
// written, else one in any case with blanks around it ignored (Several when
// two columns are), else a 1-based position within the header.
ColumnSearch findColumn(const std::vector<std::string>& header, std::string_view column, size_t& position);

// A header name in quotes for a message, cut short when long.
std::string quotedName(std::string_view name);

// A column argument as given, for a message: whole up to
// LongestArgumentExcerpt characters, else its first ones, "..." and its
// length, so that a huge argument makes no huge message.
constexpr size_t LongestArgumentExcerpt = 80;
std::string argumentExcerpt(std::string_view argument);

// The header's names for a message: "3: "a", "b", "c"", at most
// MostNamesListed of them, then how many more there are.
constexpr size_t MostNamesListed = 20;
std::string headerNamesText(const std::vector<std::string>& header);

// The date orders under which a batch's refused dates would read, for each
// date column (first, second), gathered from every thread: a day-first file
// read month first is said as such, not only row by row.
class BatchDateNotes
{
public:
    static constexpr size_t Columns = 2;
    BatchDateNotes();
    void note(size_t column, DateOrder order); // the first order noted stays
    std::optional<DateOrder> orderOf(size_t column) const;

private:
    std::array<std::atomic<int>, Columns> orders_; // 0 none, else 1 + the order
};

// Works out one row and appends its result fields, the error column last,
// each with a leading comma. Returns false when the row could not be
// calculated (its error field is then set).
class BatchRowCalculator
{
public:
    BatchRowCalculator(BatchMode mode, BatchColumns columns, Notation notation, char delimiter = ',',
                       const DateReadOptions& reading = {}, std::shared_ptr<BatchDateNotes> notes = nullptr,
                       bool exactAges = false);
    bool appendResults(const std::vector<std::string_view>& fields, TextBuffer& row);

private:
    void noteOtherOrders(std::string_view first, std::string_view second);
    void appendResultField(TextBuffer& row, std::string_view text) const;
    void appendField(TextBuffer& row, std::string_view field) const;
    bool appendError(TextBuffer& row, size_t resultFields, std::string_view error) const;

    bool appendSpan(std::string_view begin, std::string_view end, TextBuffer& row);
    // The span of two plain numeric days (plainspan.h) with its fields;
    // false, having written nothing, for any other row.
    bool appendPlainSpan(std::string_view begin, std::string_view end, TextBuffer& row) const;
    bool appendDates(std::string_view date, std::string_view age, TextBuffer& row);

    BatchMode mode_;
    BatchColumns columns_;
    Notation notation_;
    char delimiter_;
    DateReadOptions reading_;
    bool exactAges_;
    bool plainGregorian_; // every plain date Gregorian, as plainspan.h counts
    std::shared_ptr<BatchDateNotes> notes_;
    ResultEntries entries_;
    ResultEntries greatest_;
};

} // namespace spanwright
