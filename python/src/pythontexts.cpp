#include "pythontexts.h"

#include <cmath>

namespace py = pybind11;

namespace spanwright::python {

namespace {

// pandas' missing values, where pandas is loaded: NA and NaT.
bool isPandasMissing(const py::handle& item)
{
    PyObject* modules = PyImport_GetModuleDict();
    PyObject* pandas = PyDict_GetItemString(modules, "pandas");
    if (pandas == nullptr)
        return false;
    for (const char* name : {"NA", "NaT"}) {
        const py::object missing = py::reinterpret_borrow<py::object>(pandas).attr(name);
        if (item.is(missing))
            return true;
    }
    return false;
}

std::string utf8Of(PyObject* text)
{
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(text, &size);
    if (data == nullptr)
        throw py::error_already_set();
    return std::string(data, static_cast<size_t>(size));
}

} // namespace

std::string textOf(const py::handle& item)
{
    PyObject* object = item.ptr();
    if (PyUnicode_Check(object))
        return utf8Of(object);
    if (object == Py_None)
        return {};
    if (PyFloat_Check(object) && std::isnan(PyFloat_AS_DOUBLE(object)))
        return {};
    if (isPandasMissing(item))
        return {};
    return utf8Of(py::str(item).ptr());
}

std::vector<std::string> textsOf(const py::handle& column)
{
    // A list's items are read in place; any other sequence becomes one
    // first (a Series or an array through its own tolist, the fastest way).
    py::object items;
    if (PyList_Check(column.ptr()))
        items = py::reinterpret_borrow<py::object>(column);
    else if (py::hasattr(column, "tolist"))
        items = column.attr("tolist")();
    else
        items = py::list(py::reinterpret_borrow<py::object>(column));
    if (!PyList_Check(items.ptr()))
        items = py::list(items);
    const Py_ssize_t size = PyList_GET_SIZE(items.ptr());
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(size));
    for (Py_ssize_t i = 0; i < size; ++i)
        texts.push_back(textOf(PyList_GET_ITEM(items.ptr(), i)));
    return texts;
}

} // namespace spanwright::python
