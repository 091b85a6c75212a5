// spanwright._spanwright: the engine's answers for the Python package, which
// wraps them in its own functions (spanwright/__init__.py). Whole columns
// are read into C++ texts first, then worked out with the interpreter lock
// released, then handed back as NumPy arrays and lists.
#include "agecolumns.h"
#include "fileanswers.h"
#include "pythontexts.h"
#include "readingoptions.h"
#include "singleanswers.h"
#include "spancolumns.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <datetime.h>

namespace py = pybind11;
using namespace spanwright;
using namespace spanwright::python;

namespace {

ReadingArguments readingArguments(std::string dateOrder, std::optional<std::string> switchText,
                                  std::optional<std::string> yearStart, std::optional<long long> century,
                                  std::optional<long long> pivot)
{
    return {std::move(dateOrder), std::move(switchText), std::move(yearStart), century, pivot};
}

CalendarChoice calendarOf(std::optional<std::string> switchText, std::optional<std::string> yearStart)
{
    return readingOptionsOf(readingArguments("mdy", std::move(switchText), std::move(yearStart), {}, {})).calendar;
}

// The assumptions of the likely bounds, refused as the estimate command's
// options are.
EstimateAssumptions assumptionsOf(const std::string& motherAges, const std::string& fatherAges,
                                  const std::string& marriageAges, int siblingGapMonths, int maxLife, int aboutYears)
{
    EstimateAssumptions assumptions;
    const auto range = [](const char* name, const std::string& text) {
        const Result<YearRange> read = readYearRange(text);
        if (!read)
            throw py::value_error(std::string(name) + " " + read.problem().message);
        return *read;
    };
    assumptions.motherAges = range("mother_ages", motherAges);
    assumptions.fatherAges = range("father_ages", fatherAges);
    assumptions.marriageAges = range("marriage_ages", marriageAges);
    const auto within = [](const char* name, int value, int least, int most) {
        if (value < least || value > most)
            throw py::value_error(std::string(name) + " " + std::to_string(value) + ": not in " + std::to_string(least)
                                  + " to " + std::to_string(most));
        return value;
    };
    assumptions.siblingGapMonths = within("sibling_gap_months", siblingGapMonths, 0, 36);
    assumptions.longestLifeYears = within("max_life", maxLife, 1, NoLifeReachesYears - 1);
    assumptions.aboutYears = within("about_years", aboutYears, 0, 50);
    return assumptions;
}

void checkSameLength(const std::vector<std::string>& first, const std::vector<std::string>& second)
{
    if (first.size() != second.size())
        throw py::value_error("the columns differ in length: " + std::to_string(first.size()) + " and "
                              + std::to_string(second.size()) + " rows");
}

py::array_t<std::int64_t> integerArray(const std::vector<std::int64_t>& values)
{
    return py::array_t<std::int64_t>(static_cast<py::ssize_t>(values.size()), values.data());
}

py::array_t<bool> maskArray(const std::vector<bool>& values)
{
    py::array_t<bool> mask(static_cast<py::ssize_t>(values.size()));
    auto out = mask.mutable_unchecked<1>();
    for (size_t i = 0; i < values.size(); ++i)
        out(static_cast<py::ssize_t>(i)) = values[i];
    return mask;
}

// A NumPy array of objects, each None: pandas takes such an array as it is,
// where it would look at every item of a list.
py::array objectArray(size_t rows)
{
    return py::module_::import("numpy").attr("full")(rows, py::none(), "object");
}

// Sets an item of an array of objects, taking the reference given.
void setItem(py::array& array, size_t row, PyObject* item)
{
    PyObject** items = static_cast<PyObject**>(array.mutable_data());
    Py_XDECREF(items[row]);
    items[row] = item;
}

PyObject* textObject(std::string_view text)
{
    PyObject* object = PyUnicode_DecodeUTF8(text.data(), static_cast<py::ssize_t>(text.size()), "replace");
    if (object == nullptr)
        throw py::error_already_set();
    return object;
}

// The texts, None for an empty one.
py::array textArray(const std::vector<std::string>& texts)
{
    py::array array = objectArray(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!texts[i].empty())
            setItem(array, i, textObject(texts[i]));
    }
    return array;
}

// A column worked out in stretches, the same way.
py::array textArray(const StretchedTextColumn& column)
{
    size_t rows = 0;
    for (const TextColumn& stretch : column)
        rows += stretch.size();
    py::array array = objectArray(rows);
    size_t row = 0;
    for (const TextColumn& stretch : column) {
        for (size_t i = 0; i < stretch.size(); ++i, ++row) {
            if (!stretch[i].empty())
                setItem(array, row, textObject(stretch[i]));
        }
    }
    return array;
}

py::array dateArray(const std::vector<CalendarDate>& dates, const std::vector<bool>& dated)
{
    py::array array = objectArray(dates.size());
    for (size_t i = 0; i < dates.size(); ++i) {
        if (!dated[i])
            continue;
        PyObject* date = PyDate_FromDate(static_cast<int>(dates[i].year), dates[i].month, dates[i].day);
        if (date == nullptr)
            throw py::error_already_set();
        setItem(array, i, date);
    }
    return array;
}

