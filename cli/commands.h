#pragma once

namespace CLI {
class App;
}

// Each subcommand adds its options, help text and action to the program.
void addSpanCommand(CLI::App& app);
void addAgeCommands(CLI::App& app); // born and died
void addDaysCommand(CLI::App& app);
void addBatchCommand(CLI::App& app);
void addGedcomCommand(CLI::App& app);
void addCheckCommand(CLI::App& app); // the family-tree check
void addConvertCommand(CLI::App& app); // a day in every calendar
void addNarrowCommand(CLI::App& app); // a birth date from records stating ages
void addEstimateCommand(CLI::App& app); // births and deaths bounded by the family
void addCensusCommand(CLI::App& app); // the censuses a person was alive at
