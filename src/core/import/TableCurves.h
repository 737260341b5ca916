#pragma once
// A material's stopping powers and ranges against energy as its source gives them: the
// 122 rows of one of the program's tables, or the rows of an imported file (a CSV, SRIM's
// output) with whichever of the quantities it holds. Comparisons read these; where a
// table of 122 rows is needed, TableOfCurves makes one.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

enum class Quantity { Electronic, Nuclear, Total, CsdaRange, ProjectedRange };
inline constexpr int QuantityCount = 5;

// "electronic", "nuclear", "total", "csda" or "projected"; nullopt for any other text.
std::optional<Quantity> QuantityNamed(std::string_view name);
// The CSDA and projected ranges (g/cm2); the others are stopping powers (MeV cm2/g).
bool IsRange(Quantity quantity);
// For people: "total stopping power", "CSDA range".
std::string QuantityText(Quantity quantity);

struct TableCurves {
  std::string name;               // the material's name as LoadedMaterial gives it
  std::string path;               // the file read; empty for a material computed in memory
  std::string title;              // for a legend: the table's title, or the file's name
  std::optional<double> density;  // g/cm3, where the source states it
  std::vector<double> energies;   // MeV, above 0 and ascending; at least two
  // Per quantity, empty where the source gives none, else one value above 0 per energy:
  // stopping powers in MeV cm2/g, ranges in g/cm2.
  std::array<std::vector<double>, QuantityCount> values;

  bool Has(Quantity quantity) const { return !Of(quantity).empty(); }
  const std::vector<double>& Of(Quantity quantity) const {
    return values[static_cast<std::size_t>(quantity)];
  }
  std::vector<double>& Of(Quantity quantity) { return values[static_cast<std::size_t>(quantity)]; }
};

// The table's 122 rows, every quantity, with its title and density.
TableCurves CurvesOfTable(const MaterialTable& table, std::string name);

// A table of 122 rows from curves read from the file at path, for every use of a material:
// the file's own rows where it has 122, else 122 energies evenly spaced in ln E from its
// first energy to its last, each quantity on the log-log line through the file's two rows
// about it. The total stopping power is electronic + nuclear where not given, and one of
// the three is the total less the other where only it is missing; a CSDA range not given
// is integrated from 1/S of the total (below the first energy S on the line through the
// first two rows). Refused (unreadable, naming path) where the file gives too little: not
// two of the three stopping powers, or no projected range.
Checked<MaterialTable> TableOfCurves(const TableCurves& curves, const std::string& path);

}  // namespace alphastop
