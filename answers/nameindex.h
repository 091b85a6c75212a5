#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace spanwright {

// The positions of names kept elsewhere (a list of people), found by name:
// a flat table probed in order, holding for each name only its hash and its
// position, so that a look-up touches one slot or a few neighbours where a
// node-based map chases a pointer to a node and another to its text. With a
// hundred thousand people that look-up was a fifth of narrow's time.
class NameIndex
{
public:
    static constexpr size_t None = static_cast<size_t>(-1);

    static size_t hashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }

    // The position of name, or None; nameAt(position) gives the name kept
    // at a position.
    template <typename NameAt>
    size_t find(std::string_view name, size_t hash, const NameAt& nameAt) const
    {
        if (slots_.empty())
            return None;
        for (size_t at = hash & mask(); slots_[at].position != None; at = (at + 1) & mask()) {
            if (slots_[at].hash == hash && nameAt(slots_[at].position) == name)
                return slots_[at].position;
        }
        return None;
    }

    // Adds a name not yet held, by its hash.
    void add(size_t hash, size_t position)
    {
        // At most half full, so that probes stay short.
        if (2 * (count_ + 1) > slots_.size())
            grow();
        place(hash, position);
        ++count_;
    }

private:
    struct Slot
    {
        size_t hash = 0;
        size_t position = None;
    };

    size_t mask() const { return slots_.size() - 1; }

    void place(size_t hash, size_t position)
    {
        size_t at = hash & mask();
        while (slots_[at].position != None)
            at = (at + 1) & mask();
        slots_[at] = {hash, position};
    }

    void grow()
    {
        constexpr size_t FirstSize = 1024;
        std::vector<Slot> old(slots_.empty() ? FirstSize : 2 * slots_.size());
        old.swap(slots_);
        for (const Slot& slot : old)
            if (slot.position != None)
                place(slot.hash, slot.position);
    }

    std::vector<Slot> slots_;
    size_t count_ = 0;
};

} // namespace spanwright
