#include "batchpipeline.h"

#include <algorithm>
#include <system_error>

#ifdef __linux__
#include <sched.h>
#endif

using namespace spanwright;

namespace {

// A block is handed over at so many rows or so many bytes of fields,
// whichever comes first: large enough that handing it over costs little
// beside its rows, small enough that a few blocks take little memory
// however wide the rows are.
constexpr size_t RowsPerBlock = 4096;
constexpr size_t BytesPerBlock = 256 << 10;
// Blocks held at once for each worker, waiting or finished but not sent.
constexpr size_t BlocksPerWorker = 2;
// More workers than this gain nothing: the reading thread cannot keep
// them busy.
constexpr unsigned MostWorkers = 8;

// The cores this process may run on: where it is held to one (taskset),
// workers would only take turns with the reading thread.
unsigned usableCores()
{
#ifdef __linux__
    cpu_set_t cores;
    if (sched_getaffinity(0, sizeof cores, &cores) == 0)
        return unsigned(CPU_COUNT(&cores));
#endif
    return std::thread::hardware_concurrency();
}

unsigned workerCount()
{
    return std::clamp(usableCores(), 1u, MostWorkers);
}

} // namespace

BatchPipeline::BatchPipeline(RowWriterMaker makeRowWriter, Sink sink)
    : makeRowWriter_(std::move(makeRowWriter)), sink_(std::move(sink)), current_(std::make_unique<Block>())
{
    if (usableCores() == 1)
        direct_ = std::make_unique<SerialRowStage>(makeRowWriter_, sink_);
}

BatchPipeline::~BatchPipeline()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void BatchPipeline::addRow(const std::vector<std::string>& fields, bool emptyLine)
{
    if (direct_) {
        direct_->addRow(fields, emptyLine);
        return;
    }
    Block& block = *current_;
    const size_t rowStart = block.text.size();
    for (const std::string& field : fields) {
        const size_t start = block.text.size();
        block.text.append(field);
        block.fields.push_back({start, block.text.size()});
    }
    block.rows.push_back({block.fields.size(), {rowStart, block.text.size()}, emptyLine, false});
    submitWhenFull();
}

void BatchPipeline::addPlainRow(std::string_view line, const std::vector<std::string_view>& fields)
{
    if (direct_) {
        direct_->addPlainRow(line, fields);
        return;
    }
    Block& block = *current_;
    const size_t rowStart = block.text.size();
    block.text.append(line);
    for (std::string_view field : fields) {
        const size_t start = rowStart + size_t(field.data() - line.data());
        block.fields.push_back({start, start + field.size()});
    }
    block.rows.push_back({block.fields.size(), {rowStart, block.text.size()}, false, true});
    submitWhenFull();
}

void BatchPipeline::submitWhenFull()
{
    if (current_->rows.size() == RowsPerBlock || current_->text.size() >= BytesPerBlock)
        submit();
}

void BatchPipeline::writeRows(Block& block, const RowWriter& writeRow)
{
    std::vector<std::string_view> fields;
    const std::string_view text = block.text;
    size_t field = 0;
    for (const RowMark& row : block.rows) {
        fields.clear();
        for (; field < row.fieldsEnd; ++field)
            fields.push_back(text.substr(block.fields[field].start, block.fields[field].end - block.fields[field].start));
        const std::string_view asWritten = text.substr(row.text.start, row.text.end - row.text.start);
        block.failed |= !writeRow(Fields{fields, asWritten, row.plain}, row.emptyLine, block.output);
    }
}

void BatchPipeline::submit()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        waiting_.push_back(current_.get());
        inOrder_.push_back(std::move(current_));
    }
    current_ = std::make_unique<Block>();
    if (workers_.empty()) {
        // The workers start with the second block: an input of one block is
        // written by the reading thread alone, without starting any.
        if (inOrder_.size() < 2)
            return;
        startWorkers();
        if (workers_.empty()) {
            writeHere();
            return;
        }
    }
    changed_.notify_all();
    sendFinished(false);
    while (inOrder_.size() > BlocksPerWorker * workers_.size())
        sendFinished(true);
}

void BatchPipeline::writeHere()
{
    const RowWriter writeRow = makeRowWriter_();
    while (!inOrder_.empty()) {
        std::unique_ptr<Block> block = std::move(inOrder_.front());
        inOrder_.pop_front();
        waiting_.pop_front();
        writeRows(*block, writeRow);
        send(*block);
    }
}

void BatchPipeline::startWorkers()
{
    try {
        for (unsigned i = 0; i < workerCount(); ++i)
            workers_.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
        // No more threads to be had: those started do the work; with none,
        // the reading thread writes every block itself.
    }
}

void BatchPipeline::work()
{
    const RowWriter writeRow = makeRowWriter_();
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (stopping_)
            return; // the run ends early: what waits is not wanted
        Block& block = *waiting_.front();
        waiting_.pop_front();
        lock.unlock();
        try {
            writeRows(block, writeRow);
        } catch (...) {
            block.error = std::current_exception();
        }
        lock.lock();
        block.done = true;
        changed_.notify_all();
    }
}

void BatchPipeline::sendFinished(bool wait)
{
    for (;;) {
        std::unique_ptr<Block> block;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            if (wait)
                changed_.wait(lock, [this] { return inOrder_.empty() || inOrder_.front()->done; });
            if (inOrder_.empty() || !inOrder_.front()->done)
                return;
            block = std::move(inOrder_.front());
            inOrder_.pop_front();
        }
        wait = false;
        send(*block);
    }
}

void BatchPipeline::send(Block& block)
{
    if (block.error)
        std::rethrow_exception(block.error);
    someFailed_ |= block.failed;
    sink_(block.output.view());
}

void BatchPipeline::finish()
{
    if (direct_) {
        direct_->finish();
        return;
    }
    if (!current_->rows.empty())
        submit();
    if (workers_.empty()) {
        writeHere();
        return;
    }
    while (!inOrder_.empty())
        sendFinished(true);
}
