#include "batchrowstage.h"

namespace spanwright {

namespace {

constexpr size_t OutputFlushSize = 1 << 16;

} // namespace

SerialRowStage::SerialRowStage(const RowWriterMaker& makeRowWriter, Sink sink)
    : writeRow_(makeRowWriter()), sink_(std::move(sink))
{
}

void SerialRowStage::addRow(const std::vector<std::string>& fields, bool emptyLine)
{
    fields_.assign(fields.begin(), fields.end());
    someFailed_ |= !writeRow_(fields_, emptyLine, output_);
    if (output_.size() >= OutputFlushSize) {
        sink_(output_.view());
        output_.clear();
    }
}

void SerialRowStage::finish()
{
    if (output_.size() > 0)
        sink_(output_.view());
    output_.clear();
}

} // namespace spanwright
