#pragma once
// Results as a table of named columns, written the same way wherever they leave the
// program: aligned text for people, CSV and JSON for programs, tab-separated text for a
// spreadsheet's paste.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace alphastop {

struct ReportColumn {
  std::string key;      // the machine name, with the unit in it: "energy_MeV"
  std::string heading;  // for people: "energy"
  std::string unit;     // for people: "MeV"; empty where the column has none
  // Numbers in µm that the text format shows each in a unit that fits (FormatLength:
  // "27.83 µm", "33.75 mm"), under a heading without unit; the other formats keep µm.
  bool length = false;
};

// A cell holds nothing (a value that does not apply, such as a length without a density),
// a number, a count (a layer's place in its stack), or a text.
using ReportCell = std::variant<std::monostate, double, long, std::string>;
using ReportRow = std::vector<ReportCell>;

// A number where there is one, else an empty cell.
inline ReportCell NumberOrEmpty(const std::optional<double>& value) {
  if (value) return *value;
  return std::monostate{};
}

struct Report {
  // Facts about all rows (the material, its density), as key and value. JSON carries them
  // beside the rows, text above them; CSV and tab-separated text leave them out.
  std::vector<std::pair<std::string, ReportCell>> about;
  std::vector<ReportColumn> columns;
  std::vector<ReportRow> rows;  // each as long as columns
};

enum class ReportFormat {
  Text,  // headings and units over columns aligned with blanks; numbers as 1.234E+05
  Csv,   // one header line of keys, then the rows; numbers in full precision
  Json,  // an object of the facts and "rows", an array of objects keyed by column
  Tsv,   // one line of headings with units, then the rows, tab-separated; full precision
};

// "text", "csv" or "json"; nullopt for any other name.
std::optional<ReportFormat> ReportFormatNamed(std::string_view name);

// The whole report in that format, ending in a line end. Numbers never depend on the
// locale; full precision is FormatFullPrecision's. An empty cell is empty in CSV and
// tab-separated text and null in JSON.
std::string WriteReport(const Report& report, ReportFormat format);

}  // namespace alphastop
