#include "core/range/RangeInterpolation.h"

#include <algorithm>

#include "core/lookup/LogLogLine.h"
#include "core/range/CsdaSegment.h"
#include "core/range/RangeChecks.h"

namespace alphastop {
namespace {

// The line between two rows, with the rounding of log and exp held between the rows'
// values: a result never leaves the table, so an energy found from row 1's range can
// always be looked up again.
double OnSegment(double x, double x1, double y1, double x2, double y2) {
  return std::clamp(LogLogLine(x, x1, y1, x2, y2), std::min(y1, y2), std::max(y1, y2));
}

double ProjectedOnSegment(const MaterialTable& table, int high, double energy) {
  return OnSegment(energy, table.Energy(high - 1), table.RangeData(high - 1, ProjectedRange),
                   table.Energy(high), table.RangeData(high, ProjectedRange));
}

int EnergyBracket(const MaterialTable& table, double energy) {
  return UpperBracketRow([&](int r) { return table.Energy(r); }, energy);
}

std::optional<Refusal> CheckEnergyLookup(const MaterialTable& table, double energy) {
  if (auto no = CheckEnergyGiven(energy)) return no;
  if (auto no = CheckCsdaColumn(table)) return no;
  return CheckWithinEnergies(table, energy);
}

}  // namespace

Checked<Ranges> RangeAtEnergy(const MaterialTable& table, double energy) {
  if (auto no = CheckEnergyLookup(table, energy)) return *no;
  if (auto no = CheckProjectedColumn(table)) return *no;
  return RangesAtCheckedEnergy(table, energy);
}

Ranges RangesAtCheckedEnergy(const MaterialTable& table, double energy) {
  const int high = EnergyBracket(table, energy);
  return Ranges{.csda = CsdaSegment(table, high).RangeAt(energy),
                .projected = ProjectedOnSegment(table, high, energy)};
}

Checked<double> CsdaRangeAtEnergy(const MaterialTable& table, double energy) {
  if (auto no = CheckEnergyLookup(table, energy)) return *no;
  return CsdaSegment(table, EnergyBracket(table, energy)).RangeAt(energy);
}

Checked<double> EnergyFromCsdaRange(const MaterialTable& table, double csdaRange) {
  if (auto no = CheckRangeGiven(csdaRange)) return *no;
  if (auto no = CheckCsdaColumn(table)) return *no;
  if (auto no = CheckWithinCsdaRanges(table, csdaRange)) return *no;
  return EnergyAtCheckedCsdaRange(table, csdaRange);
}

double EnergyAtCheckedCsdaRange(const MaterialTable& table, double csdaRange) {
  const int high = UpperBracketRow([&](int r) { return table.RangeData(r, CsdaRange); }, csdaRange);
  return CsdaSegment(table, high).EnergyAt(csdaRange);
}

}  // namespace alphastop
