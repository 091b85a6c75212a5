#pragma once

#include "textbuffer.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// Where the rows of a batch are worked out and their output sent on, in the
// order of the input: on the reading thread (SerialRowStage), or on worker
// threads (BatchPipeline).
class BatchRowStage
{
public:
    // A row's fields; for a row read without quotes, also its text as
    // written, which then stands for its fields in the output as it is.
    struct Fields
    {
        const std::vector<std::string_view>& views;
        std::string_view asWritten;
        bool written = false; // asWritten holds the row
    };
    // Writes one row (its fields, or an empty line) at the end of out;
    // returns false where the row holds an error. One per thread.
    using RowWriter = std::function<bool(const Fields& fields, bool emptyLine, TextBuffer& out)>;
    using RowWriterMaker = std::function<RowWriter()>;
    // Sends finished output on, in order; may throw.
    using Sink = std::function<void(std::string_view text)>;

    virtual ~BatchRowStage() = default;
    virtual void addRow(const std::vector<std::string>& fields, bool emptyLine) = 0;
    // A row without quotes, as CsvReader::PlainRow: by default as any row.
    virtual void addPlainRow(std::string_view line, const std::vector<std::string_view>& fields);
    // Writes what is left, and waits for it.
    virtual void finish() = 0;
    // Where rows are written on the calling thread, for a caller that
    // writes a row there itself and then calls wroteHere(); null where rows
    // are written elsewhere.
    // Output goes on in pieces of this size.
    static constexpr size_t FlushSize = 1 << 16;
    virtual TextBuffer* outputHere() { return nullptr; }
    virtual void wroteHere() {}
    // Some row held an error.
    virtual bool someFailed() const = 0;
};

// Every row written as it comes, on the calling thread; the output goes on
// in pieces of a flush size.
class SerialRowStage : public BatchRowStage
{
public:
    SerialRowStage(const RowWriterMaker& makeRowWriter, Sink sink);
    void addRow(const std::vector<std::string>& fields, bool emptyLine) override;
    void addPlainRow(std::string_view line, const std::vector<std::string_view>& fields) override;
    void finish() override;
    bool someFailed() const override { return someFailed_; }
    TextBuffer* outputHere() override { return &output_; }
    void wroteHere() override { flushWhenFull(); }

private:
    void flushWhenFull();

    RowWriter writeRow_;
    Sink sink_;
    std::vector<std::string_view> fields_; // of a row read with quotes
    TextBuffer output_;
    bool someFailed_ = false;
};

} // namespace spanwright
