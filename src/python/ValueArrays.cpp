#include "python/ValueArrays.h"

#include <pybind11/numpy.h>

#include <utility>
#include <vector>

#include "python/PythonRefusal.h"

namespace alphastop::python {
namespace {

namespace py = pybind11;
using Values = py::array_t<double, py::array::c_style | py::array::forcecast>;

py::object Single(double value, const std::string& prefix, std::size_t outputs,
                  const ValueFunction& compute) {
  std::vector<double> results(outputs);
  if (const auto no = compute(value, results)) throw RefusalError(Prefixed(prefix, *no));
  if (outputs == 1) return py::float_(results[0]);
  py::tuple tuple(outputs);
  for (std::size_t k = 0; k < outputs; ++k) tuple[k] = py::float_(results[k]);
  return tuple;
}

// "[2, 7]": the index of the element at flat (C order) in an array of this shape; "" for
// the one element of an array of no dimension.
std::string IndexOf(py::ssize_t flat, std::span<const py::ssize_t> shape) {
  if (shape.empty()) return "";
  std::vector<py::ssize_t> index(shape.size());
  for (std::size_t d = shape.size(); d-- > 0;) {
    index[d] = flat % shape[d];
    flat /= shape[d];
  }
  std::string text = "[";
  for (std::size_t d = 0; d < index.size(); ++d) text += (d ? ", " : "") + std::to_string(index[d]);
  return text + "]";
}

py::object OverArray(const Values& values, const ValueParameter& parameter, std::size_t outputs,
                     const ValueFunction& compute) {
  const std::span<const py::ssize_t> shape(values.shape(), static_cast<std::size_t>(values.ndim()));
  const std::vector<py::ssize_t> dimensions(shape.begin(), shape.end());
  std::vector<py::array_t<double>> arrays;
  std::vector<double*> columns;
  for (std::size_t k = 0; k < outputs; ++k)
    columns.push_back(arrays.emplace_back(dimensions).mutable_data());

  const double* in = values.data();
  const py::ssize_t count = values.size();
  std::optional<std::pair<py::ssize_t, Refusal>> refused;
  {
    py::gil_scoped_release unlocked;
    std::vector<double> results(outputs);
    for (py::ssize_t i = 0; i < count && !refused; ++i) {
      if (auto no = compute(in[i], results))
        refused.emplace(i, std::move(*no));
      else
        for (std::size_t k = 0; k < outputs; ++k) columns[k][i] = results[k];
    }
  }
  if (refused)
    throw RefusalError(
        Prefixed(parameter.name + IndexOf(refused->first, shape) + ": ", refused->second));
  if (outputs == 1) return std::move(arrays[0]);
  py::tuple tuple(outputs);
  for (std::size_t k = 0; k < outputs; ++k) tuple[k] = std::move(arrays[k]);
  return tuple;
}

}  // namespace

py::object MapValues(const py::handle& given, const ValueParameter& parameter, std::size_t outputs,
                     const ValueFunction& compute) {
  const auto refuseType = [&] {
    return py::type_error(parameter.name + " must be a number (" + parameter.unit +
                          "), a text with its unit, or an array of numbers, not " +
                          std::string(py::str(py::type::handle_of(given).attr("__name__"))));
  };
  if (given.is_none()) throw refuseType();  // numpy would take it for nan
  if (py::isinstance<py::str>(given)) {
    const std::string text = given.cast<std::string>();
    return Single(Accept(parameter.readText(text)), Quote(text) + ": ", outputs, compute);
  }
  if (!py::isinstance<py::array>(given) && PyNumber_Check(given.ptr()) != 0 &&
      PySequence_Check(given.ptr()) == 0) {
    const double value = PyFloat_AsDouble(given.ptr());
    if (value == -1.0 && PyErr_Occurred() != nullptr) {  // a complex number
      PyErr_Clear();
      throw refuseType();
    }
    return Single(value, "", outputs, compute);
  }
  if (const Values values = Values::ensure(given))
    return OverArray(values, parameter, outputs, compute);
  throw refuseType();
}

}  // namespace alphastop::python
