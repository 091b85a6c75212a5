#pragma once

#include <string>

namespace CLI {
class App;
}

// Adds --language CODE to a command: the language (ISO 639-1) whose reading
// is taken of a word that two languages read as different months or
// numbers (Croatian "listopad" is October, Czech November). Without it such
// a word is refused naming both readings.
void addLanguageOption(CLI::App& command, std::string& language);
