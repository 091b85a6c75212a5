#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}

// --notation 1|2|3|4|all: which entries of the result list to write.
constexpr const char* DefaultNotationChoice = "4";
constexpr const char* AllNotationsChoice = "all";

// withAll: "all" may be chosen too.
void addNotationOption(CLI::App& command, std::string& choice, bool withAll);

// The 1-based entry positions a checked choice names, in the list's order.
std::vector<int> notationPositions(const std::string& choice);
