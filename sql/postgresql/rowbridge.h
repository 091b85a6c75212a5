#pragma once

/* The row functions (rowfunctions.h) for the PostgreSQL module, whose
 * functions are C: plain C types, and no C++ exception ever crosses. */

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

enum SpanwrightOutcome {
    SPANWRIGHT_VALUE = 0, /* the result is set */
    SPANWRIGHT_EMPTY = 1, /* the batch leaves this cell empty: NULL */
    SPANWRIGHT_FAULT = 2  /* the C++ side failed: text says how */
};

/* What a born or died function gives of its row. */
enum SpanwrightDatesCell {
    SPANWRIGHT_EARLIEST = 0,
    SPANWRIGHT_LATEST = 1,
    SPANWRIGHT_COUNT = 2,
    SPANWRIGHT_ERROR = 3
};

typedef struct SpanwrightResult {
    int outcome;
    long long number;     /* days, count */
    int year, month, day; /* a date, Gregorian, year 1 to 9999 */
    char *text;           /* span, error or fault, UTF-8; malloc'd */
    size_t length;
} SpanwrightResult;

/* Texts are UTF-8, with their lengths; notation 1 to 4. */
void spanwright_span(const char *begin, size_t beginLength, const char *end, size_t endLength, int notation,
                     SpanwrightResult *result);
void spanwright_span_error(const char *begin, size_t beginLength, const char *end, size_t endLength,
                           SpanwrightResult *result);
void spanwright_days(const char *begin, size_t beginLength, const char *end, size_t endLength,
                     SpanwrightResult *result);
/* died: 0 for a born row (end, age), 1 for a died row (begin, age). */
void spanwright_dates(int died, int cell, const char *date, size_t dateLength, const char *age, size_t ageLength,
                      SpanwrightResult *result);
/* Frees the result's text. */
void spanwright_free_result(SpanwrightResult *result);

#ifdef __cplusplus
}
#endif
