#include "core/range/RangeInterpolation.h"

#include <algorithm>

#include "core/lookup/LogLogLine.h"
#include "core/range/RangeChecks.h"

namespace alphastop {
namespace {

// The line between two rows, with the rounding of log and exp held between the rows'
// values: a result never leaves the table, so an energy found from row 1's range can
// always be looked up again.
double OnSegment(double x, double x1, double y1, double x2, double y2) {
  return std::clamp(LogLogLine(x, x1, y1, x2, y2), std::min(y1, y2), std::max(y1, y2));
}

double RangeOnSegment(const MaterialTable& table, int high, RangeColumn column, double energy) {
  return OnSegment(energy, table.Energy(high - 1), table.RangeData(high - 1, column),
                   table.Energy(high), table.RangeData(high, column));
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
  const int high = EnergyBracket(table, energy);
  return Ranges{.csda = RangeOnSegment(table, high, CsdaRange, energy),
                .projected = RangeOnSegment(table, high, ProjectedRange, energy)};
}

Checked<double> CsdaRangeAtEnergy(const MaterialTable& table, double energy) {
  if (auto no = CheckEnergyLookup(table, energy)) return *no;
  return RangeOnSegment(table, EnergyBracket(table, energy), CsdaRange, energy);
}

Checked<double> EnergyFromCsdaRange(const MaterialTable& table, double csdaRange) {
  if (auto no = CheckRangeGiven(csdaRange)) return *no;
  if (auto no = CheckCsdaColumn(table)) return *no;
  if (auto no = CheckWithinCsdaRanges(table, csdaRange)) return *no;
  const auto range = [&](int r) { return table.RangeData(r, CsdaRange); };
  const int high = UpperBracketRow(range, csdaRange);
  return OnSegment(csdaRange, range(high - 1), table.Energy(high - 1), range(high),
                   table.Energy(high));
}

}  // namespace alphastop
