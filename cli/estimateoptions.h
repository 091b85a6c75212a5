#pragma once

#include "estimaterules.h"

#include <string>

namespace CLI {
class App;
}

// The assumptions of the likely bounds as options: --mother-ages 14-50,
// --father-ages 16-80, --marriage-ages 14-60, --sibling-gap-months 9,
// --max-life 105, --about-years 2. The estimate and the census checklist share them.
struct EstimateOptionTexts
{
    std::string motherAges = "14-50";
    std::string fatherAges = "16-80";
    std::string marriageAges = "14-60";
    int siblingGapMonths = 9;
    int maxLife = 105;
    int aboutYears = 2;
};

void addEstimateOptions(CLI::App& command, EstimateOptionTexts& texts);
// The assumptions the options give; a mistake ends the command as usage.
spanwright::EstimateAssumptions assumptionsOf(const EstimateOptionTexts& texts, const std::string& command);
