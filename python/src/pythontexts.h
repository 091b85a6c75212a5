#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace spanwright::python {

// The texts of a column: any sequence (list, tuple, NumPy array, pandas
// Series), each item a str as written, None, NaN, pandas' NA or NaT as the
// empty text (which a row then refuses as the batch refuses an empty
// field), and anything else as its str() (a datetime.date as 1850-05-17).
// Read with the interpreter lock held, so that the work after it can go
// on without it.
std::vector<std::string> textsOf(const pybind11::handle& column);

// The items of a column, the same way, as a str each.
std::string textOf(const pybind11::handle& item);

} // namespace spanwright::python
