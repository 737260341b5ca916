#pragma once
// One function of the core over what a Python caller passes for a value: a number, a text
// with its unit ("800keV", "30um"), or anything numpy takes as an array of numbers, of any
// shape. The loop over an array runs in C++ with the interpreter's lock released.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <pybind11/pybind11.h>

#include "core/units/Checked.h"

namespace alphastop::python {

// What a parameter holds, as its messages name it.
struct ValueParameter {
  std::string name;  // as the Python signature names it: "energy"
  std::string unit;  // of a number: "MeV"
  // A text given as the single value, read into that unit; refusals quote the text.
  std::function<Checked<double>(std::string_view)> readText;
};

// The results of one value, written to results (as many as the call asks for), or why the
// value has none.
using ValueFunction =
    std::function<std::optional<Refusal>(double value, std::span<double> results)>;

// compute over given. A single number or text gives a float, or a tuple of floats where
// outputs > 1; an array gives an array of given's shape, or a tuple of them. The first
// value refused raises (PythonRefusal.h) with the value named: a text quoted as the
// calculator quotes it, an array's element by its index ("energy[2, 7]: ..."). Anything
// else raises TypeError.
pybind11::object MapValues(const pybind11::handle& given, const ValueParameter& parameter,
                           std::size_t outputs, const ValueFunction& compute);

}  // namespace alphastop::python
