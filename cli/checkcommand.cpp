// spanwright-cli check FILE: what cannot be true in a family tree, and what
// is unusual, told with how certain the dates make it.
#include "calendaroptions.h"
#include "commandfile.h"
#include "commands.h"
#include "datereading.h"
#include "exitstatus.h"
#include "languageoption.h"
#include "programprefix.h"
#include "treecheckfile.h"
#include "treefindingtext.h"

#include <CLI/App.hpp>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>

using namespace spanwright;

namespace {

// Findings are written in blocks of about this size.
constexpr std::size_t OutputBlock = 1 << 16;

struct Arguments
{
    std::string file;
    std::string format = "csv";
    std::vector<std::string> thresholds; // NAME=VALUE
    std::vector<std::string> only;
    std::string today;
    DateReadOptions reading; // the switch and the language
};

[[noreturn]] void usage(const std::string& problem)
{
    std::cerr << "spanwright-cli check: " << problem << '\n';
    throw exitWith(ExitUsage);
}

Day systemToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    constexpr int TmYearBase = 1900;
    return dayOf({local.tm_year + TmYearBase, local.tm_mon + 1, local.tm_mday});
}

TreeCheckOptions optionsOf(const Arguments& arguments)
{
    TreeCheckOptions options;
    options.calendar = arguments.reading;
    for (const std::string& setting : arguments.thresholds) {
        const std::size_t equals = setting.find('=');
        if (equals == std::string::npos)
            usage("--rule " + setting + ": NAME=VALUE expected (" + treeThresholdNames() + ")");
        const std::optional<Problem> problem =
            setTreeThreshold(options.thresholds, std::string_view(setting).substr(0, equals),
                             std::string_view(setting).substr(equals + 1));
        if (problem)
            usage("--rule " + problem->message);
    }
    // Checked once all are set, since either may be given first.
    const TreeThresholds& limits = options.thresholds;
    if (limits.childSpacingMinDays > limits.childSpacingMaxDays) {
        usage("--rule child_spacing_min_days=" + std::to_string(limits.childSpacingMinDays)
              + " is above child_spacing_max_days=" + std::to_string(limits.childSpacingMaxDays)
              + ": no two births could be far enough apart and near enough at once");
    }
    if (!arguments.only.empty()) {
        options.enabled.fill(false);
        for (const std::string& name : arguments.only) {
            const std::optional<TreeRule> rule = treeRuleNamed(name);
            if (!rule)
                usage("--only: there is no rule \"" + name + "\"");
            options.enabled[static_cast<std::size_t>(*rule)] = true;
        }
    }
    if (arguments.today.empty()) {
        options.today = systemToday();
    } else {
        const Result<CalendarDate> today = readCalendarDateFor("--today date", arguments.today);
        if (!today)
            usage(today.problem().message);
        options.today = dayOf(*today);
    }
    return options;
}

void writeSummary(const std::string& file, const TreeCheckSummary& summary)
{
    std::cerr << file << ": " << summary.people << " people, " << summary.families << " families, "
              << summary.total() << " findings; the tree held in " << summary.bytesHeld << " bytes";
    if (summary.people > 0)
        std::cerr << " (" << summary.bytesHeld / std::size_t(summary.people) << " per person)";
    const FamilyTreeProblems& problems = summary.problems;
    if (problems.any()) {
        // Only what was found, in the order the warnings tell it.
        std::string found;
        const auto add = [&found](long long count, const std::string& what) {
            if (count > 0)
                found.append(found.empty() ? "" : ", ").append(std::to_string(count) + " " + what);
        };
        add(problems.linesNotGedcom, "line(s) not GEDCOM");
        add(problems.levelJumps, "level jump(s)");
        add(problems.mayBeCut ? 1 : 0, "file without TRLR, maybe cut short");
        add(problems.duplicateIds, "duplicate id(s)");
        add(problems.unreadableDates, "date(s) that cannot be read");
        std::cerr << "; not read whole: " << found;
    }
    for (std::size_t rule = 0; rule < TreeRuleCount; ++rule) {
        const auto& counts = summary.findings[rule];
        if (counts[0] + counts[1] == 0)
            continue;
        std::cerr << "\n  " << treeRuleName(static_cast<TreeRule>(rule)) << ": " << counts[1] << " certain, "
                  << counts[0] << " possible";
    }
    std::cerr << '\n';
}

