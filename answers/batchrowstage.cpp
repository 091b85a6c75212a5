#include "batchrowstage.h"

namespace spanwright {

SerialRowStage::SerialRowStage(const RowWriterMaker& makeRowWriter, Sink sink)
    : writeRow_(makeRowWriter()), sink_(std::move(sink))
{
}

void BatchRowStage::addPlainRow(std::string_view, const std::vector<std::string_view>& fields)
{
    addRow(std::vector<std::string>(fields.begin(), fields.end()), false);
}

void SerialRowStage::addRow(const std::vector<std::string>& fields, bool emptyLine)
{
    fields_.assign(fields.begin(), fields.end());
    someFailed_ |= !writeRow_(Fields{fields_, {}, false}, emptyLine, output_);
    flushWhenFull();
}

void SerialRowStage::addPlainRow(std::string_view line, const std::vector<std::string_view>& fields)
{
    someFailed_ |= !writeRow_(Fields{fields, line, true}, false, output_);
    flushWhenFull();
}

void SerialRowStage::flushWhenFull()
{
    if (output_.size() >= FlushSize) {
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
