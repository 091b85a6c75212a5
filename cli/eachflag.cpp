#include "eachflag.h"

#include <CLI/Option.hpp>

#include <algorithm>
#include <cctype>

namespace {

constexpr char EachShort = '1';
constexpr const char* EachLong = "--each";

// "-1", "-1x", "-x1": short flags among which -1 stands; never a date or
// an age, which hold more than letters.
bool isShortFlagsWithEach(const std::string& argument)
{
    if (argument.size() < 2 || argument[0] != '-' || argument[1] == '-')
        return false;
    bool each = false;
    for (size_t i = 1; i < argument.size(); ++i) {
        const auto c = static_cast<unsigned char>(argument[i]);
        if (c == EachShort)
            each = true;
        else if (std::isalpha(c) == 0)
            return false;
    }
    return each;
}

} // namespace

std::vector<std::string> withEachFlagSpelledOut(int argc, char** argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    std::vector<std::string> out;
    bool positionalOnly = false; // after "--"
    for (std::string& argument : arguments) {
        if (!positionalOnly && isShortFlagsWithEach(argument)) {
            out.emplace_back(EachLong);
            argument.erase(std::remove(argument.begin() + 1, argument.end(), EachShort), argument.end());
            if (argument.size() > 1)
                out.push_back(argument);
            continue;
        }
        positionalOnly = positionalOnly || argument == "--";
        out.push_back(argument);
    }
    return out;
}

std::string EachFlagFormatter::make_option_name(const CLI::Option* option, bool isPositional) const
{
    const std::string name = CLI::Formatter::make_option_name(option, isPositional);
    return name == EachLong ? std::string("-") + EachShort + "," + name : name;
}
