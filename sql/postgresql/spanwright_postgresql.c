/* The SQL functions of the PostgreSQL extension (spanwright--1.0.sql):
 * the arguments taken from the server, handed to the row functions through
 * rowbridge.h, and their answers made into text, integer or date. */
#include "postgres.h"

#include "fmgr.h"
#include "mb/pg_wchar.h"
#include "utils/builtins.h"
#include "utils/date.h"
#include "utils/datetime.h"

#include "rowbridge.h"

PG_MODULE_MAGIC;

PG_FUNCTION_INFO_V1(sw_span);
PG_FUNCTION_INFO_V1(sw_error);
PG_FUNCTION_INFO_V1(sw_days);
PG_FUNCTION_INFO_V1(sw_born_earliest);
PG_FUNCTION_INFO_V1(sw_born_latest);
PG_FUNCTION_INFO_V1(sw_born_count);
PG_FUNCTION_INFO_V1(sw_born_error);
PG_FUNCTION_INFO_V1(sw_died_earliest);
PG_FUNCTION_INFO_V1(sw_died_latest);
PG_FUNCTION_INFO_V1(sw_died_count);
PG_FUNCTION_INFO_V1(sw_died_error);

/* An argument's text in UTF-8, whatever the database's encoding. */
typedef struct Utf8Text {
    const char *data;
    size_t length;
} Utf8Text;

static Utf8Text utf8Argument(FunctionCallInfo fcinfo, int argument)
{
    text *value = PG_GETARG_TEXT_PP(argument);
    const char *data = VARDATA_ANY(value);
    const int length = VARSIZE_ANY_EXHDR(value);
    Utf8Text utf8;
    utf8.data = pg_server_to_any(data, length, PG_UTF8);
    utf8.length = utf8.data == data ? (size_t)length : strlen(utf8.data);
    return utf8;
}

/* The error for a fault of the C++ side; its text is freed first, since
 * ereport does not return. */
static void failOn(SpanwrightResult *result)
{
    char message[256];
    strlcpy(message, result->text ? result->text : "out of memory", sizeof message);
    spanwright_free_result(result);
    ereport(ERROR, (errcode(ERRCODE_INTERNAL_ERROR), errmsg("spanwright: %s", message)));
}

static Datum textDatum(SpanwrightResult *result)
{
    char *server = pg_any_to_server(result->text, (int)result->length, PG_UTF8);
    text *value = cstring_to_text(server);
    spanwright_free_result(result);
    return PointerGetDatum(value);
}

static int32 integerOf(SpanwrightResult *result)
{
    if (result->number < PG_INT32_MIN || result->number > PG_INT32_MAX)
        ereport(ERROR, (errcode(ERRCODE_NUMERIC_VALUE_OUT_OF_RANGE), errmsg("integer out of range")));
    return (int32)result->number;
}

/* The result as a Datum of the function's type: text, integer or date. */
typedef enum ResultType { TEXT_RESULT, INTEGER_RESULT, DATE_RESULT } ResultType;

static Datum answer(FunctionCallInfo fcinfo, SpanwrightResult *result, ResultType type)
{
    if (result->outcome == SPANWRIGHT_FAULT)
        failOn(result);
    if (result->outcome == SPANWRIGHT_EMPTY) {
        spanwright_free_result(result);
        PG_RETURN_NULL();
    }
    switch (type) {
    case TEXT_RESULT:
        return textDatum(result);
    case INTEGER_RESULT:
        PG_RETURN_INT32(integerOf(result));
    case DATE_RESULT:
        PG_RETURN_DATEADT(date2j(result->year, result->month, result->day) - POSTGRES_EPOCH_JDATE);
    }
    PG_RETURN_NULL();
}

Datum sw_span(PG_FUNCTION_ARGS)
{
    const Utf8Text begin = utf8Argument(fcinfo, 0);
    const Utf8Text end = utf8Argument(fcinfo, 1);
    const int32 notation = PG_NARGS() > 2 ? PG_GETARG_INT32(2) : 4;
    SpanwrightResult result;
    if (notation < 1 || notation > 4)
        ereport(ERROR, (errcode(ERRCODE_INVALID_PARAMETER_VALUE), errmsg("sw_span: the notation is 1, 2, 3 or 4")));
    spanwright_span(begin.data, begin.length, end.data, end.length, notation, &result);
    return answer(fcinfo, &result, TEXT_RESULT);
}

Datum sw_error(PG_FUNCTION_ARGS)
{
    const Utf8Text begin = utf8Argument(fcinfo, 0);
    const Utf8Text end = utf8Argument(fcinfo, 1);
    SpanwrightResult result;
    spanwright_span_error(begin.data, begin.length, end.data, end.length, &result);
    return answer(fcinfo, &result, TEXT_RESULT);
}

Datum sw_days(PG_FUNCTION_ARGS)
{
    const Utf8Text begin = utf8Argument(fcinfo, 0);
    const Utf8Text end = utf8Argument(fcinfo, 1);
    SpanwrightResult result;
    spanwright_days(begin.data, begin.length, end.data, end.length, &result);
    return answer(fcinfo, &result, INTEGER_RESULT);
}

static Datum datesCell(FunctionCallInfo fcinfo, int died, int cell, ResultType type)
{
    const Utf8Text date = utf8Argument(fcinfo, 0);
    const Utf8Text age = utf8Argument(fcinfo, 1);
    SpanwrightResult result;
    spanwright_dates(died, cell, date.data, date.length, age.data, age.length, &result);
    return answer(fcinfo, &result, type);
}

Datum sw_born_earliest(PG_FUNCTION_ARGS) { return datesCell(fcinfo, 0, SPANWRIGHT_EARLIEST, DATE_RESULT); }
Datum sw_born_latest(PG_FUNCTION_ARGS) { return datesCell(fcinfo, 0, SPANWRIGHT_LATEST, DATE_RESULT); }
Datum sw_born_count(PG_FUNCTION_ARGS) { return datesCell(fcinfo, 0, SPANWRIGHT_COUNT, INTEGER_RESULT); }
Datum sw_born_error(PG_FUNCTION_ARGS) { return datesCell(fcinfo, 0, SPANWRIGHT_ERROR, TEXT_RESULT); }
Datum sw_died_earliest(PG_FUNCTION_ARGS) { return datesCell(fcinfo, 1, SPANWRIGHT_EARLIEST, DATE_RESULT); }
Datum sw_died_latest(PG_FUNCTION_ARGS) { return datesCell(fcinfo, 1, SPANWRIGHT_LATEST, DATE_RESULT); }
Datum sw_died_count(PG_FUNCTION_ARGS) { return datesCell(fcinfo, 1, SPANWRIGHT_COUNT, INTEGER_RESULT); }
Datum sw_died_error(PG_FUNCTION_ARGS) { return datesCell(fcinfo, 1, SPANWRIGHT_ERROR, TEXT_RESULT); }
