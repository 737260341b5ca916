#include "core/import/TableCurves.h"

#include <algorithm>
#include <cmath>

#include "core/data/FileRefusal.h"
#include "core/lookup/LogLogLine.h"
#include "core/physics/RangeIntegration.h"
#include "core/text/NumberFormat.h"

namespace alphastop {
namespace {

constexpr std::string_view QuantityNames[QuantityCount] = {"electronic", "nuclear", "total", "csda",
                                                           "projected"};

// On the log-log line through the two points about energy: the first at or above it and
// the one before, so that below the first and above the last point the end lines extend.
double OnCurve(const std::vector<double>& energies, const std::vector<double>& values,
               double energy) {
  const auto above = std::lower_bound(energies.begin(), energies.end(), energy);
  const auto high = std::clamp<std::ptrdiff_t>(above - energies.begin(), 1,
                                               static_cast<std::ptrdiff_t>(energies.size()) - 1);
  const auto h = static_cast<std::size_t>(high);
  return LogLogLine(energy, energies[h - 1], values[h - 1], energies[h], values[h]);
}

// Completes the three stopping powers where two of them are given; false where fewer are,
// or where a difference is not above zero.
bool CompleteStoppingPowers(TableCurves& curves) {
  auto& e = curves.Of(Quantity::Electronic);
  auto& n = curves.Of(Quantity::Nuclear);
  auto& t = curves.Of(Quantity::Total);
  const std::size_t size = curves.energies.size();
  const auto fill = [&](std::vector<double>& missing, auto value) {
    missing.resize(size);
    for (std::size_t i = 0; i < size; ++i) missing[i] = value(i);
    return std::all_of(missing.begin(), missing.end(), [](double v) { return v > 0; });
  };
  if (t.empty() && !e.empty() && !n.empty()) return fill(t, [&](auto i) { return e[i] + n[i]; });
  if (e.empty() && !t.empty() && !n.empty()) return fill(e, [&](auto i) { return t[i] - n[i]; });
  if (n.empty() && !t.empty() && !e.empty()) return fill(n, [&](auto i) { return t[i] - e[i]; });
  return !e.empty() && !n.empty() && !t.empty();
}

std::vector<double> IntegratedCsdaRanges(const TableCurves& curves,
                                         const std::vector<double>& energies) {
  const auto& total = curves.Of(Quantity::Total);
  return tables::IntegrateRanges(
             [&](double energy) { return OnCurve(curves.energies, total, energy); },
             [](double) { return 0.0; }, energies)
      .csda;
}

// The energies of the table: the file's own 122, or 122 from its first to its last.
std::vector<double> TableEnergies(const std::vector<double>& given) {
  if (given.size() == static_cast<std::size_t>(RowCount)) return given;
  std::vector<double> energies(RowCount);
  const double first = given.front(), last = given.back();
  for (int r = 0; r < RowCount; ++r)
    energies[static_cast<std::size_t>(r)] =
        r == 0              ? first
        : r == RowCount - 1 ? last
                            : first * std::pow(last / first, r / double(RowCount - 1));
  return energies;
}

// Whether every number of the table is one a table may hold: finite, above zero, the
// energies ascending. Resampling or integrating a file at the ends of the doubles may not.
bool HoldsNumbers(const MaterialTable& table) {
  for (int r = 1; r <= RowCount; ++r) {
    const TableRow& row = table.rows[static_cast<std::size_t>(r - 1)];
    const auto good = [](double v) { return std::isfinite(v) && v > 0; };
    if (!good(row.energy) || (r > 1 && !(row.energy > table.Energy(r - 1))) ||
        !std::all_of(row.stopPower.begin(), row.stopPower.end(), good) ||
        !std::all_of(row.range.begin(), row.range.end(), good))
      return false;
  }
  return true;
}

std::string RowText(const TableRow& row) {
  std::string text = FormatScientific(row.energy);
  for (double v : row.stopPower) text += " " + FormatScientific(v);
  for (double v : row.range) text += " " + FormatScientific(v);
  return text.substr(0, RowTextLength);
}

}  // namespace

std::optional<Quantity> QuantityNamed(std::string_view name) {
  for (int q = 0; q < QuantityCount; ++q)
    if (QuantityNames[q] == name) return static_cast<Quantity>(q);
  return std::nullopt;
}

bool IsRange(Quantity quantity) {
  return quantity == Quantity::CsdaRange || quantity == Quantity::ProjectedRange;
}

std::string QuantityText(Quantity quantity) {
  switch (quantity) {
    case Quantity::Electronic:
      return "electronic stopping power";
    case Quantity::Nuclear:
      return "nuclear stopping power";
    case Quantity::Total:
      return "total stopping power";
    case Quantity::CsdaRange:
      return "CSDA range";
    case Quantity::ProjectedRange:
      return "projected range";
  }
  return {};
}

TableCurves CurvesOfTable(const MaterialTable& table, std::string name) {
  TableCurves curves{.name = std::move(name),
                     .path = {},
                     .title = table.MaterialTitle,
                     .density = table.density,
                     .energies = {},
                     .values = {}};
  for (int r = 1; r <= RowCount; ++r) {
    curves.energies.push_back(table.Energy(r));
    curves.Of(Quantity::Electronic).push_back(table.StopPower(r, Electronic));
    curves.Of(Quantity::Nuclear).push_back(table.StopPower(r, Nuclear));
    curves.Of(Quantity::Total).push_back(table.StopPower(r, Total));
    curves.Of(Quantity::CsdaRange).push_back(table.RangeData(r, CsdaRange));
    curves.Of(Quantity::ProjectedRange).push_back(table.RangeData(r, ProjectedRange));
  }
  return curves;
}

Checked<MaterialTable> TableOfCurves(const TableCurves& given, const std::string& path) {
  TableCurves curves = given;
  if (!CompleteStoppingPowers(curves))
    return FileRefusal(path, 0,
                       "it gives too few stopping powers for a table: two of the electronic, "
                       "nuclear and total are needed (it can still be compared)");
  if (!curves.Has(Quantity::ProjectedRange))
    return FileRefusal(path, 0,
                       "it gives no projected range, which a table needs (it can still be "
                       "compared)");
  if (!curves.Has(Quantity::CsdaRange))
    curves.Of(Quantity::CsdaRange) = IntegratedCsdaRanges(curves, curves.energies);

  MaterialTable table;
  table.MaterialTitle = curves.title;
  table.density = curves.density;
  const std::vector<double> energies = TableEnergies(curves.energies);
  const bool ownRows = energies.size() == curves.energies.size();
  for (std::size_t i = 0; i < energies.size(); ++i) {
    const auto value = [&](Quantity q) {
      return ownRows ? curves.Of(q)[i] : OnCurve(curves.energies, curves.Of(q), energies[i]);
    };
    TableRow& row = table.rows[i];
    row.energy = energies[i];
    row.stopPower = {value(Quantity::Electronic), value(Quantity::Nuclear), value(Quantity::Total)};
    row.range = {value(Quantity::CsdaRange), value(Quantity::ProjectedRange)};
    row.text = RowText(row);
  }
  if (!HoldsNumbers(table))
    return FileRefusal(path, 0,
                       "its energies or values lie too far apart or too close together for a "
                       "table of 122 rows");
  return table;
}

}  // namespace alphastop
