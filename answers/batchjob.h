#pragma once

#include "batchrows.h"
#include "batchrowstage.h"
#include "csvreader.h"
#include "reading/datereader.h"
#include "outcome.h"
#include "plainspan.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// What a batch is asked to do.
struct BatchSettings
{
    BatchMode mode = BatchMode::Span;
    // The columns, each a header name (any case, blanks around it ignored)
    // or a 1-based position: the begin date (Span, Died) or the end date
    // (Born); the end date (Span) or the age (Born, Died).
    std::string firstColumn;
    std::string secondColumn;
    Notation notation = Notation::Worded;
    char delimiter = ','; // or ';' or '\t'; the output uses it too
    DateOrder dateOrder = DateOrder::MonthFirst;
    // The rest of how dates are read (the calendar of plain dates); its
    // order gives way to dateOrder.
    DateReadOptions dateReading;
    // Born, Died: every unstated unit of an age 0 (AgeQuestion::exact).
    bool exactAges = false;
    std::string inputName = "standard input"; // in messages
};

// A batch run over a CSV text that arrives in pieces, without any file or
// thread of its own, so that every front end writes the same output byte
// for byte: the header row names the columns, every row after it gives one
// output row (its fields as they came, then the results), a byte order mark
// and the line break of the first row are kept.
class BatchJob
{
public:
    using Sink = BatchRowStage::Sink; // gets the output, in order; may throw
    // Makes the stage where rows are worked out; the default works them out
    // on the calling thread (a BatchPipeline works them out on every core).
    using StageMaker = std::function<std::unique_ptr<BatchRowStage>(BatchRowStage::RowWriterMaker, Sink)>;

    BatchJob(BatchSettings settings, Sink sink, StageMaker makeStage = {});
    ~BatchJob();
    BatchJob(const BatchJob&) = delete;
    BatchJob& operator=(const BatchJob&) = delete;

    // Reads the next piece of the input. False once the job has ended on a
    // fault (a column the header lacks, a quote out of place): problem()
    // says which, and nothing more is read.
    bool feed(std::string_view chunk);
    // The input is over: writes what is left. Outcome::Answered when every row was
    // calculated, Outcome::NoAnswer when some hold errors, Outcome::NotRead on a fault.
    Outcome finish();
    // Writes the rows read so far, for an input that cannot be read on.
    void abandon();

    const std::string& problem() const { return problem_; }
    // What to say beside the output: a column whose dates read in another
    // date order.
    std::vector<std::string> notes() const;
    // Rows read after the header, empty lines left out.
    unsigned long long rows() const { return rows_; }

private:
    bool onRow(const CsvReader::Row& row);
    bool onPlainRow(const CsvReader::PlainRow& row);
    bool startWith(const std::vector<std::string>& header);
    bool findColumn(const std::vector<std::string>& header, bool first, size_t& position);
    void fail(std::string problem);

    const BatchSettings settings_;
    Sink sink_;
    StageMaker makeStage_;
    CsvReader reader_;
    CsvReader::RowHandler onRow_;
    CsvReader::PlainRowHandler onPlainRow_;
    std::unique_ptr<BatchRowStage> stage_; // from the header on
    TextBuffer* outputHere_ = nullptr;     // the stage's, where it writes rows on this thread
    PlainSpanRows plainSpans_;
    std::shared_ptr<BatchDateNotes> dateNotes_;
    std::string problem_;
    bool failed_ = false;
    unsigned long long rows_ = 0;
};

} // namespace spanwright
