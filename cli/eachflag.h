#pragma once

#include <CLI/Formatter.hpp>

#include <string>
#include <vector>

// born and died print every date with -1 or --each. Were -1 an option of
// the parser, it would take any argument that starts with -1 for it ("-10
// years", "-17/5/1990" read as -1 and "-0 years", "-7/5/1990"), so the
// parser knows --each alone: the arguments are given to it with -1 (alone
// or among short flags, "-1x") written as --each, and a date or an age that
// starts with -1 stays whole, to be refused with its own words.
std::vector<std::string> withEachFlagSpelledOut(int argc, char** argv);

// The help's name of --each keeps its short form: "-1,--each".
class EachFlagFormatter : public CLI::Formatter
{
public:
    std::string make_option_name(const CLI::Option* option, bool isPositional) const override;
};
