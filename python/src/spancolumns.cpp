#include "spancolumns.h"

#include "batchrows.h"
#include "parallelrows.h"

#include <charconv>

namespace spanwright::python {

namespace {

constexpr char Delimiter = ',';

// A count the batch wrote, or none for an empty field.
bool readCount(std::string_view field, std::int64_t& count)
{
    if (field.empty())
        return false;
    const auto [end, fault] = std::from_chars(field.data(), field.data() + field.size(), count);
    return fault == std::errc() && end == field.data() + field.size();
}

} // namespace

std::string_view nextResultField(std::string_view text, size_t& i, char delimiter)
{
    const size_t start = i;
    if (i < text.size() && text[i] == '"') {
        for (++i; i < text.size(); ++i) {
            if (text[i] != '"')
                continue;
            if (i + 1 < text.size() && text[i + 1] == '"')
                ++i; // a doubled quote within
            else
                break;
        }
        i = std::min(text.size(), i + 1);
    } else {
        while (i < text.size() && text[i] != delimiter)
            ++i;
    }
    return text.substr(start, i - start);
}

void appendUnquoted(TextColumn& column, std::string_view field)
{
    if (field.size() < 2 || field.front() != '"') {
        column.append(field);
        return;
    }
    const std::string_view within = field.substr(1, field.size() - 2);
    for (size_t i = 0; i < within.size(); ++i) {
        column.push_back(within[i]);
        if (within[i] == '"')
            ++i; // the second of a doubled quote
    }
    column.endText();
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
    const std::vector<RowStretch> stretches = rowStretches(rows);
    columns.span.resize(stretches.size());
    columns.error.resize(stretches.size());
    // The batch's own row code, so that every field is the batch's.
    forStretchesInParallel(stretches, [&](size_t stretch) {
        BatchRowCalculator calculator(BatchMode::Span, {0, 1}, notation, Delimiter, options);
        TextBuffer row;
        std::vector<std::string_view> fields(2);
        std::int64_t* const counts[] = {columns.years.data(), columns.months.data(), columns.days.data()};
        for (size_t i = stretches[stretch].first; i < stretches[stretch].last; ++i) {
            fields[0] = begins[i];
            fields[1] = ends[i];
            row.clear();
            calculator.appendResults(fields, row);
            const std::string_view text = row.view();
            size_t at = 1; // past the delimiter before the first result
            bool all = true;
            for (std::int64_t* count : counts) {
                all = readCount(nextResultField(text, at, Delimiter), count[i]) && all;
                ++at;
            }
            counted[i] = all;
            appendUnquoted(columns.span[stretch], nextResultField(text, at, Delimiter));
            ++at;
            appendUnquoted(columns.error[stretch], nextResultField(text, at, Delimiter));
        }
    });
    columns.counted.assign(counted.begin(), counted.end());
    return columns;
}

} // namespace spanwright::python
