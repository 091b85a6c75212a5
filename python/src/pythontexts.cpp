#include "pythontexts.h"

#include <cmath>

namespace py = pybind11;

namespace spanwright::python {

namespace {

// pandas' missing values, NA and NaT, where pandas is loaded.
struct PandasMissing
{
    py::object na;
    py::object nat;

    PandasMissing()
    {
        PyObject* pandas = PyDict_GetItemString(PyImport_GetModuleDict(), "pandas");
        if (pandas == nullptr)
            return;
        const py::handle module(pandas);
        na = module.attr("NA");
        nat = module.attr("NaT");
    }
    bool holds(const py::handle& item) const { return (na && item.is(na)) || (nat && item.is(nat)); }
};

std::string utf8Of(PyObject* text)
{
    Py_ssize_t size = 0;
    const char* data = PyUnicode_AsUTF8AndSize(text, &size);
    if (data == nullptr)
        throw py::error_already_set();
    return std::string(data, static_cast<size_t>(size));
}

} // namespace

namespace {

std::string textOf(const py::handle& item, const PandasMissing& missing)
{
    PyObject* object = item.ptr();
    if (PyUnicode_Check(object))
        return utf8Of(object);
    if (object == Py_None)
        return {};
    if (PyFloat_Check(object) && std::isnan(PyFloat_AS_DOUBLE(object)))
        return {};
    if (missing.holds(item))
        return {};
    return utf8Of(py::str(item).ptr());
}

} // namespace

std::string textOf(const py::handle& item)
{
    return textOf(item, PandasMissing());
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
    const PandasMissing missing;
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(size));
    for (Py_ssize_t i = 0; i < size; ++i)
        texts.push_back(textOf(PyList_GET_ITEM(items.ptr(), i), missing));
    return texts;
}

} // namespace spanwright::python
