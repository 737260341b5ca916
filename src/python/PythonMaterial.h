#pragma once
// A material as Python sees it: its table loaded once, and the lookups of the calculator's
// stopping and energy commands over numbers, texts and arrays (ValueArrays.h).

#include <filesystem>
#include <optional>
#include <string>

#include <pybind11/pybind11.h>

#include "core/catalog/MaterialLoader.h"
#include "python/TypeNames.h"

namespace alphastop::python {

class PythonMaterial {
 public:
  // LoadMaterial of material in the catalog of data (ModuleCatalog.h): raises ValueError for
  // an unknown or ambiguous name or a faulty written-out material, OSError for a table that
  // cannot be read.
  PythonMaterial(const std::string& material, const std::optional<std::filesystem::path>& data);

  const LoadedMaterial& Loaded() const { return loaded_; }

  // (electronic, nuclear, total) in MeV cm2/g at energy (MeV, or an energy text or nuclide
  // name), within the table's energies.
  pybind11::tuple Stopping(const NumbersIn& energy) const;
  // The CSDA range and the projected range in g/cm2 at energy, as RangeAtEnergy gives them.
  NumbersOut CsdaRange(const NumbersIn& energy) const;
  NumbersOut ProjectedRange(const NumbersIn& energy) const;
  // The energy in MeV whose CSDA range is range (g/cm2, or a range text in any unit).
  NumbersOut EnergyFromRange(const NumbersIn& range) const;

 private:
  NumbersOut RangesAt(const NumbersIn& energy, bool projected) const;
  LoadedMaterial loaded_;
};

}  // namespace alphastop::python
