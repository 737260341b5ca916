#pragma once
// The energy through a stack of layers, as the calculator's layers command works it out
// (core/range/Stack.h), its rows as Python dicts keyed by the calculator's column names.

#include <filesystem>
#include <optional>

#include <pybind11/pybind11.h>

#include "python/TypeNames.h"

namespace alphastop::python {

// energy: MeV, an energy text or a nuclide name; layers: (material, thickness) pairs in the
// order the particle meets them, each thickness a text as the calculator takes it or a
// number in g/cm2; angle: degrees from the normal, a number or a text ("30deg"). One dict
// per layer reached, up to the one the particle stops in. Raises ValueError or OSError with
// the first fault, naming the layer where the message would not.
pybind11::list Layers(const ValueIn& energy, const LayersIn& layers, const ValueIn& angle,

                      const std::optional<std::filesystem::path>& data);

}  // namespace alphastop::python
