#include "core/range/RangeChecks.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/text/NumberFormat.h"

namespace alphastop {
namespace {

// A number given to a range function, as short as reads back exactly, written as printf's
// %g writes it: 5000, 0.0005, 3e-08, nan.
std::string Given(double value) {
  char text[32];
  return std::string(
      text, std::to_chars(text, text + sizeof text, value, std::chars_format::general).ptr);
}

std::optional<Refusal> CheckGiven(double value, bool zeroAllowed, const char* quantity,
                                  const char* unit) {
  if (std::isfinite(value) && (value > 0 || (zeroAllowed && value == 0))) return std::nullopt;
  return Refusal{"the " + std::string(quantity) + " must be a finite number " +
                 (zeroAllowed ? "of zero or more" : "above zero") + ", not " + Given(value) + " " +
                 unit};
}

std::optional<Refusal> CheckWithin(double value, double low, double high, const char* what,
                                   const char* unit) {
  if (value >= low && value <= high) return std::nullopt;
  return Refusal{Given(value) + " " + unit + " is outside this table's " + what + ", " +
                 FormatReadout(low) + " to " + FormatReadout(high) + " " + unit};
}

std::optional<Refusal> CheckRangeColumn(const MaterialTable& table, RangeColumn column,
                                        bool mustAscend) {
  const auto range = [&](int r) { return table.RangeData(r, column); };
  int r = 1;
  while (r <= RowCount && std::isfinite(range(r)) && range(r) > 0 &&
         (!mustAscend || r == 1 || range(r) > range(r - 1)))
    ++r;
  if (r > RowCount) return std::nullopt;

  const std::string name = column == CsdaRange ? "CSDA range" : "projected range";
  const std::string unfit =
      "this table's " + name + "s cannot be used: the " + name + " of row " + std::to_string(r);
  if (!(std::isfinite(range(r)) && range(r) > 0))
    return Refusal{unfit + " is " + FormatReadout(range(r)) +
                   " g/cm2, not a finite number above zero"};
  return Refusal{unfit + " (" + FormatReadout(range(r)) + " g/cm2) is not above that of row " +
                 std::to_string(r - 1) + " (" + FormatReadout(range(r - 1)) + " g/cm2); " + name +
                 "s must ascend"};
}

}  // namespace

std::optional<Refusal> CheckEnergyGiven(double energy) {
  return CheckGiven(energy, false, "energy", "MeV");
}
std::optional<Refusal> CheckRangeGiven(double csdaRange) {
  return CheckGiven(csdaRange, false, "range", "g/cm2");
}
std::optional<Refusal> CheckThicknessGiven(double thickness) {
  return CheckGiven(thickness, true, "thickness", "g/cm2");
}

std::optional<Refusal> CheckCsdaColumn(const MaterialTable& table) {
  return CheckRangeColumn(table, CsdaRange, true);
}
std::optional<Refusal> CheckProjectedColumn(const MaterialTable& table) {
  return CheckRangeColumn(table, ProjectedRange, false);
}

std::optional<Refusal> CheckWithinEnergies(const MaterialTable& table, double energy) {
  return CheckWithin(energy, table.Energy(1), table.Energy(RowCount), "energies", "MeV");
}

std::optional<Refusal> CheckWithinCsdaRanges(const MaterialTable& table, double csdaRange) {
  return CheckWithin(csdaRange, table.RangeData(1, CsdaRange), table.RangeData(RowCount, CsdaRange),
                     "CSDA ranges", "g/cm2");
}

}  // namespace alphastop
