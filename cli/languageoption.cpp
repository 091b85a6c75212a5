#include "languageoption.h"

#include "languages/languages.h"

#include <CLI/App.hpp>

namespace {

// The codes as the tables give them, in the lexicon's order. Read from the
// tables, not the lexicon, so that a command that never meets a word does not
// build the lexicon just for its help text: that was a fifth of a million-row
// batch's own work.
std::string languageCodes()
{
    std::string text;
    for (const spanwright::languages::LanguageTable* table : spanwright::languages::allTables())
        text += (text.empty() ? "" : ", ") + std::string(table->code);
    return text;
}

} // namespace

void addLanguageOption(CLI::App& command, std::string& language)
{
    const std::string codes = languageCodes();
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
