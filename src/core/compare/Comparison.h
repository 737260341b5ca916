#pragma once
// Several materials' curves of one quantity side by side: their values at any energy, read
// as the table lookups read a table, their differences from one of them, and the table of
// all of them that a CSV file carries. The comparison window and alphastop-calc compare
// show only what these give.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/graph/Plot.h"
#include "core/import/TableCurves.h"
#include "core/report/Report.h"
#include "core/units/Checked.h"

namespace alphastop {

enum class CompareUnit {
  MassStopping,  // MeV cm2/g, the stopping powers
  ArealDensity,  // g/cm2, the ranges
  Micrometres,   // µm, the ranges where every material's density is known
};

struct ComparedCurve {
  std::string name;               // the material's name (TableCurves::name)
  std::string title;              // for the legend
  std::optional<double> density;  // g/cm3
  std::vector<double> energies;   // MeV, ascending
  std::vector<double> values;     // MeV cm2/g or g/cm2, above 0: the source's, unconverted
  int pen = 0;                    // CurvePenOf's index: the source's place, unless set
  // For a CSDA range, the total stopping power at each energy where the source gives it,
  // so that the range between two points follows 1/S as the range lookups read it.
  std::vector<double> totals;
};

struct Comparison {
  Quantity quantity = Quantity::Total;
  CompareUnit unit = CompareUnit::MassStopping;
  std::vector<ComparedCurve> curves;  // 1 .. MaxCurves
};

// Whether a range of these materials can be shown in µm: every density is known.
bool AllDensitiesKnown(std::span<const TableCurves> sources);

// The curves of quantity of each source, in order; ranges in µm where micrometres is set.
// Refused (bad input) for no source or more than MaxCurves, a source that gives no such
// quantity ("\"mylar\" gives no nuclear stopping power"), and µm of a stopping power or of a
// material without density.
Checked<Comparison> Compare(std::span<const TableCurves> sources, Quantity quantity,
                            bool micrometres);

// "MeV cm²/g", "g/cm²" or "µm" (UTF-8), for people; "MeV_cm2_g", "g_cm2" or "um" in keys.
std::string UnitText(CompareUnit unit);
std::string UnitKey(CompareUnit unit);

// A value of the curve as its source gives it (MeV cm2/g or g/cm2) in the comparison's unit.
double InUnit(const Comparison& comparison, const ComparedCurve& curve, double value);

// The curve's value (in the comparison's unit) at energy (MeV) between its two points about
// it, as the table lookups read a table's rows: the first point at or above the energy and
// the one before it; a stopping power or projected range on the straight line on log-log
// axes, a CSDA range along 1/S (core/range/CsdaSegment.h) where the totals are known, a
// range kept between the two points' values, µm from g/cm2 after the line. nullopt outside the
// curve's first to last energy: nothing is extrapolated.
std::optional<double> ValueAt(const Comparison& comparison, const ComparedCurve& curve,
                              double energy);

// Every curve's energies, ascending, each once.
std::vector<double> EnergyUnion(const Comparison& comparison);

// energy_MeV, then one column per curve (key: its name, then the unit key: "Silicon_g_cm2";
// a name given twice is numbered), on EnergyUnion; a cell is empty where the energy lies
// outside its curve. The facts say the quantity and its unit.
Report ComparisonReport(const Comparison& comparison);

// 100 (v / b - 1), in per cent, of curve against base, at every energy of either of the
// two within the energies both cover (none where they share none): a curve's own value at
// its own energies, ValueAt's at the other's.
std::vector<DataPoint> DifferencePercent(const Comparison& comparison, std::size_t curve,
                                         std::size_t base);

// What the pointer reads at an energy, for each curve in order.
struct CurveReadout {
  std::string title;
  std::optional<double> value;              // in the comparison's unit; none off the curve
  std::optional<double> differencePercent;  // against base; none off either curve
};
std::vector<CurveReadout> ReadoutAt(const Comparison& comparison, std::size_t base, double energy);

}  // namespace alphastop
