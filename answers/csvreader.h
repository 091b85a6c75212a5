#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The UTF-8 byte order mark that may open a CSV file.
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// Reads CSV (RFC 4180) in pieces, one row at a time, with the fields exactly
// as written (separated by commas, or by the delimiter chosen): no blanks trimmed, quotes taken off and doubled
// quotes made single. A UTF-8 byte order mark at the start is taken off and
// noted; CR LF and LF both end a row, and an empty line is a row of its own.
// A quote that does not follow the rules (one left open, or one inside an
// unquoted field) ends the reading: read on, the rest of the file would be
// taken as one field.
//
// A reader of the program's own rather than libcsv, which calls back for
// every character and every field: its reading took a quarter of a batch's
// time.
class CsvReader
{
public:
    struct Row
    {
        const std::vector<std::string>& fields;
        bool emptyLine; // a line with nothing on it (fields is empty)
    };
    // Returns false to stop reading.
    using RowHandler = std::function<bool(const Row&)>;
    // A row written without quotes or CR, whole within one piece of the
    // input: its text as written and its fields as views into it, valid
    // during the call. Handed on so, a row costs no copy at all.
    struct PlainRow
    {
        std::string_view line; // without its line break
        const std::vector<std::string_view>& fields;
    };
    using PlainRowHandler = std::function<bool(const PlainRow&)>;

    enum class Outcome { Done, Stopped, Malformed };

    // How much a caller reads at a time.
    static constexpr size_t DefaultChunkSize = 1 << 16;
    // The longest field (16 MiB): a quote left open would otherwise take in
    // the rest of the file. A longer one ends the reading as Malformed.
    static constexpr size_t LongestField = 16 << 20;
    // The most fields a row may have and its longest text, its fields and
    // delimiters (32 MiB): a row of commas would otherwise take many times
    // its size in memory. Past either the reading ends as Malformed.
    static constexpr size_t MostFields = 1 << 16;
    static constexpr size_t LongestRow = 32 << 20;

    explicit CsvReader(char delimiter = ',');

    // The input piece by piece: feed hands on the rows complete so far and
    // returns Done while the reading may go on; finish ends the input (a
    // last row without a line break is handed on). Once not Done, the
    // outcome stays. With onPlainRow, the plain rows (none empty) go there
    // and the rest to onRow; both see the same fields.
    Outcome feed(std::string_view chunk, const RowHandler& onRow, const PlainRowHandler* onPlainRow = nullptr);
    Outcome finish(const RowHandler& onRow);

    bool hadByteOrderMark() const { return byteOrderMark_; }
    // The line break of the first row: "\r\n" or "\n".
    std::string_view lineBreak() const { return lineBreak_; }
    // Rows handed on so far, empty lines included.
    unsigned long long rowsRead() const { return rowsRead_; }
    // Why the reading was Malformed.
    std::string malformedReason() const;

private:
    // Where the reading stands between two characters.
    enum class State {
        FieldStart,   // before a field: at the start of a row or after a comma
        Unquoted,     // inside a field written without quotes
        Quoted,       // inside a quoted field
        QuoteInQuoted // just after a quote inside a quoted field
    };

    // Reads one chunk; false when it holds a quote out of place.
    bool parse(std::string_view data);
    // The current field is complete; false when the row has too many.
    bool endField();
    // The current field grew: false when it or its row is too long.
    bool fieldFits();
    // The current row is complete, ended by a line break, or by the end of
    // the input (no line break).
    void endRow(bool byLineBreak, char lineBreak = '\n');
    std::string& field();
    // Hands on the plain row at the start of rest and returns its length
    // with its line break; 0 when the row is not plain or goes on past
    // rest, for the full reading to take.
    size_t plainRow(std::string_view rest);
    // Hands on the plain rows at the start of rest, one after another, and
    // returns their length; the full reading takes what follows them.
    size_t plainRows(std::string_view rest);

    // The outcome of a chunk that parse has read.
    Outcome outcomeOf(bool wellFormed);
    // The length of the run at the start of data that holds nothing that
    // ends a field or needs quotes.
    size_t plainRun(std::string_view data) const;

    const char delimiter_;
    std::array<bool, 256> special_{}; // the delimiter, quotes and line breaks
    Outcome outcome_ = Outcome::Done;
    std::string start_; // the first bytes, while they may be a byte order mark
    bool startChecked_ = false;
    State state_ = State::FieldStart;
    bool fieldTooLong_ = false;
    bool tooManyFields_ = false;
    bool rowTooLong_ = false;
    size_t rowBytes_ = 0; // of the current row's fields before the current one, and their delimiters
    std::vector<std::string> fields_;
    size_t fieldCount_ = 0; // fields of the current row so far
    bool fieldStarted_ = false;
    bool skipLineFeed_ = false; // a CR ended the row: an LF right after it belongs to it
    bool byteOrderMark_ = false;
    bool firstRowSeen_ = false;
    bool stopped_ = false;
    bool unclosedQuote_ = false;
    unsigned long long rowsRead_ = 0;
    std::string_view lineBreak_ = "\n";
    const RowHandler* onRow_ = nullptr;
    const PlainRowHandler* onPlainRow_ = nullptr;
    std::vector<std::string_view> plainFields_;
};

} // namespace spanwright