py::dict spanColumnsOf(const py::object& begin, const py::object& end, int notation, const ReadingArguments& reading)
{
    const DateReadOptions options = readingOptionsOf(reading);
    const Notation chosen = notationOf(notation);
    const std::vector<std::string> begins = textsOf(begin);
    const std::vector<std::string> ends = textsOf(end);
    checkSameLength(begins, ends);
    SpanColumns columns;
    {
        py::gil_scoped_release released;
        columns = spanColumns(begins, ends, options, chosen);
    }
    py::dict result;
    result["years"] = integerArray(columns.years);
    result["months"] = integerArray(columns.months);
    result["days"] = integerArray(columns.days);
    result["counted"] = maskArray(columns.counted);
    result["span"] = textArray(columns.span);
    result["error"] = textArray(columns.error);
    return result;
}

py::dict ageColumnsOf(const std::string& direction, const py::object& date, const py::object& age, bool exact,
                      const ReadingArguments& reading)
{
    const DateReadOptions options = readingOptionsOf(reading);
    const std::vector<std::string> dates = textsOf(date);
    const std::vector<std::string> ages = textsOf(age);
    checkSameLength(dates, ages);
    AgeColumns columns;
    {
        py::gil_scoped_release released;
        columns = ageColumns(direction == "born" ? AgeDirection::Born : AgeDirection::Died, dates, ages, options,
                             exact);
    }
    py::dict result;
    result["earliest"] = dateArray(columns.earliest, columns.dated);
    result["latest"] = dateArray(columns.latest, columns.dated);
    result["count"] = integerArray(columns.count);
    result["counted"] = maskArray(columns.counted);
    result["error"] = textArray(columns.error);
    return result;
}

std::string narrowCsvOf(const py::object& person, const py::object& date, const py::object& age,
                        const std::vector<long long>& rows, bool exact, const ReadingArguments& reading)
{
    NarrowOptions options(readingOptionsOf(reading));
    options.exact = exact;
    const std::vector<std::string> people = textsOf(person);
    const std::vector<std::string> dates = textsOf(date);
    const std::vector<std::string> ages = textsOf(age);
    checkSameLength(people, dates);
    checkSameLength(people, ages);
    if (!rows.empty() && rows.size() != people.size())
        throw py::value_error("rows: " + std::to_string(rows.size()) + " numbers for " + std::to_string(people.size())
                              + " records");
    py::gil_scoped_release released;
    return narrowCsv(people, dates, ages, rows, options);
}

} // namespace

PYBIND11_MODULE(_spanwright, module)
{
    PyDateTime_IMPORT;
    module.doc() = "The Spanwright engine's answers; use the functions of the spanwright package.";
    py::class_<ReadingArguments>(module, "Reading")
        .def(py::init(&readingArguments), py::arg("date_order") = "mdy", py::arg("switch") = py::none(),
             py::arg("year_start") = py::none(), py::arg("century") = py::none(), py::arg("pivot") = py::none());

    module.def("span", [](const std::string& begin, const std::string& end, int notation, const ReadingArguments& reading) {
        return spanLine(begin, end, readingOptionsOf(reading), notationOf(notation));
    });
    module.def("days", [](const std::string& begin, const std::string& end, const ReadingArguments& reading) {
        return daysLine(begin, end, readingOptionsOf(reading));
    });
    module.def("convert", [](const std::string& date, const ReadingArguments& reading) {
        return convertLines(date, readingOptionsOf(reading));
    });
    module.def("narrow_json", [](const py::object& records, bool exact, const ReadingArguments& reading) {
        return narrowJson(textsOf(records), readingOptionsOf(reading), exact);
    });
    module.def("narrow_svg", [](const py::object& records, bool exact, const ReadingArguments& reading) {
        return narrowSvg(textsOf(records), readingOptionsOf(reading), exact);
    });
    module.def("span_columns", &spanColumnsOf);
    module.def("age_columns", &ageColumnsOf);
    module.def("narrow_csv", &narrowCsvOf);
    module.def("gedcom_report_csv", [](const std::string& path, std::optional<std::string> switchText,
                                       std::optional<std::string> yearStart) {
        const CalendarChoice calendar = calendarOf(std::move(switchText), std::move(yearStart));
        py::gil_scoped_release released;
        const CsvAnswer answer = gedcomReportCsv(path, calendar);
        return std::pair{answer.csv, answer.warnings};
    });
    module.def("estimate_csv", [](const std::string& source, bool isText, const std::string& motherAges,
                                  const std::string& fatherAges, const std::string& marriageAges, int siblingGapMonths,
                                  int maxLife, int aboutYears, std::optional<std::string> switchText,
                                  std::optional<std::string> yearStart, const std::string& country, bool missingOnly) {
        const EstimateAssumptions assumptions =
            assumptionsOf(motherAges, fatherAges, marriageAges, siblingGapMonths, maxLife, aboutYears);
        const CalendarChoice calendar = calendarOf(std::move(switchText), std::move(yearStart));
        EstimateCsvAnswer answer;
        {
            py::gil_scoped_release released;
            answer = estimateCsv(source, isText, assumptions, calendar, country, missingOnly);
        }
        return std::tuple{py::bytes(answer.estimates), py::bytes(answer.census), answer.warnings};
    });
    module.def("check_csv", [](const std::string& path, const std::string& today, std::optional<std::string> switchText,
                               std::optional<std::string> yearStart) {
        const CalendarChoice calendar = calendarOf(std::move(switchText), std::move(yearStart));
        py::gil_scoped_release released;
        const CsvAnswer answer = treeCheckCsv(path, today, calendar);
        return std::pair{answer.csv, answer.warnings};
    });
}
