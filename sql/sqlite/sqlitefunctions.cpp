// The SQL functions of the SQLite extension, each a row of
// `spanwright-cli batch` (rowfunctions.h). Loaded with the sqlite3 shell's
// `.load spanwright_sqlite` or sqlite3_load_extension, whose entry point
// sqlite3 derives from the file name: sqlite3_spanwrightsqlite_init.
#include "rowfunctions.h"

#include <sqlite3ext.h>

#include <exception>
#include <new>
#include <string>
#include <string_view>

SQLITE_EXTENSION_INIT1

using namespace spanwright;

namespace {

// The text of an argument, UTF-8; false for NULL, whose result is NULL.
bool textOf(sqlite3_value* value, std::string_view& text)
{
    if (sqlite3_value_type(value) == SQLITE_NULL)
        return false;
    const unsigned char* bytes = sqlite3_value_text(value);
    text = std::string_view(reinterpret_cast<const char*>(bytes), bytes ? sqlite3_value_bytes(value) : 0);
    return true;
}

bool twoTexts(sqlite3_value** arguments, std::string_view& first, std::string_view& second)
{
    return textOf(arguments[0], first) && textOf(arguments[1], second);
}

void resultText(sqlite3_context* context, const std::string& text)
{
    sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void resultTextOrNull(sqlite3_context* context, const std::optional<std::string>& text)
{
    if (text)
        resultText(context, *text);
    else
        sqlite3_result_null(context);
}

void resultErrorText(sqlite3_context* context, const std::string& error)
{
    if (error.empty())
        sqlite3_result_null(context);
    else
        resultText(context, error);
}

// Runs a function's body, turning what the C++ side throws into an SQL
// error rather than letting it unwind through sqlite3.
template <typename Body>
void guarded(sqlite3_context* context, Body body)
{
    try {
        body();
    } catch (const std::bad_alloc&) {
        sqlite3_result_error_nomem(context);
    } catch (const std::exception& error) {
        sqlite3_result_error(context, error.what(), -1);
    } catch (...) {
        sqlite3_result_error(context, "spanwright: an unknown fault", -1);
    }
}

void span(sqlite3_context* context, int count, sqlite3_value** arguments)
{
    guarded(context, [&] {
        std::string_view begin;
        std::string_view end;
        if (!twoTexts(arguments, begin, end) || (count == 3 && sqlite3_value_type(arguments[2]) == SQLITE_NULL)) {
            sqlite3_result_null(context);
            return;
        }
        int notation = static_cast<int>(Notation::Worded);
        if (count == 3) {
            notation = sqlite3_value_int(arguments[2]);
            if (sqlite3_value_numeric_type(arguments[2]) != SQLITE_INTEGER || notation < 1 || notation > NotationCount) {
                sqlite3_result_error(context, "sw_span: the notation is 1, 2, 3 or 4", -1);
                return;
            }
        }
        resultTextOrNull(context, spanRow(begin, end, static_cast<Notation>(notation)).span);
    });
}

void spanError(sqlite3_context* context, int, sqlite3_value** arguments)
{
    guarded(context, [&] {
        std::string_view begin;
        std::string_view end;
        if (!twoTexts(arguments, begin, end))
            return sqlite3_result_null(context);
        resultErrorText(context, spanRow(begin, end).error);
    });
}

void days(sqlite3_context* context, int, sqlite3_value** arguments)
{
    guarded(context, [&] {
        std::string_view begin;
        std::string_view end;
        std::optional<long long> days;
        if (twoTexts(arguments, begin, end))
            days = daysRow(begin, end);
        if (days)
            sqlite3_result_int64(context, *days);
        else
            sqlite3_result_null(context);
    });
}

// What a born or died function gives of its row.
enum class DatesCell { Earliest, Latest, Count, Error };

template <DatesRowAnswer (*Row)(std::string_view, std::string_view), DatesCell Cell>
void datesCell(sqlite3_context* context, int, sqlite3_value** arguments)
{
    guarded(context, [&] {
        std::string_view date;
        std::string_view age;
        if (!twoTexts(arguments, date, age))
            return sqlite3_result_null(context);
        const DatesRowAnswer row = Row(date, age);
        const std::optional<CalendarDate>& day = Cell == DatesCell::Earliest ? row.earliest : row.latest;
        if (Cell == DatesCell::Error)
            resultErrorText(context, row.error);
        else if (Cell == DatesCell::Count)
            row.count ? sqlite3_result_int64(context, *row.count) : sqlite3_result_null(context);
        else
            resultTextOrNull(context, day ? std::optional<std::string>(isoDateText(*day)) : std::nullopt);
    });
}

struct Function
{
    const char* name;
    int arguments;
    void (*call)(sqlite3_context*, int, sqlite3_value**);
};

constexpr Function Functions[] = {
    {"sw_span", 2, span},
    {"sw_span", 3, span},
    {"sw_days", 2, days},
    {"sw_error", 2, spanError},
    {"sw_born_earliest", 2, datesCell<bornRow, DatesCell::Earliest>},
    {"sw_born_latest", 2, datesCell<bornRow, DatesCell::Latest>},
    {"sw_born_count", 2, datesCell<bornRow, DatesCell::Count>},
    {"sw_born_error", 2, datesCell<bornRow, DatesCell::Error>},
    {"sw_died_earliest", 2, datesCell<diedRow, DatesCell::Earliest>},
    {"sw_died_latest", 2, datesCell<diedRow, DatesCell::Latest>},
    {"sw_died_count", 2, datesCell<diedRow, DatesCell::Count>},
    {"sw_died_error", 2, datesCell<diedRow, DatesCell::Error>},
};

} // namespace

extern "C" {

__attribute__((visibility("default"))) int sqlite3_spanwrightsqlite_init(sqlite3* database, char** errorMessage, const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api);
    // The same arguments always give the same answer, and none reads or
    // changes anything beyond them: safe in indexes, views and triggers.
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    for (const Function& function : Functions) {
        const int status = sqlite3_create_function_v2(database, function.name, function.arguments, flags, nullptr,
                                                      function.call, nullptr, nullptr, nullptr);
        if (status != SQLITE_OK) {
            if (errorMessage)
                *errorMessage = sqlite3_mprintf("spanwright: cannot create %s", function.name);
            return status;
        }
    }
    return SQLITE_OK;
}

} // extern "C"
