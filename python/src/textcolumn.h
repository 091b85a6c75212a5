#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright::python {

// A column of texts held end to end in one block: a million short texts
// cost a few allocations, not a million.
class TextColumn
{
public:
    void append(std::string_view text)
    {
        bytes_.append(text);
        ends_.push_back(bytes_.size());
    }
    // One text appended in pieces: push_back its bytes, then end it.
    void push_back(char c) { bytes_.push_back(c); }
    void endText() { ends_.push_back(bytes_.size()); }

    size_t size() const { return ends_.size(); }
    std::string_view operator[](size_t i) const
    {
        const size_t start = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(bytes_).substr(start, ends_[i] - start);
    }

private:
    std::string bytes_;
    std::vector<size_t> ends_;
};

// A column worked out in stretches, one for each thread, in row order.
using StretchedTextColumn = std::vector<TextColumn>;

} // namespace spanwright::python
