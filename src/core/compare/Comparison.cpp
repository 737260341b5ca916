#include "core/compare/Comparison.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "core/data/TextEncoding.h"
#include "core/graph/GraphStyle.h"
#include "core/lookup/LogLogLine.h"
#include "core/range/CsdaSegment.h"
#include "core/units/Thickness.h"

namespace alphastop {
namespace {

// Between the point at or above energy and the one before; the second point at least, as
// the lookups take row 2 for an energy at row 1's.
std::optional<double> OnCurve(const ComparedCurve& curve, double energy, bool keepBetween) {
  const std::vector<double>& e = curve.energies;
  if (e.size() < 2 || !(energy >= e.front() && energy <= e.back())) return std::nullopt;
  const auto above = std::lower_bound(e.begin(), e.end(), energy);
  const auto high = static_cast<std::size_t>(std::max<std::ptrdiff_t>(above - e.begin(), 1));
  const double y1 = curve.values[high - 1], y2 = curve.values[high];
  if (!curve.totals.empty())
    return CsdaSegment(e[high - 1], y1, curve.totals[high - 1], e[high], y2, curve.totals[high])
        .RangeAt(energy);
  const double y = LogLogLine(energy, e[high - 1], y1, e[high], y2);
  return keepBetween ? std::clamp(y, std::min(y1, y2), std::max(y1, y2)) : y;
}

}  // namespace

bool AllDensitiesKnown(std::span<const TableCurves> sources) {
  return std::all_of(sources.begin(), sources.end(),
                     [](const TableCurves& s) { return s.density && *s.density > 0; });
}

Checked<Comparison> Compare(std::span<const TableCurves> sources, Quantity quantity,
                            bool micrometres) {
  if (sources.empty()) return Refusal{"nothing to compare: name at least one material"};
  if (sources.size() > static_cast<std::size_t>(MaxCurves))
    return Refusal{"at most " + std::to_string(MaxCurves) + " materials can be compared, not " +
                   std::to_string(sources.size())};
  if (micrometres && !IsRange(quantity))
    return Refusal{"a stopping power has no length: µm are for the ranges"};
  Comparison comparison{.quantity = quantity,
                        .unit = micrometres         ? CompareUnit::Micrometres
                                : IsRange(quantity) ? CompareUnit::ArealDensity
                                                    : CompareUnit::MassStopping,
                        .curves = {}};
  for (const TableCurves& source : sources) {
    if (!source.Has(quantity))
      return Refusal{QuotedText(source.name) + " gives no " + QuantityText(quantity)};
    if (micrometres && !(source.density && *source.density > 0))
      return Refusal{QuotedText(source.name) + " states no density, so its range has no length"};
    const bool alongStopping = quantity == Quantity::CsdaRange && source.Has(Quantity::Total);
    comparison.curves.push_back(
        {source.name, source.title, source.density, source.energies, source.Of(quantity),
         static_cast<int>(comparison.curves.size()),
         alongStopping ? source.Of(Quantity::Total) : std::vector<double>{}});
  }
  return comparison;
}

std::string UnitText(CompareUnit unit) {
  switch (unit) {
    case CompareUnit::MassStopping:
      return "MeV cm\u00b2/g";
    case CompareUnit::ArealDensity:
      return "g/cm\u00b2";
    case CompareUnit::Micrometres:
      return "\u00b5m";
  }
  return {};
}

std::string UnitKey(CompareUnit unit) {
  switch (unit) {
    case CompareUnit::MassStopping:
      return "MeV_cm2_g";
    case CompareUnit::ArealDensity:
      return "g_cm2";
    case CompareUnit::Micrometres:
      return "um";
  }
  return {};
}

double InUnit(const Comparison& comparison, const ComparedCurve& curve, double value) {
  if (comparison.unit != CompareUnit::Micrometres) return value;
  return ArealDensityToMicrometres(value, curve.density.value_or(0));
}

std::optional<double> ValueAt(const Comparison& comparison, const ComparedCurve& curve,
                              double energy) {
  const std::optional<double> value = OnCurve(curve, energy, IsRange(comparison.quantity));
  if (!value) return value;
  return InUnit(comparison, curve, *value);
}

std::vector<double> EnergyUnion(const Comparison& comparison) {
  std::vector<double> energies;
  for (const ComparedCurve& curve : comparison.curves) {
    std::vector<double> merged;
    std::set_union(energies.begin(), energies.end(), curve.energies.begin(), curve.energies.end(),
                   std::back_inserter(merged));
    energies = std::move(merged);
  }
  return energies;
}

Report ComparisonReport(const Comparison& comparison) {
  Report report{.about = {{"quantity", QuantityText(comparison.quantity)},
                          {"unit", UnitText(comparison.unit)}},
                .columns = {{"energy_MeV", "energy", "MeV"}},
                .rows = {}};
  std::set<std::string> keys{"energy_MeV"};
  for (const ComparedCurve& curve : comparison.curves) {
    std::string key = curve.name + "_" + UnitKey(comparison.unit);
    for (int n = 2; keys.contains(key); ++n)
      key = curve.name + "_" + std::to_string(n) + "_" + UnitKey(comparison.unit);
    keys.insert(key);
    report.columns.push_back({key, curve.title, UnitText(comparison.unit)});
  }
  for (double energy : EnergyUnion(comparison)) {
    ReportRow row{energy};
    for (const ComparedCurve& curve : comparison.curves)
      row.push_back(NumberOrEmpty(ValueAt(comparison, curve, energy)));
    report.rows.push_back(std::move(row));
  }
  return report;
}

// At an energy of a curve's own the value is its own; only the other curve's energies need
// the line between its points.
std::vector<DataPoint> DifferencePercent(const Comparison& comparison, std::size_t curve,
                                         std::size_t base) {
  const ComparedCurve& c = comparison.curves.at(curve);
  const ComparedCurve& b = comparison.curves.at(base);
  const double low = std::max(c.energies.front(), b.energies.front());
  const double high = std::min(c.energies.back(), b.energies.back());
  const auto at = [&](const ComparedCurve& of, double energy) -> std::optional<double> {
    const auto own = std::lower_bound(of.energies.begin(), of.energies.end(), energy);
    if (own != of.energies.end() && *own == energy)
      return InUnit(comparison, of, of.values[std::size_t(own - of.energies.begin())]);
    return ValueAt(comparison, of, energy);
  };
  std::vector<double> energies;
  std::set_union(c.energies.begin(), c.energies.end(), b.energies.begin(), b.energies.end(),
                 std::back_inserter(energies));
  std::vector<DataPoint> points;
  for (double energy : energies) {
    if (energy < low || energy > high) continue;
    const std::optional<double> v = at(c, energy), w = at(b, energy);
    if (v && w) points.push_back({energy, 100 * (*v / *w - 1)});
  }
  return points;
}

std::vector<CurveReadout> ReadoutAt(const Comparison& comparison, std::size_t base, double energy) {
  std::vector<CurveReadout> readouts;
  const ComparedCurve& b = comparison.curves.at(base);
  const std::optional<double> baseValue = ValueAt(comparison, b, energy);
  for (const ComparedCurve& curve : comparison.curves) {
    CurveReadout readout{curve.title, ValueAt(comparison, curve, energy), std::nullopt};
    if (readout.value && baseValue)
      readout.differencePercent = 100 * (*readout.value / *baseValue - 1);
    readouts.push_back(std::move(readout));
  }
  return readouts;
}

}  // namespace alphastop