void run(const Arguments& arguments)
{
    const TreeCheckOptions options = optionsOf(arguments);
    const OpenFile in = openCommandGedcomFile(arguments.file);

    const bool json = arguments.format == "json";
    std::string buffer;
    bool written = true;
    const auto flush = [&] {
        written = written && std::fwrite(buffer.data(), 1, buffer.size(), stdout) == buffer.size();
        buffer.clear();
    };
    if (json)
        buffer.push_back('[');
    else
        buffer.append(TreeFindingHeader).push_back('\n');
    bool first = true;
    TreeCheckSummary summary;
    ProgramPrefixedStream warnings(std::cerr);
    const bool read = checkGedcomTree(in.get(), arguments.file, options, warnings, [&](const TreeFinding& finding) {
        if (json) {
            buffer.append(first ? "\n" : ",\n");
            appendFindingJson(buffer, finding);
        } else {
            appendFindingCsv(buffer, finding);
        }
        first = false;
        if (buffer.size() >= OutputBlock)
            flush();
    }, summary);
    if (!read)
        throw exitWith(ExitUsage);
    if (json)
        buffer.append(first ? "]\n" : "\n]\n");
    flush();
    if (!written || std::fflush(stdout) != 0) {
        std::cerr << "spanwright-cli: the findings could not be written\n";
        throw exitWith(ExitUsage);
    }
    writeSummary(arguments.file, summary);
    if (summary.total() > 0 || summary.problems.any())
        throw exitWith(ExitNoAnswer);
}

} // namespace

void addCheckCommand(CLI::App& app)
{
    auto arguments = std::make_shared<Arguments>();
    CLI::App* command = app.add_subcommand(
        "check", "Checks a GEDCOM family tree for dates that cannot be true (a death before the birth, a "
                 "child born after its mother's death...) and ages that are unusual, each marked certain or "
                 "possible.");
    command->add_option("FILE", arguments->file, "The GEDCOM file, or a GEDZIP archive")->required();
    addCalendarOptions(*command, arguments->reading.calendar);
    addLanguageOption(*command, arguments->reading.language);
    command->add_option("--format", arguments->format, "csv (the default) or json")
        ->check(CLI::IsMember({"csv", "json"}));
    command->add_option("--rule", arguments->thresholds,
                        "NAME=VALUE: changes a threshold (" + treeThresholdNames() + "); may be repeated");
    command->add_option("--only", arguments->only, "NAME,...: applies only these rules")->delimiter(',');
    command->add_option("--today", arguments->today,
                        "The day future_date compares with (5/17/1990); the system's date by default");
    command->footer(
        "One finding per line on standard output:\n"
        "  rule,certainty,severity,individual,family,detail\n"
        "certain: every reading of the dates breaks the rule; possible: some do.\n"
        "A partial or qualified date (1850, MAR 1850, BET, BEF, AFT) stands for all its\n"
        "days; a date open to one side counts only at its bound towards \"possible\";\n"
        "nothing on an approximate date (ABT, CAL, EST) is certain. Ages are spans in\n"
        "years, months and days, compared with the thresholds exactly.\n"
        "Errors: death_before_birth, baptism_before_birth, burial_before_death,\n"
        "birth_after_mother_death, birth_after_father_death (father_death_days=294),\n"
        "unborn_parent, marriage_before_birth, marriage_after_death, future_date.\n"
        "Warnings: stated_age, stated_ages_conflict, birth_outside_stated_ages (the\n"
        "ages stated under every event, narrowed as narrow does, a census's by its\n"
        "rule where its PLAC names the country), old_age=90,\n"
        "young_mother=17, old_mother=48, young_father=18, old_father=65,\n"
        "early_marriage=17, late_marriage=50,\n"
        "child_spacing (child_spacing_min_days=10, child_spacing_max_days=260).\n"
        "Lines that are not GEDCOM, levels that jump, dates that cannot be read, ids\n"
        "used twice and a file without TRLR (maybe cut short: nothing about its last\n"
        "record is certain) are told on standard error and counted in the summary.\n"
        "FILE - reads standard input; a GEDZIP archive from a pipe is held in memory\n"
        "(at most 256 MiB). Adopted, foster and step children (PEDI, _FREL, _MREL,\n"
        "ADOP) are left out of the rules about births; a burial bounds the death.\n"
        "A summary goes to standard error. Status: 0 no finding, 1 findings or lines\n"
        "not read, 2 a file that cannot be read (or mostly not GEDCOM lines) or a\n"
        "mistake in the command.\n\n"
        "Examples:\n"
        "  spanwright-cli check tree.ged > findings.csv\n"
        "  spanwright-cli check tree.ged --only young_mother,old_mother --rule young_mother=16\n"
        "  spanwright-cli check tree.ged --format json --today 12/9/2026");
    command->callback([arguments] { run(*arguments); });
}
