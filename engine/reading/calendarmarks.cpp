#include "reading/calendarmarks.h"

#include "text/asciitext.h"
#include "calendars/calendarwords.h"

namespace spanwright {

namespace {

constexpr size_t LongestMark = 24;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Upper-case letters, one blank between words, stops dropped: "Old  style"
// as "OLD STYLE", "O.S." as "OS". Empty when the text holds anything else
// or is too long for a mark.
std::string markWords(std::string_view text)
{
    std::string words;
    bool blank = false;
    for (char c : trimmed(text)) {
        if (c == '.')
            continue;
        if (isBlank(c)) {
            blank = true;
            continue;
        }
        if (!isLetter(c) || words.size() >= LongestMark)
            return {};
        if (blank && !words.empty())
            words.push_back(' ');
        blank = false;
        words.push_back(upperAscii(c));
    }
    return words;
}

// A mark at the end: "(O.S.)", ", O.S.", " Old Style". Sets before to the
// text before it.
const CalendarWord* trailingMark(std::string_view text, std::string_view& before, std::string_view& written)
{
    if (text.back() == ')') {
        const size_t open = text.rfind('(');
        if (open == std::string_view::npos)
            return nullptr;
        const CalendarWord* mark = trailingCalendarMark(markWords(text.substr(open + 1, text.size() - open - 2)));
        if (mark) {
            before = text.substr(0, open);
            written = text.substr(open);
        }
        return mark;
    }
    // The last one or two words of letters and stops.
    size_t start = text.size();
    for (int word = 0; word < 2; ++word) {
        size_t at = start;
        while (at > 0 && isBlank(text[at - 1]))
            --at;
        const size_t end = at;
        while (at > 0 && (isLetter(text[at - 1]) || text[at - 1] == '.'))
            --at;
        if (at == end || (at > 0 && !isBlank(text[at - 1]) && text[at - 1] != ','))
            break;
        start = at;
        if (at == 0 || text[at - 1] == ',')
            break;
    }
    // The longest phrase first: "Old Style" before "Style".
    for (size_t from = start; from < text.size(); ++from) {
        if (from != start && !isBlank(text[from - 1]))
            continue;
        if (const CalendarWord* mark = trailingCalendarMark(markWords(text.substr(from)))) {
            if (from == 0)
                return nullptr; // a mark and nothing else
            before = text.substr(0, from);
            written = trimmed(text.substr(from));
            return mark;
        }
    }
    return nullptr;
}

const CalendarWord* leadingKeyword(std::string_view text, std::string_view& after, std::string_view& written)
{
    size_t end = 0;
    if (text.size() > 3 && equalsIgnoringCase(text.substr(0, 3), "@#D")) {
        end = text.find('@', 3);
        if (end == std::string_view::npos)
            return nullptr;
        ++end;
    } else {
        while (end < text.size() && (isLetter(text[end]) || text[end] == '_'))
            ++end;
        if (end == text.size() || !isBlank(text[end]))
            return nullptr;
    }
    if (end > LongestMark)
        return nullptr;
    std::string upper(text.substr(0, end));
    for (char& c : upper)
        c = upperAscii(c);
    const CalendarWord* keyword = leadingCalendarKeyword(upper);
    if (keyword) {
        written = text.substr(0, end);
        after = text.substr(end);
    }
    return keyword;
}

Problem twoMarks(std::string_view first, std::string_view second)
{
    return Problem{ProblemKind::NotRead,
                   "it has two calendar marks, " + std::string(first) + " and " + std::string(second)};
}

} // namespace

Result<CalendarMarks> takeCalendarMarks(std::string_view& text)
{
    CalendarMarks marks;
    text = trimmed(text);
    if (text.empty())
        return marks;
    const char first = upperAscii(text.front());
    std::string_view written;
    if (first == '@' || first == 'G' || first == 'J' || first == 'H' || first == 'F') {
        std::string_view after;
        if (const CalendarWord* keyword = leadingKeyword(text, after, written)) {
            marks.system = keyword->system;
            marks.written = std::string(written);
            text = trimmed(after);
        }
    }
    const char last = text.empty() ? 0 : text.back();
    if (last == ')' || last == '.' || isLetter(last)) {
        std::string_view before;
        if (const CalendarWord* mark = trailingMark(text, before, written)) {
            if (marks.system)
                return twoMarks(marks.written, written);
            marks.system = mark->system;
            marks.written = std::string(written);
            text = trimmed(before);
            if (!text.empty() && text.back() == ',')
                text = trimmed(text.substr(0, text.size() - 1));
        }
    }
    // A second mark after the first: "1 Jan 1700 O.S. (Julian)".
    if (marks.system && !text.empty()) {
        std::string_view before;
        if (trailingMark(text, before, written))
            return twoMarks(written, marks.written);
    }
    return marks;
}

} // namespace spanwright
