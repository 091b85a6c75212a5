#include "notationoption.h"

#include "spans/resultentries.h"

#include <CLI/App.hpp>

using namespace spanwright;

void addNotationOption(CLI::App& command, std::string& choice, bool withAll)
{
    std::vector<std::string> choices = {"1", "2", "3", "4"};
    std::string help = "Which entry of the result list: 1 months/days/years, 2 months-days-years, "
                       "3 months.days.years, 4 worded (the default)";
    if (withAll) {
        choices.push_back(AllNotationsChoice);
        help += ", or all four";
    }
    command.add_option("-n,--notation", choice, help)->check(CLI::IsMember(choices))->capture_default_str();
}

std::vector<int> notationPositions(const std::string& choice)
{
    if (choice == AllNotationsChoice) {
        std::vector<int> all;
        for (int position = 1; position <= NotationCount; ++position)
            all.push_back(position);
        return all;
    }
    return {std::stoi(choice)};
}
