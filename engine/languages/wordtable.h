#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace spanwright {

// A small fixed table from words to values, built once and read on every
// worded date: open addressing over a power-of-two array, keyed by views of
// words kept elsewhere. (std::unordered_map hashed and compared a third of
// a worded date's time away.)
namespace languages {

template <typename Value>
class WordTable
{
public:
    // Adds the word or finds it; the view must outlive the table.
    Value& operator[](std::string_view word)
    {
        if ((count_ + 1) * 2 > slots_.size())
            grow();
        Slot& slot = slotOf(word);
        if (!slot.used) {
            slot.used = true;
            slot.word = word;
            ++count_;
        }
        return slot.value;
    }

    const Value* find(std::string_view word) const
    {
        if (slots_.empty())
            return nullptr;
        const size_t mask = slots_.size() - 1;
        for (size_t index = hashOf(word) & mask;; index = (index + 1) & mask) {
            const Slot& slot = slots_[index];
            if (!slot.used)
                return nullptr;
            if (slot.word == word)
                return &slot.value;
        }
    }

    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (const Slot& slot : slots_) {
            if (slot.used)
                visit(slot.word, slot.value);
        }
    }

private:
    struct Slot
    {
        bool used = false;
        std::string_view word;
        Value value{};
    };

    static size_t hashOf(std::string_view word)
    {
        constexpr std::uint32_t FnvOffset = 2166136261u;
        constexpr std::uint32_t FnvPrime = 16777619u;
        std::uint32_t hash = FnvOffset;
        for (char c : word)
            hash = (hash ^ static_cast<unsigned char>(c)) * FnvPrime;
        return hash;
    }

    Slot& slotOf(std::string_view word)
    {
        const size_t mask = slots_.size() - 1;
        for (size_t index = hashOf(word) & mask;; index = (index + 1) & mask) {
            Slot& slot = slots_[index];
            if (!slot.used || slot.word == word)
                return slot;
        }
    }

    void grow()
    {
        constexpr size_t FirstSize = 64;
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? FirstSize : old.size() * 2, Slot());
        count_ = 0;
        for (Slot& slot : old) {
            if (slot.used)
                (*this)[slot.word] = std::move(slot.value);
        }
    }

    std::vector<Slot> slots_;
    size_t count_ = 0;
};

} // namespace languages

} // namespace spanwright
