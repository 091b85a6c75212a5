#include "languageoption.h"

#include "languages/languages.h"

#include <CLI/App.hpp>

void addLanguageOption(CLI::App& command, std::string& language)
{
    const spanwright::languages::Lexicon& lexicon = spanwright::languages::lexicon();
    CLI::Option* option = command.add_option_function<std::string>(
        "--language",
        [&language, &lexicon](const std::string& code) {
            if (lexicon.languageOfCode(code) == 0)
                throw CLI::ValidationError("--language", "\"" + code + "\" is none of the languages read ("
                                                             + lexicon.codes() + ")");
            language = spanwright::languages::lookupKey(code);
        },
        "Read a word that two languages read as different months or numbers in this language (ISO 639-1: "
            + lexicon.codes() + "): --language hr reads listopad as October, cs as November");
    option->type_name("CODE");
}
