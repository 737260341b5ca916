#pragma once
// What the range functions refuse, and the words of each refusal. Each check gives nullopt
// where its input passes. Loads leave the range columns unchecked, so that a table with
// odd ranges still shows; only the range functions need them sound.

#include <optional>

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

// A finite energy (MeV) above zero.
std::optional<Refusal> CheckEnergyGiven(double energy);
// A finite CSDA range (g/cm2) above zero.
std::optional<Refusal> CheckRangeGiven(double csdaRange);
// A finite thickness (g/cm2), zero or more.
std::optional<Refusal> CheckThicknessGiven(double thickness);

// The CSDA range column finite, above zero and strictly ascending; the refusal names the
// first row that is not.
std::optional<Refusal> CheckCsdaColumn(const MaterialTable& table);
// The projected range column finite and above zero (it need not ascend).
std::optional<Refusal> CheckProjectedColumn(const MaterialTable& table);

// energy (MeV) within the energies of rows 1 to 122, both included.
std::optional<Refusal> CheckWithinEnergies(const MaterialTable& table, double energy);
// csdaRange (g/cm2) within the CSDA ranges of rows 1 to 122, both included.
std::optional<Refusal> CheckWithinCsdaRanges(const MaterialTable& table, double csdaRange);

}  // namespace alphastop
