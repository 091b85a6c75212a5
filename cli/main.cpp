// spanwright-cli: the spans of the window's engine from the command line.
#include "commands.h"
#include "eachflag.h"
#include "exitstatus.h"
#include "filesizelimit.h"
#include "standardstreams.h"

#include <CLI/App.hpp>
#include <CLI/Config.hpp>
#include <CLI/Formatter.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

using namespace spanwright;

int main(int argc, char** argv)
{
    holdClosedStandardStreams();
    tellFileSizeLimit();
    CLI::App app{"Spans between dates in years, months and days, as an age is stated, "
                 "and the dates that a stated age allows.",
                 "spanwright-cli"};
    app.formatter(std::make_shared<EachFlagFormatter>()); // before the commands, which take it over
    app.require_subcommand(1, 1);
    app.set_version_flag("--version", SPANWRIGHT_VERSION);
    addSpanCommand(app);
    addAgeCommands(app);
    addDaysCommand(app);
    addBatchCommand(app);
    addGedcomCommand(app);
    addCheckCommand(app);
    addConvertCommand(app);
    addNarrowCommand(app);
    addEstimateCommand(app);
    addCensusCommand(app);

    try {
        std::vector<std::string> arguments = withEachFlagSpelledOut(argc, argv);
        std::reverse(arguments.begin() + 1, arguments.end()); // the parser takes them last first
        arguments.erase(arguments.begin()); // without the program's name
        app.parse(arguments);
    } catch (const CLI::RuntimeError& error) {
        // A subcommand's own end, already explained on standard error.
        return error.get_exit_code();
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error); // prints the help or the mistake
        if (status != 0)
            return ExitUsage;
    } catch (const std::exception& error) {
        std::cerr << "spanwright-cli: " << error.what() << '\n';
        return ExitUsage;
    }
    // An answer that did not reach its reader is no answer.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "spanwright-cli: cannot write the output: " << std::strerror(errno) << '\n';
        return ExitUsage;
    }
    return ExitSuccess;
}
