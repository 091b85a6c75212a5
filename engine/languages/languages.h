#pragma once

#include "reading/age.h"
#include "languages/languagetable.h"
#include "languages/wordtable.h"

#include <string>
#include <string_view>
#include <deque>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace spanwright {

// Every language's table in one index, read all at once: records mix
// languages, so no language is chosen. A word that two tables read as
// different months (or age units) keeps both readings, so that a reader
// takes the one of the language chosen, or refuses it naming both; a test
// holds every table against every other, and lists the few clashes the
// languages themselves bring (Croatian "listopad" is October, Czech and
// Polish "listopad" November).
namespace languages {

using LanguageMask = unsigned; // bit n: the n-th table

// The tables, English first.
const std::vector<const LanguageTable*>& allTables();

// The languages named for a refusal's accepted forms, with the examples of
// a few: "English, Latin, ... and Czech (example, example, example)", each
// example the table's member given.
std::string languagesWithExamples(std::string_view LanguageTable::*example);

// The form a spelling or a written word is looked up in: lower case, stops
// and apostrophes left out, hyphens as blanks ("A.D." is "ad", "d'anni"
// "danni", "quatre-vingt-dix" "quatre vingt dix").
std::string lookupKey(std::string_view written);

template <typename Value>
struct Reading
{
    Value value{};
    LanguageMask languages = 0;
};

// What one word or phrase reads as: one reading, or two where tables differ.
template <typename Value>
struct Readings
{
    std::vector<Reading<Value>> readings;
    bool empty() const { return readings.empty(); }
    bool ambiguous() const { return readings.size() > 1; }
    void add(Value value, LanguageMask language);
    // The one reading meant: the only one, or the chosen language's where
    // tables differ; none where the choice does not tell.
    const Reading<Value>* meant(LanguageMask chosen) const
    {
        if (!ambiguous())
            return readings.empty() ? nullptr : &readings.front();
        for (const Reading<Value>& reading : readings) {
            if (reading.languages & chosen)
                return &reading;
        }
        return nullptr;
    }
};

struct FillerReading
{
    unsigned gaps = 0;
    bool yearMark = false;
};

class Lexicon
{
public:
    explicit Lexicon(const std::vector<const LanguageTable*>& tables);

    // Looked up by lookupKey forms.
    const Readings<int>* month(std::string_view key) const;
    // Whether a month word that begins with digits ("7bris") may go on
    // with this byte: a quick test before the look-up.
    bool mayFollowMonthDigits(char c) const { return followsMonthDigits_[static_cast<unsigned char>(c)]; }
    const Readings<AgeUnit>* ageUnit(std::string_view key) const;
    const Readings<int>* number(std::string_view key) const;
    const FillerReading* filler(std::string_view phrase) const;
    bool isFillerWord(std::string_view word) const;
    bool isLeadingUnit(std::string_view key) const;
    // Whether the day takes this ending ("1er", "3tia"), in lookup form.
    bool isDayEnding(std::string_view ending, long long day) const;
    bool hasDayEnding(std::string_view ending) const { return dayEndings_.count(std::string(ending)) > 0; }
    // Phrases of words (lookupKey forms), longest first.
    const std::vector<std::vector<std::string>>& agePhrasesBefore() const { return before_; }
    const std::vector<std::vector<std::string>>& agePhrasesAfter() const { return after_; }
    const std::vector<std::vector<std::string>>& yearOfAgePhrases() const { return yearOfAge_; }
    const std::vector<std::vector<std::string>>& yearOfAgeAfterPhrases() const { return yearOfAgeAfter_; }
    const std::vector<std::vector<std::string>>& aboutPhrases() const { return about_; }
    // "and" in any language, in lookup form ("y", "und", "et").
    bool isConjunction(std::string_view key) const { return conjunctions_.count(std::string(key)) > 0; }
    // A word between a number and its unit ("de" of "45 de ani").
    bool isUnitLink(std::string_view key) const { return unitLinks_.count(std::string(key)) > 0; }
    // The most words a number word has.
    size_t longestNumberWords() const { return longestNumber_; }

    // "German and Latin".
    std::string languageNames(LanguageMask languages) const;
    // The language of an ISO 639-1 code ("hr"), 0 for a code no table has.
    LanguageMask languageOfCode(std::string_view code) const;

    // The words two tables read differently, as "word: reading, reading".
    std::vector<std::string> monthClashes() const;
    std::vector<std::string> unitClashes() const;
    // Number words read differently where no unit word tells the languages
    // apart (a number word is read with the unit after it).
    std::vector<std::string> unresolvedNumberClashes() const;
    // About words, conjunctions and links that are a number or a unit word
    // of any table ("um" is Icelandic "about" and Portuguese one).
    std::vector<std::string> wordRoleClashes() const;

private:
    // The keys of the maps read on every worded date, held here so that
    // they are looked up by string_view without a copy.
    std::string_view kept(std::string key);
    std::deque<std::string> keys_;
    std::array<bool, 256> followsMonthDigits_{};
    std::vector<std::string_view> names_;
    std::vector<std::string_view> codes_;
    std::unordered_set<std::string> conjunctions_, unitLinks_;
    WordTable<Readings<int>> months_;
    std::unordered_map<std::string, Readings<AgeUnit>> units_;
    std::unordered_map<std::string, Readings<int>> numbers_;
    WordTable<FillerReading> fillers_;
    WordTable<bool> fillerWords_;
    std::unordered_set<std::string> leadingUnits_;
    std::unordered_multimap<std::string, DayEnding> dayEndings_;
    std::vector<std::vector<std::string>> before_, after_, yearOfAge_, yearOfAgeAfter_, about_;
    size_t longestNumber_ = 1;
};

// The index of all the tables.
const Lexicon& lexicon();

// "en, la, de, ...": the tables' codes, in the lexicon's order, read from
// the tables themselves, so that a help text does not build the lexicon.
std::string languageCodes();

// "English (the 3rd day of March 1750), Latin (die vij Junii MDCCL), ...".
std::string languagesWithDateExamples();
std::string languagesWithAgeExamples();

} // namespace languages

} // namespace spanwright
