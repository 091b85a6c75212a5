#include "spancolumns.h"

#include "batchrows.h"
#include "parallelrows.h"

#include <charconv>

namespace spanwright::python {

namespace {

constexpr char Delimiter = ',';
enum SpanField { Years, Months, Days, Span, Error, SpanFieldCount };

// A count the batch wrote, or none for an empty field.
bool readCount(const std::string& field, std::int64_t& count)
{
    if (field.empty())
        return false;
    const auto [end, fault] = std::from_chars(field.data(), field.data() + field.size(), count);
    return fault == std::errc() && end == field.data() + field.size();
}

} // namespace

std::vector<std::string> resultFields(std::string_view text, char delimiter)
{
    std::vector<std::string> fields;
    size_t i = 0;
    while (i < text.size() && text[i] == delimiter) {
        ++i;
        std::string field;
        if (i < text.size() && text[i] == '"') {
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"' && (i + 1 >= text.size() || text[i + 1] != '"')) {
                    ++i;
                    break;
                }
                if (text[i] == '"')
                    ++i; // the first of a doubled quote
                field.push_back(text[i]);
            }
        } else {
            while (i < text.size() && text[i] != delimiter)
                field.push_back(text[i++]);
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

SpanColumns spanColumns(const std::vector<std::string>& begins, const std::vector<std::string>& ends,
                        const DateReadOptions& options, Notation notation)
{
    const size_t rows = begins.size();
    SpanColumns columns;
    columns.years.assign(rows, 0);
    columns.months.assign(rows, 0);
    columns.days.assign(rows, 0);
    std::vector<char> counted(rows, 0); // vector<bool> cannot be written from several threads
    columns.span.resize(rows);
    columns.error.resize(rows);
    // The batch's own row code, so that every field is the batch's.
    forRowsInParallel(rows, [&](size_t first, size_t last) {
        BatchRowCalculator calculator(BatchMode::Span, {0, 1}, notation, Delimiter, options);
        TextBuffer row;
        std::vector<std::string_view> fields(2);
        for (size_t i = first; i < last; ++i) {
            fields[0] = begins[i];
            fields[1] = ends[i];
            row.clear();
            calculator.appendResults(fields, row);
            std::vector<std::string> result = resultFields(row.view(), Delimiter);
            result.resize(SpanFieldCount);
            counted[i] = readCount(result[Years], columns.years[i]) && readCount(result[Months], columns.months[i])
                && readCount(result[Days], columns.days[i]);
            columns.span[i] = std::move(result[Span]);
            columns.error[i] = std::move(result[Error]);
        }
    });
    columns.counted.assign(counted.begin(), counted.end());
    return columns;
}

} // namespace spanwright::python
