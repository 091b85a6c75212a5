#pragma once

#include "batchrowstage.h"
#include "textbuffer.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// The rows of a batch, worked out on every core: the reading thread packs
// rows into blocks, worker threads write each block's output, and the
// blocks go out in the order of the input. At most a few blocks are held at
// once, so memory stays flat however long the input is.
class BatchPipeline : public spanwright::BatchRowStage
{
public:
    BatchPipeline(RowWriterMaker makeRowWriter, Sink sink);
    ~BatchPipeline() override;
    BatchPipeline(const BatchPipeline&) = delete;
    BatchPipeline& operator=(const BatchPipeline&) = delete;

    void addRow(const std::vector<std::string>& fields, bool emptyLine) override;
    void addPlainRow(std::string_view line, const std::vector<std::string_view>& fields) override;
    void finish() override;
    bool someFailed() const override { return direct_ ? direct_->someFailed() : someFailed_; }
    spanwright::TextBuffer* outputHere() override { return direct_ ? direct_->outputHere() : nullptr; }
    void wroteHere() override { direct_->wroteHere(); }

private:
    struct Piece // of a block's text
    {
        size_t start;
        size_t end;
    };
    struct RowMark
    {
        size_t fieldsEnd; // index into fields past the row's last field
        Piece text;       // the row as written, for a plain row
        bool emptyLine;
        bool plain;
    };
    struct Block
    {
        // A plain row's line as written, another row's fields one after
        // another.
        std::string text;
        std::vector<Piece> fields;
        std::vector<RowMark> rows;
        spanwright::TextBuffer output;
        bool failed = false;
        bool done = false;
        std::exception_ptr error;
    };

    void submitWhenFull();
    void submit();
    void startWorkers();
    // Writes every block held on this thread, for when no worker runs.
    void writeHere();
    static void writeRows(Block& block, const RowWriter& writeRow);
    void work();
    // Sends on the finished blocks at the front; with wait, first waits
    // until the front block is finished.
    void sendFinished(bool wait);
    void send(Block& block);

    RowWriterMaker makeRowWriter_;
    Sink sink_;
    // On a single core no worker runs beside the reading thread: the rows
    // are written as they come, without blocks to fill and hand over.
    std::unique_ptr<spanwright::SerialRowStage> direct_;
    std::unique_ptr<Block> current_;
    bool someFailed_ = false;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Block*> waiting_;                 // for a worker
    std::deque<std::unique_ptr<Block>> inOrder_; // every block not sent yet
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};
