#pragma once
// Python objects passed through as they are, under the type names the signatures in help()
// show ("energy: float | str | numpy.ndarray" rather than "energy: handle").

#include <pybind11/pybind11.h>

namespace alphastop::python {

template <typename Name>
struct Typed {
  pybind11::object object;
};

// What MapValues takes and gives (ValueArrays.h).
struct NumbersInName {
  static constexpr auto Text = pybind11::detail::const_name("float | str | numpy.ndarray");
};
struct NumbersOutName {
  static constexpr auto Text = pybind11::detail::const_name("float | numpy.ndarray");
};
// One value, a number or a text: the energy and the angle of a stack.
struct ValueInName {
  static constexpr auto Text = pybind11::detail::const_name("float | str");
};
struct LayersInName {
  static constexpr auto Text = pybind11::detail::const_name("Iterable[tuple[str, str | float]]");
};

using NumbersIn = Typed<NumbersInName>;
using NumbersOut = Typed<NumbersOutName>;
using ValueIn = Typed<ValueInName>;
using LayersIn = Typed<LayersInName>;

}  // namespace alphastop::python

namespace pybind11::detail {

template <typename Name>
struct type_caster<alphastop::python::Typed<Name>> {
  PYBIND11_TYPE_CASTER(alphastop::python::Typed<Name>, Name::Text);

  bool load(handle source, bool /*convert*/) {
    value.object = reinterpret_borrow<object>(source);
    return true;
  }
  static handle cast(const alphastop::python::Typed<Name>& typed, return_value_policy, handle) {
    return typed.object.inc_ref();
  }
};

}  // namespace pybind11::detail
