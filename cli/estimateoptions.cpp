#include "estimateoptions.h"

#include "exitstatus.h"

#include <CLI/App.hpp>

#include <iostream>

using namespace spanwright;

void addEstimateOptions(CLI::App& command, EstimateOptionTexts& texts)
{
    command.add_option("--mother-ages", texts.motherAges, "LEAST-MOST: a mother's ages at a birth (14-50)");
    command.add_option("--father-ages", texts.fatherAges, "LEAST-MOST: a father's ages at a birth (16-80)");
    command.add_option("--marriage-ages", texts.marriageAges, "LEAST-MOST: the ages at a first marriage (14-60)");
    command.add_option("--sibling-gap-months", texts.siblingGapMonths,
                       "The least months between two births of one family, where the tree lists the "
                       "children in order (9)")
        ->check(CLI::Range(0, 36));
    command.add_option("--max-life", texts.maxLife, "The longest life in years (105)")
        ->check(CLI::Range(1, NoLifeReachesYears - 1));
    command.add_option("--about-years", texts.aboutYears,
                       "An ABT, CAL or EST date is taken to lie within this many years of its days (2)")
        ->check(CLI::Range(0, 50));
}

EstimateAssumptions assumptionsOf(const EstimateOptionTexts& texts, const std::string& command)
{
    EstimateAssumptions assumptions;
    const auto range = [&](const char* option, const std::string& text) {
        const Result<YearRange> read = readYearRange(text);
        if (!read) {
            std::cerr << "spanwright-cli " << command << ": " << option << ' ' << read.problem().message << '\n';
            throw exitWith(ExitUsage);
        }
        return *read;
    };
    assumptions.motherAges = range("--mother-ages", texts.motherAges);
    assumptions.fatherAges = range("--father-ages", texts.fatherAges);
    assumptions.marriageAges = range("--marriage-ages", texts.marriageAges);
    assumptions.siblingGapMonths = texts.siblingGapMonths;
    assumptions.longestLifeYears = texts.maxLife;
    assumptions.aboutYears = texts.aboutYears;
    return assumptions;
}
