#pragma once

#include "span.h"

#include <array>
#include <string>
#include <string_view>

// The four entries of the result list, in its order.
enum class Notation { Slash = 1, Dash = 2, Dot = 3, Worded = 4 };
constexpr int NotationCount = 4;

// Holds the four entries for one span.
class ResultEntries
{
public:
    void compose(const Span& span);
    std::string_view entry(Notation notation) const;
    std::string_view entry(int position) const;

private:
    std::array<std::string, NotationCount> entries_;
};
