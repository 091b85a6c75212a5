#include "languageoption.h"

#include "languages/languages.h"

#include <CLI/App.hpp>

void addLanguageOption(CLI::App& command, std::string& language)
{
    // The codes from the tables, not the lexicon: a command that never meets
    // a word does not build the lexicon just for its help text.
    const std::string codes = spanwright::languages::languageCodes();
    CLI::Option* option = command.add_option_function<std::string>(
        "--language",
        [&language, codes](const std::string& code) {
            if (spanwright::languages::lexicon().languageOfCode(code) == 0)
                throw CLI::ValidationError("--language",
                                           "\"" + code + "\" is none of the languages read (" + codes + ")");
            language = spanwright::languages::lookupKey(code);
        },
        "Read a word that two languages read as different months or numbers in this language (ISO 639-1: " + codes
            + "): --language hr reads listopad as October, cs as November");
    option->type_name("CODE");
}
