#include "narrowanswer.h"

#include "dateprinting.h"
#include "text/quotedtext.h"

#include <algorithm>

namespace spanwright {

namespace {

std::string numbers(const std::vector<size_t>& records, std::string_view separator)
{
    std::string text;
    for (size_t index : records)
        text += (text.empty() ? "" : std::string(separator)) + std::to_string(index + 1);
    return text;
}

std::string windowText(const BirthWindow& window, const NarrowOptions& options)
{
    return birthWindowText(window, options.reading.order, options.range);
}

std::string recordLine(const NarrowReading& reading, size_t index, const NarrowOptions& options)
{
    const NarrowRecord& record = recordAsRead(reading);
    std::string line = std::to_string(index + 1) + ". " + record.when + ": " + record.age;
    if (!record.note.empty())
        line += " (" + record.note + ")";
    line += ": " + recordWindowText(reading, options.reading.order, options.range);
    if (!record.calendar.empty())
        line += "; date: " + record.calendar;
    return line;
}

std::string dateOrEmpty(const std::optional<Day>& day, DateOrder order)
{
    return day ? calendarDateTextIn(dateOf(*day), order) : "";
}

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string jsonString(std::string_view text)
{
    constexpr char Hex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            quoted += "\\u00";
            quoted += Hex[c >> 4];
            quoted += Hex[c & 0xF];
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + '"';
}

// A record no birth date gives has none: 0 dates.
std::string windowCsv(const BirthWindow& window, DateOrder order, bool noDates = false)
{
    const std::optional<long long> count = noDates ? 0 : window.days.dayCount();
    return csvField(dateOrEmpty(window.days.earliest, order)) + "," + csvField(dateOrEmpty(window.days.latest, order)) + ","
        + (count ? std::to_string(*count) : "") + "," + (window.about ? "about" : "");
}

std::string windowJson(const BirthWindow& window, const NarrowOptions& options, const NarrowReading* record = nullptr)
{
    const DateOrder order = options.reading.order;
    const bool noDates = record && !record->ok();
    const std::optional<long long> count = noDates ? 0 : window.days.dayCount();
    return "{\"earliest\":" + (window.days.earliest ? jsonString(dateOrEmpty(window.days.earliest, order)) : "null")
        + ",\"latest\":" + (window.days.latest ? jsonString(dateOrEmpty(window.days.latest, order)) : "null")
        + ",\"dates\":" + (count ? std::to_string(*count) : "null") + ",\"about\":" + (window.about ? "true" : "false")
        + ",\"text\":"
        + jsonString(noDates ? record->problem().problem.message : windowText(window, options)) + "}";
}

std::string jsonNumbers(const std::vector<size_t>& records) { return "[" + numbers(records, ",") + "]"; }

// The narrowing over the records some birth date gives (their indices in
// given), the others left out of every set, so that no birth date fits.
Narrowing narrowingLeavingOut(const std::vector<NarrowReading>& records)
{
    std::vector<BirthWindow> windows;
    std::vector<size_t> given;
    std::vector<size_t> none;
    for (size_t index = 0; index < records.size(); ++index) {
        (records[index] ? given : none).push_back(index);
        if (records[index])
            windows.push_back(records[index]->window);
    }
    Narrowing narrowing = narrowWindows(windows);
    if (none.empty())
        return narrowing;
    if (narrowing.fits) {
        narrowing.largestSets.push_back({{}, {}, narrowing.window});
        for (size_t position = 0; position < windows.size(); ++position)
            narrowing.largestSets.back().records.push_back(position);
        narrowing.fits = false;
        narrowing.window = {};
    }
    for (AgreeingSet& set : narrowing.largestSets) {
        for (size_t& index : set.records)
            index = given[index];
        for (size_t& index : set.leftOut)
            index = given[index];
        set.leftOut.insert(set.leftOut.end(), none.begin(), none.end());
        std::sort(set.leftOut.begin(), set.leftOut.end());
    }
    return narrowing;
}

} // namespace

NarrowAnswer answerNarrowQuestion(const std::vector<std::string>& recordTexts, const NarrowOptions& options)
{
    NarrowAnswer answer;
    for (size_t index = 0; index < recordTexts.size(); ++index) {
        NarrowReading record = readNarrowRecord(recordTexts[index], options);
        if (!record && !record.problem().noBirthDate())
            answer.problems.push_back("record " + std::to_string(index + 1) + " (" + quotedExcerpt(recordTexts[index])
                                      + "): " + record.problem().problem.message);
        answer.records.push_back(std::move(record));
    }
    if (recordTexts.empty())
        answer.problems.push_back("no record given: give one or more WHEN: AGE, as in \"US 1880 census: 34\"");
    if (!answer.problems.empty()) {
        answer.outcome = Outcome::NotRead;
        return answer;
    }
    answer.narrowing = narrowingLeavingOut(answer.records);
    answer.outcome = answer.narrowing.fits ? Outcome::Answered : Outcome::NoAnswer;
    return answer;
}

std::string narrowAnswerText(const NarrowAnswer& answer, const NarrowOptions& options)
{
    std::string text;
    const Narrowing& narrowing = answer.narrowing;
    const size_t total = answer.records.size();
    if (narrowing.fits) {
        text = windowText(narrowing.window, options) + "\n";
        for (size_t index = 0; index < total; ++index)
            text += recordLine(answer.records[index], index, options) + "\n";
        return text;
    }
    text = "no birth date fits every record\n";
    const size_t sets = narrowing.largestSets.size() + narrowing.moreSets;
    for (size_t number = 0; number < narrowing.largestSets.size(); ++number) {
        const AgreeingSet& set = narrowing.largestSets[number];
        text += std::to_string(set.records.size()) + " of " + std::to_string(total) + " records agree";
        if (sets > 1)
            text += " (set " + std::to_string(number + 1) + " of " + std::to_string(sets) + " as large)";
        text += ": " + windowText(set.window, options) + "\n";
        for (size_t index : set.records)
            text += "  " + recordLine(answer.records[index], index, options) + "\n";
        text += "left out:\n";
        for (size_t index : set.leftOut)
            text += "  " + recordLine(answer.records[index], index, options) + "\n";
    }
    if (narrowing.moreSets > 0)
        text += "and " + std::to_string(narrowing.moreSets) + " more sets as large\n";
    return text;
}

std::string narrowAnswerCsv(const NarrowAnswer& answer, const NarrowOptions& options)
{
    const DateOrder order = options.reading.order;
    std::string csv = "part,records,when,age,earliest,latest,dates,about,left_out,calendar\n";
    const Narrowing& narrowing = answer.narrowing;
    if (narrowing.fits) {
        std::vector<size_t> all;
        for (size_t index = 0; index < answer.records.size(); ++index)
            all.push_back(index);
        csv += "narrowed," + numbers(all, " ") + ",,," + windowCsv(narrowing.window, order) + ",,\n";
    }
    for (const AgreeingSet& set : narrowing.largestSets)
        csv += "agreeing," + numbers(set.records, " ") + ",,," + windowCsv(set.window, order) + ","
            + numbers(set.leftOut, " ") + ",\n";
    for (size_t index = 0; index < answer.records.size(); ++index) {
        const NarrowRecord& record = recordAsRead(answer.records[index]);
        csv += "record," + std::to_string(index + 1) + "," + csvField(record.when) + ","
            + csvField(record.age + (record.note.empty() ? "" : " (" + record.note + ")")) + ","
            + windowCsv(record.window, order, !answer.records[index]) + ",," + csvField(record.calendar) + "\n";
    }
    return csv;
}

std::string narrowAnswerJson(const NarrowAnswer& answer, const NarrowOptions& options)
{
    const Narrowing& narrowing = answer.narrowing;
    std::string json = std::string("{\"fits\":") + (narrowing.fits ? "true" : "false") + ",\"window\":"
        + (narrowing.fits ? windowJson(narrowing.window, options) : "null") + ",\"sets\":[";
    for (size_t number = 0; number < narrowing.largestSets.size(); ++number) {
        const AgreeingSet& set = narrowing.largestSets[number];
        json += std::string(number ? "," : "") + "{\"records\":" + jsonNumbers(set.records)
            + ",\"left_out\":" + jsonNumbers(set.leftOut) + ",\"window\":" + windowJson(set.window, options) + "}";
    }
    json += "],\"more_sets\":" + std::to_string(narrowing.moreSets) + ",\"records\":[";
    for (size_t index = 0; index < answer.records.size(); ++index) {
        const NarrowRecord& record = recordAsRead(answer.records[index]);
        json += std::string(index ? "," : "") + "{\"record\":" + std::to_string(index + 1) + ",\"when\":"
            + jsonString(record.when) + ",\"age\":" + jsonString(record.age) + ",\"note\":" + jsonString(record.note)
            + ",\"window\":" + windowJson(record.window, options, &answer.records[index])
            + ",\"calendar\":" + jsonString(record.calendar) + "}";
    }
    return json + "]}\n";
}

} // namespace spanwright
