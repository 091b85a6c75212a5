#pragma once

#include "nameindex.h"

#include "evidence/birthnarrowing.h"
#include "csvreader.h"
#include "reading/datereader.h"
#include "outcome.h"
#include "narrowrecord.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// narrow --csv: one record per row of a spreadsheet (a person, a date or
// census, an age), one output row per person in the order of first
// appearance: person,records,earliest,latest,dates,conflict,error.
//
// The input is read once: each person keeps the days common to the records
// so far, and each record's window is kept too, in 32 bytes, so that where
// a person's records have none in common the largest agreeing sets come
// from the windows already read (conflict names the rows each largest
// agreeing set leaves out), not from reading and reckoning the rows again.
// A row that is not read (no person, an age no one has, an unknown census)
// gets an error row under its person's: every row is counted in a person's
// records or in an error row.
struct NarrowCsvSettings
{
    // Each a header name (any case, blanks around it ignored) or a 1-based
    // position, as the batch takes them.
    std::string personColumn;
    std::string dateColumn;
    std::string ageColumn;
    char delimiter = ','; // the output uses it too
    // How the dates and ages are read (--date-order, --switch, --century,
    // --exact...); its order is also the order the dates are written in.
    NarrowOptions options;
    std::string inputName = "the input"; // in messages
};

class NarrowCsvJob
{
public:
    using Sink = std::function<void(std::string_view)>;

    explicit NarrowCsvJob(NarrowCsvSettings settings);

    // Reads the next piece of the input in the current pass; false once the
    // job has ended on a fault (a column the header lacks, a quote out of
    // place), which problem() names.
    bool feed(std::string_view chunk);
    // The input of this pass is over. True when the caller must feed the
    // same input once more: this job keeps what it needs from one pass, so
    // never.
    bool endPass();
    // Writes the rows, once the passes are over. Outcome::Answered when every row
    // was read and every person's records agree, Outcome::NoAnswer otherwise,
    // Outcome::NotRead on a fault.
    Outcome write(const Sink& sink);

    const std::string& problem() const { return problem_; }
    unsigned long long rows() const { return rows_; }

private:
    static constexpr std::uint32_t NoWindow = UINT32_MAX;
    struct Person
    {
        std::string name;
        unsigned long long records = 0;
        BirthWindow common; // the days common to all records so far
        bool conflict = false;
        // The person's records in keptWindows_, in row order: the first and
        // the last, each naming the next.
        std::uint32_t firstWindow = NoWindow;
        std::uint32_t lastWindow = NoWindow;
    };
    // A record's window as kept for its person's largest agreeing sets, in
    // 16 bytes, since every record is kept: day numbers fit 32 bits, the
    // open ends as the least and the greatest of them, and the about mark
    // in the row number's top bit. An input of more rows than 31 bits
    // count, or more records than 32 bits, is refused (see keepWindow).
    struct KeptWindow
    {
        std::int32_t earliest;
        std::int32_t latest;
        std::uint32_t row : 31;
        std::uint32_t about : 1;
        std::uint32_t next; // the person's next record, or NoWindow
    };
    static_assert(sizeof(KeptWindow) == 16, "a window is kept for every record");
    struct ErrorRow
    {
        size_t person; // NoPerson for a row without one
        unsigned long long row;
        std::string problem;
    };
    static constexpr size_t NoPerson = static_cast<size_t>(-1);

    bool onRow(const CsvReader::Row& row);
    bool onPlainRow(const CsvReader::PlainRow& row);
    bool startWith(const std::vector<std::string>& header);
    void readRecord(const std::vector<std::string_view>& fields);
    void fail(std::string problem);
    void keepWindow(Person& person, const BirthWindow& window);
    void writePerson(const Person& person, std::string& out) const;

    NarrowCsvSettings settings_;
    std::unique_ptr<CsvReader> reader_;
    CsvReader::RowHandler onRow_;
    CsvReader::PlainRowHandler onPlainRow_;
    std::vector<std::string_view> fieldViews_; // of a row read with quotes
    bool headerSeen_ = false;
    size_t personAt_ = 0;
    size_t dateAt_ = 0;
    size_t ageAt_ = 0;
    unsigned long long rowNumber_ = 0; // the spreadsheet's row, the header being row 1
    unsigned long long rows_ = 0;
    NameIndex personIndex_;
    std::vector<Person> people_;
    std::vector<ErrorRow> errors_;
    // Blocks, not one array: growing never copies the records read, nor
    // holds two copies of them at once.
    std::deque<KeptWindow> keptWindows_;
    // The records read so far by their texts: a census's rows repeat a few
    // thousand pairs of date and age. Each pair has one place, by its hash,
    // taken over by the next pair read there: register rows, on any day of
    // a life, seldom repeat, and then the cache costs them no allocation.
    struct CachedRecord
    {
        std::string key;
        // The pair's window or why it gives none; empty while the place
        // holds no pair.
        std::optional<Result<BirthWindow>> record;
    };
    std::vector<CachedRecord> recordCache_;
    std::string cacheKey_;
    std::string problem_;
    bool failed_ = false;
    bool lineBreakCrLf_ = false;
    bool byteOrderMark_ = false;
};

} // namespace spanwright
