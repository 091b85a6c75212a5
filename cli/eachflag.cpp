#include "eachflag.h"

#include <CLI/Option.hpp>

#include <algorithm>
#include <string_view>

namespace {

constexpr char EachShort = '1';
constexpr const char* EachLong = "--each";
// The other short flags of born and died, which may stand beside -1 ("-x1").
constexpr std::string_view OtherShortFlags = "xrh";

// "-1", "-1x", "-x1": short flags among which -1 stands; never a date or
// an age, nor an option with its value ("-n1" of span).
bool isShortFlagsWithEach(const std::string& argument)
{
    if (argument.size() < 2 || argument[0] != '-')
        return false;
    bool each = false;
    for (size_t i = 1; i < argument.size(); ++i) {
        if (argument[i] == EachShort)
            each = true;
        else if (OtherShortFlags.find(argument[i]) == std::string_view::npos)
            return false;
    }
    return each;
}

// The command: the first argument that is no option (the program itself
// takes only --help and --version).
bool commandTakesEach(const std::vector<std::string>& arguments)
{
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i].empty() || arguments[i][0] != '-')
            return arguments[i] == "born" || arguments[i] == "died";
    }
    return false;
}

} // namespace

std::vector<std::string> withEachFlagSpelledOut(int argc, char** argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    if (!commandTakesEach(arguments))
        return arguments;
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
