#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace spanwright {

// A text that grows at its end, for output written in many short pieces: its
// appends are inlined, where std::string's are library calls, which the
// batch makes some twenty times for every row.
class TextBuffer
{
public:
    void append(std::string_view text)
    {
        if (text.empty())
            return; // its data may be null, which memcpy must not be given
        reserveMore(text.size());
        std::memcpy(data_.get() + size_, text.data(), text.size());
        size_ += text.size();
    }
    void append(size_t count, char c)
    {
        if (count == 0)
            return;
        reserveMore(count);
        std::memset(data_.get() + size_, c, count);
        size_ += count;
    }
    void push_back(char c)
    {
        reserveMore(1);
        data_[size_++] = c;
    }
    // Room for more bytes at the end, to write in place; extend(count) then
    // takes the first count of them into the text.
    char* tail(size_t more)
    {
        reserveMore(more);
        return data_.get() + size_;
    }
    void extend(size_t count) { size_ += count; }
    void clear() { size_ = 0; }
    size_t size() const { return size_; }
    std::string_view view() const { return {data_.get(), size_}; }

private:
    void reserveMore(size_t more)
    {
        if (capacity_ - size_ < more)
            grow(size_ + more);
    }
    void grow(size_t needed)
    {
        constexpr size_t SmallestCapacity = 1 << 16;
        size_t capacity = capacity_ < SmallestCapacity ? SmallestCapacity : capacity_;
        while (capacity < needed)
            capacity *= 2;
        std::unique_ptr<char[]> data(new char[capacity]);
        if (size_ > 0)
            std::memcpy(data.get(), data_.get(), size_);
        data_ = std::move(data);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

} // namespace spanwright
