#include "rowbridge.h"

#include "rowfunctions.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>

using namespace spanwright;

namespace {

// A malloc'd copy, so that the C side can free it; false when out of memory.
bool setText(SpanwrightResult* result, std::string_view text)
{
    result->text = static_cast<char*>(std::malloc(text.size() + 1));
    if (!result->text)
        return false;
    std::memcpy(result->text, text.data(), text.size());
    result->text[text.size()] = '\0';
    result->length = text.size();
    return true;
}

void setTextOrEmpty(SpanwrightResult* result, const std::optional<std::string>& text)
{
    if (!text || text->empty())
        result->outcome = SPANWRIGHT_EMPTY;
    else if (!setText(result, *text))
        result->outcome = SPANWRIGHT_FAULT;
}

// Runs body; whatever it throws becomes a fault with its message, since an
// exception must never unwind into the server.
template <typename Body>
void guarded(SpanwrightResult* result, Body body)
{
    *result = SpanwrightResult{SPANWRIGHT_VALUE, 0, 0, 0, 0, nullptr, 0};
    try {
        body();
        return;
    } catch (const std::exception& error) {
        spanwright_free_result(result);
        setText(result, error.what());
    } catch (...) {
        spanwright_free_result(result);
        setText(result, "an unknown fault");
    }
    result->outcome = SPANWRIGHT_FAULT;
}

void setDatesCell(const DatesRowAnswer& row, int cell, SpanwrightResult* result)
{
    if (cell == SPANWRIGHT_ERROR)
        return setTextOrEmpty(result, row.error);
    if (cell == SPANWRIGHT_COUNT) {
        result->outcome = row.count ? SPANWRIGHT_VALUE : SPANWRIGHT_EMPTY;
        result->number = row.count.value_or(0);
        return;
    }
    const std::optional<CalendarDate>& date = cell == SPANWRIGHT_EARLIEST ? row.earliest : row.latest;
    if (!date) {
        result->outcome = SPANWRIGHT_EMPTY;
        return;
    }
    result->year = static_cast<int>(date->year);
    result->month = date->month;
    result->day = date->day;
}

} // namespace

extern "C" {

void spanwright_span(const char* begin, size_t beginLength, const char* end, size_t endLength, int notation,
                     SpanwrightResult* result)
{
    guarded(result, [&] {
        setTextOrEmpty(result, spanRow({begin, beginLength}, {end, endLength}, static_cast<Notation>(notation)).span);
    });
}

void spanwright_span_error(const char* begin, size_t beginLength, const char* end, size_t endLength,
                           SpanwrightResult* result)
{
    guarded(result, [&] { setTextOrEmpty(result, spanRow({begin, beginLength}, {end, endLength}).error); });
}

void spanwright_days(const char* begin, size_t beginLength, const char* end, size_t endLength,
                     SpanwrightResult* result)
{
    guarded(result, [&] {
        const std::optional<long long> days = daysRow({begin, beginLength}, {end, endLength});
        result->outcome = days ? SPANWRIGHT_VALUE : SPANWRIGHT_EMPTY;
        result->number = days.value_or(0);
    });
}

void spanwright_dates(int died, int cell, const char* date, size_t dateLength, const char* age, size_t ageLength,
                      SpanwrightResult* result)
{
    guarded(result, [&] {
        const DatesRowAnswer row = died ? diedRow({date, dateLength}, {age, ageLength})
                                        : bornRow({date, dateLength}, {age, ageLength});
        setDatesCell(row, cell, result);
    });
}

void spanwright_free_result(SpanwrightResult* result)
{
    std::free(result->text);
    result->text = nullptr;
    result->length = 0;
}

} // extern "C"
