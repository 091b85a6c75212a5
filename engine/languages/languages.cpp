#include "languages/languages.h"

#include "text/letters.h"

#include <algorithm>
#include <cctype>

namespace spanwright {

namespace languages {

// Each in its own file; English first, as most records are.
const LanguageTable& englishTable();
const LanguageTable& latinTable();
const LanguageTable& germanTable();
const LanguageTable& frenchTable();
const LanguageTable& dutchTable();
const LanguageTable& spanishTable();
const LanguageTable& italianTable();
const LanguageTable& portugueseTable();
const LanguageTable& danishTable();
const LanguageTable& norwegianTable();
const LanguageTable& swedishTable();
const LanguageTable& polishTable();
const LanguageTable& czechTable();
const LanguageTable& russianTable();
const LanguageTable& hungarianTable();
const LanguageTable& finnishTable();
const LanguageTable& croatianTable();
const LanguageTable& slovenianTable();
const LanguageTable& slovakTable();
const LanguageTable& ukrainianTable();
const LanguageTable& romanianTable();
const LanguageTable& catalanTable();
const LanguageTable& lithuanianTable();
const LanguageTable& latvianTable();
const LanguageTable& estonianTable();
const LanguageTable& icelandicTable();

namespace {

constexpr char SpellingSeparator = '|';

std::vector<std::string_view> spellingsOf(std::string_view list)
{
    std::vector<std::string_view> spellings;
    while (!list.empty()) {
        const size_t bar = list.find(SpellingSeparator);
        const std::string_view one = list.substr(0, bar);
        if (!one.empty())
            spellings.push_back(one);
        if (bar == std::string_view::npos)
            break;
        list.remove_prefix(bar + 1);
    }
    return spellings;
}

// The forms a spelling is read in: as written, without diacritics, and with
// the umlauts as ae, oe, ue.
std::vector<std::string> keysOf(std::string_view spelling)
{
    const std::string key = lookupKey(spelling);
    std::vector<std::string> keys{key, withoutDiacritics(key), withoutDiacritics(key, true)};
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

std::vector<std::string> wordsOf(const std::string& key)
{
    std::vector<std::string> words;
    size_t start = 0;
    while (start < key.size()) {
        const size_t blank = key.find(' ', start);
        words.push_back(key.substr(start, blank - start));
        if (blank == std::string::npos)
            break;
        start = blank + 1;
    }
    return words;
}

void addPhrases(std::string_view list, std::vector<std::vector<std::string>>& phrases)
{
    for (std::string_view spelling : spellingsOf(list)) {
        for (const std::string& key : keysOf(spelling)) {
            std::vector<std::string> words = wordsOf(key);
            if (std::find(phrases.begin(), phrases.end(), words) == phrases.end())
                phrases.push_back(std::move(words));
        }
    }
    std::stable_sort(phrases.begin(), phrases.end(),
                     [](const auto& a, const auto& b) { return a.size() > b.size(); });
}

template <typename Value>
const Readings<Value>* find(const std::unordered_map<std::string, Readings<Value>>& map, std::string_view key)
{
    const auto found = map.find(std::string(key));
    return found == map.end() ? nullptr : &found->second;
}

std::string unitName(AgeUnit unit)
{
    switch (unit) {
    case AgeUnit::Days: return "days";
    case AgeUnit::Weeks: return "weeks";
    case AgeUnit::Months: return "months";
    case AgeUnit::Years: return "years";
    }
    return {};
}

} // namespace

std::string lookupKey(std::string_view written)
{
    std::string key;
    key.reserve(written.size());
    for (size_t pos = 0; pos < written.size();) {
        const char c = written[pos];
        if (c == '.' || c == '\'') {
            ++pos;
            continue;
        }
        if (c == '-' || c == ' ' || c == '\t') {
            if (!key.empty() && key.back() != ' ')
                key.push_back(' ');
            ++pos;
            continue;
        }
        pos += appendLowerCase(written, pos, key);
    }
    if (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

template <typename Value>
void Readings<Value>::add(Value value, LanguageMask language)
{
    for (Reading<Value>& reading : readings) {
        if (reading.value == value) {
            reading.languages |= language;
            return;
        }
    }
    readings.push_back({value, language});
}

template struct Readings<int>;
template struct Readings<AgeUnit>;

const std::vector<const LanguageTable*>& allTables()
{
    static const std::vector<const LanguageTable*> tables{
        &englishTable(), &latinTable(),   &germanTable(),     &frenchTable(),    &dutchTable(),
        &spanishTable(), &italianTable(), &portugueseTable(), &danishTable(),    &norwegianTable(),
        &swedishTable(), &polishTable(),  &czechTable(),      &russianTable(),   &hungarianTable(),
        &finnishTable(), &croatianTable(), &slovenianTable(), &slovakTable(),    &ukrainianTable(),
        &romanianTable(), &catalanTable(), &lithuanianTable(), &latvianTable(),  &estonianTable(),
        &icelandicTable()};
    return tables;
}

std::string languagesWithExamples(std::string_view LanguageTable::*example)
{
    constexpr size_t LanguagesExemplified = 4; // English and three more: the rest are named
    std::string names;
    std::string examples;
    const auto& tables = allTables();
    for (size_t i = 0; i < tables.size(); ++i) {
        if (i > 0)
            names += i + 1 == tables.size() ? " and " : ", ";
        names += tables[i]->name;
        if (i > 0 && i < LanguagesExemplified)
            examples += std::string(i > 1 ? ", " : "") + std::string(tables[i]->*example);
    }
    return names + " (" + examples + ")";
}

Lexicon::Lexicon(const std::vector<const LanguageTable*>& tables)
{
    for (size_t index = 0; index < tables.size(); ++index) {
        const LanguageTable& table = *tables[index];
        const LanguageMask language = LanguageMask(1) << index;
        names_.push_back(table.name);
        codes_.push_back(table.code);
        for (std::string_view spelling : spellingsOf(table.ages.conjunctions)) {
            for (const std::string& key : keysOf(spelling))
                conjunctions_.insert(key);
        }
        for (std::string_view spelling : spellingsOf(table.ages.beforeUnit)) {
            for (const std::string& key : keysOf(spelling))
                unitLinks_.insert(key);
        }
        addPhrases(table.ages.yearOfAgeAfter, yearOfAgeAfter_);
        addPhrases(table.ages.about, about_);
        for (int month = 1; month <= MonthsPerYear; ++month) {
            for (std::string_view spelling : spellingsOf(table.months[size_t(month - 1)])) {
                for (const std::string& key : keysOf(spelling)) {
                    months_[kept(key)].add(month, language);
                    const size_t afterDigits = key.find_first_not_of("0123456789");
                    if (afterDigits > 0 && afterDigits != std::string::npos) {
                        const auto next = static_cast<unsigned char>(key[afterDigits]);
                        followsMonthDigits_[next] = true;
                        followsMonthDigits_[static_cast<unsigned char>(std::toupper(next))] = true;
                    }
                }
            }
        }
        for (const Filler& filler : table.fillers) {
            for (const std::string& key : keysOf(filler.phrase)) {
                FillerReading& reading = fillers_[kept(key)];
                reading.gaps |= filler.gaps;
                reading.yearMark = reading.yearMark || filler.yearMark;
                for (std::string& word : wordsOf(key))
                    fillerWords_[kept(std::move(word))] = true;
            }
        }
        for (const DayEnding& ending : table.dayEndings) {
            for (const std::string& key : keysOf(ending.ending))
                dayEndings_.emplace(key, ending);
        }
        const std::pair<std::string_view, AgeUnit> units[] = {{table.ages.years, AgeUnit::Years},
                                                              {table.ages.months, AgeUnit::Months},
                                                              {table.ages.weeks, AgeUnit::Weeks},
                                                              {table.ages.days, AgeUnit::Days}};
        for (const auto& [list, unit] : units) {
            for (std::string_view spelling : spellingsOf(list)) {
                for (const std::string& key : keysOf(spelling)) {
                    units_[key].add(unit, language);
                }
            }
        }
        for (std::string_view spelling : spellingsOf(table.ages.leadingUnits)) {
            for (const std::string& key : keysOf(spelling))
                leadingUnits_.insert(key);
        }
        addPhrases(table.ages.before, before_);
        addPhrases(table.ages.after, after_);
        addPhrases(table.ages.yearOfAge, yearOfAge_);
        for (const NumberWord& number : table.numbers) {
            for (std::string_view spelling : spellingsOf(number.spellings)) {
                for (const std::string& key : keysOf(spelling)) {
                    numbers_[key].add(number.value, language);
                    longestNumber_ = std::max(longestNumber_, wordsOf(key).size());
                }
            }
        }
    }
}

std::string_view Lexicon::kept(std::string key)
{
    for (const std::string& known : keys_) {
        if (known == key)
            return known;
    }
    keys_.push_back(std::move(key));
    return keys_.back();
}

const Readings<int>* Lexicon::month(std::string_view key) const { return months_.find(key); }
const Readings<AgeUnit>* Lexicon::ageUnit(std::string_view key) const { return find(units_, key); }
const Readings<int>* Lexicon::number(std::string_view key) const { return find(numbers_, key); }

const FillerReading* Lexicon::filler(std::string_view phrase) const { return fillers_.find(phrase); }

bool Lexicon::isFillerWord(std::string_view word) const { return fillerWords_.find(word) != nullptr; }
bool Lexicon::isLeadingUnit(std::string_view key) const { return leadingUnits_.count(std::string(key)) > 0; }

bool Lexicon::isDayEnding(std::string_view ending, long long day) const
{
    constexpr long long Ten = 10;
    const char lastDigit = char('0' + day % Ten);
    const auto [first, last] = dayEndings_.equal_range(std::string(ending));
    for (auto entry = first; entry != last; ++entry) {
        const DayEnding& rule = entry->second;
        if (rule.firstDayOnly ? day == 1 : rule.lastDigits.find(lastDigit) != std::string_view::npos)
            return true;
    }
    return false;
}

std::string Lexicon::languageNames(LanguageMask languages) const
{
    std::vector<std::string_view> named;
    for (size_t index = 0; index < names_.size(); ++index) {
        if (languages & (LanguageMask(1) << index))
            named.push_back(names_[index]);
    }
    std::string text;
    for (size_t i = 0; i < named.size(); ++i) {
        if (i > 0)
            text += i + 1 == named.size() ? " and " : ", ";
        text += named[i];
    }
    return text;
}

LanguageMask Lexicon::languageOfCode(std::string_view code) const
{
    const std::string lower = lookupKey(code);
    for (size_t index = 0; index < codes_.size(); ++index) {
        if (codes_[index] == lower)
            return LanguageMask(1) << index;
    }
    return 0;
}

std::string languageCodes()
{
    std::string text;
    for (const LanguageTable* table : allTables())
        text += (text.empty() ? "" : ", ") + std::string(table->code);
    return text;
}

std::vector<std::string> Lexicon::monthClashes() const
{
    std::vector<std::string> clashes;
    months_.forEach([&](std::string_view key, const Readings<int>& readings) {
        if (!readings.ambiguous())
            return;
        std::string text = std::string(key) + ":";
        for (const auto& reading : readings.readings)
            text += " month " + std::to_string(reading.value) + " in " + languageNames(reading.languages) + ";";
        clashes.push_back(text);
    });
    std::sort(clashes.begin(), clashes.end());
    return clashes;
}

std::vector<std::string> Lexicon::unitClashes() const
{
    std::vector<std::string> clashes;
    for (const auto& [key, readings] : units_) {
        if (!readings.ambiguous())
            continue;
        std::string text = key + ":";
        for (const auto& reading : readings.readings)
            text += " " + unitName(reading.value) + " in " + languageNames(reading.languages) + ";";
        clashes.push_back(text);
    }
    std::sort(clashes.begin(), clashes.end());
    return clashes;
}

std::vector<std::string> Lexicon::unresolvedNumberClashes() const
{
    std::vector<std::string> clashes;
    for (const auto& [key, readings] : numbers_) {
        if (!readings.ambiguous())
            continue;
        // Resolved where no unit word is shared by languages of different readings.
        for (const auto& [unitKey, unitReadings] : units_) {
            LanguageMask unitLanguages = 0;
            for (const auto& reading : unitReadings.readings)
                unitLanguages |= reading.languages;
            size_t readingsSharing = 0;
            for (const auto& reading : readings.readings)
                readingsSharing += (reading.languages & unitLanguages) != 0 ? 1 : 0;
            if (readingsSharing > 1)
                clashes.push_back(key + " with " + unitKey);
        }
    }
    std::sort(clashes.begin(), clashes.end());
    return clashes;
}

std::vector<std::string> Lexicon::wordRoleClashes() const
{
    std::vector<std::string> clashes;
    const auto check = [&](const std::string& word, std::string_view role) {
        if (numbers_.count(word) > 0)
            clashes.push_back(word + ": " + std::string(role) + " and a number");
        if (units_.count(word) > 0)
            clashes.push_back(word + ": " + std::string(role) + " and a unit");
    };
    for (const auto& phrase : about_)
        check(phrase.front(), "about");
    for (const std::string& word : unitLinks_)
        check(word, "a link before a unit");
    // A conjunction may be a number or a unit elsewhere (Latin "et" and
    // Danish one, Spanish "y" and the English unit): the reader takes it as
    // "and" only between a part and the next.
    std::sort(clashes.begin(), clashes.end());
    return clashes;
}

const Lexicon& lexicon()
{
    static const Lexicon all(allTables());
    return all;
}

std::string languagesWithDateExamples()
{
    std::string text;
    for (const LanguageTable* table : allTables())
        text += (text.empty() ? "" : ", ") + std::string(table->name) + " (" + std::string(table->dateExample) + ")";
    return text;
}

std::string languagesWithAgeExamples()
{
    std::string text;
    for (const LanguageTable* table : allTables())
        text += (text.empty() ? "" : ", ") + std::string(table->name) + " (" + std::string(table->ageExample) + ")";
    return text;
}

} // namespace languages

} // namespace spanwright
