#pragma once
// Tables made up for tests: in memory, so that lookup and graph tests know every value they
// read; as the lines of a well-formed file, which can be altered and written into a temporary
// folder that is removed afterwards; and the damaged files of tests/data/damaged with what
// reading each must give, as listed in its expected.tsv.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/data/MaterialTable.h"

namespace alphastop::testing {

// The lines of a valid file: 10 header lines, then 122 rows of seven numbers whose
// energies run from 1e-3 MeV by a factor of step per row (to 2.6 GeV for 1.13).
inline std::vector<std::string> ValidTableLines(const std::string& title = "TEST MATERIAL",
                                                double step = 1.13) {
  std::vector<std::string> lines = {"Made-up table for tests",
                                    title,
                                    "Density 1.000E+00 g/cm3",
                                    "composition",
                                    "1: 1.000000",
                                    "",
                                    "Kinetic   Electron.",
                                    "energy    stopping",
                                    "MeV       MeV cm2/g",
                                    ""};
  for (int r = 1; r <= 122; ++r) {
    char row[160];
    std::snprintf(row, sizeof row, "%.3E %.3E %.3E %.3E %.3E %.3E %.3E",
                  1e-3 * std::pow(step, r - 1), 100.0 + r, 1.0 / r, 100.0 + r + 1.0 / r, 1e-3 * r,
                  0.9e-3 * r, 0.9);
    lines.emplace_back(row);
  }
  return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines,
                             const std::string& lineEnd = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + lineEnd;
  return text;
}

// Where two tables differ: "title", "row N", or "" where they hold the same title and numbers
// (and row texts, unless withTexts is false).
inline std::string TableDifference(const MaterialTable& a, const MaterialTable& b,
                                   bool withTexts = true) {
  if (a.MaterialTitle != b.MaterialTitle) return "title";
  for (std::size_t i = 0; i < a.rows.size(); ++i) {
    const TableRow &x = a.rows[i], &y = b.rows[i];
    if (x.energy != y.energy || x.stopPower != y.stopPower || x.range != y.range ||
        (withTexts && x.text != y.text))
      return "row " + std::to_string(i + 1);
  }
  return "";
}

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/alphastop-test-XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes bytes to a file below the folder (creating subfolders) and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    const auto file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

// 122 rows whose energies climb geometrically from firstEnergy to lastEnergy (MeV). The
// stopping powers differ between the columns and have at most four significant digits, so
// that a readout of them is never a rounding tie.
inline MaterialTable GeometricTable(double firstEnergy, double lastEnergy) {
  MaterialTable table;
  for (int r = 1; r <= RowCount; ++r)
    table.rows[std::size_t(r - 1)] = {
        firstEnergy * std::pow(lastEnergy / firstEnergy, (r - 1) / double(RowCount - 1)),
        {100.0 + r, 0.01 * r, 1000.0 - r},
        {},
        {}};
  return table;
}

// A table whose electronic stopping power climbs past the top of the frame and whose
// nuclear stopping power falls below its bottom.
inline std::string OffScaleTableText() {
  std::vector<std::string> lines = ValidTableLines("OFF SCALE");
  for (int r = 1; r <= 122; ++r) {
    const double electronic = 1e3 * std::pow(1.06, r);
    char row[160];
    std::snprintf(row, sizeof row, "%.3E %.3E %.3E %.3E 1 1 1", 1e-3 * std::pow(1.13, r - 1),
                  electronic, 1e-2 * std::pow(0.9, r), electronic / 5);
    lines[9 + r] = row;
  }
  return JoinLines(lines);
}

struct DamagedCase {
  std::string file;  // name in the folder
  bool readable = false;
  int line = 0;        // the line the warning names, where not readable
  std::string detail;  // a piece of the warning, or the title of a readable file
};

inline std::filesystem::path DamagedFolder() {
  return std::filesystem::path(ALPHASTOP_SOURCE_DIR) / "tests/data/damaged";
}

inline std::vector<DamagedCase> DamagedCases() {
  std::ifstream in(DamagedFolder() / "expected.tsv");
  if (!in) throw std::runtime_error("cannot open expected.tsv");
  std::vector<DamagedCase> cases;
  for (std::string row, outcome; std::getline(in, row);) {
    if (row.empty() || row[0] == '#') continue;
    std::istringstream fields(row);
    DamagedCase& c = cases.emplace_back();
    if (!std::getline(fields, c.file, '\t') || !std::getline(fields, outcome, '\t') ||
        !std::getline(fields, c.detail))
      throw std::runtime_error("malformed row in expected.tsv: " + row);
    c.readable = outcome == "ok";
    c.line = c.readable ? 0 : std::stoi(outcome);
  }
  return cases;
}

}  // namespace alphastop::testing
