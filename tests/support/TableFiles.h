#pragma once
// Material data files made up for tests: a well-formed table whose lines can be altered,
// written into a temporary folder that is removed afterwards.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/data/MaterialTable.h"

namespace alphastop::testing {

// The lines of a valid file: 10 header lines, then 122 rows of seven numbers whose
// energies run from 1e-3 MeV by a factor of step per row (to 2.6 GeV for 1.13).
inline std::vector<std::string> ValidTableLines(const std::string& title = "TEST MATERIAL", double step = 1.13) {
  std::vector<std::string> lines = {"Made-up table for tests", title, "Density 1.000E+00 g/cm3",
                                    "composition", "1: 1.000000", "", "Kinetic   Electron.",
                                    "energy    stopping", "MeV       MeV cm2/g", ""};
  for (int r = 1; r <= 122; ++r) {
    const double energy = 1e-3 * std::pow(step, r - 1);
    const double electronic = 100.0 + r, nuclear = 1.0 / r, total = electronic + nuclear;
    char row[160];
    std::snprintf(row, sizeof row, "%.3E %.3E %.3E %.3E %.3E %.3E %.3E", energy, electronic,
                  nuclear, total, 1e-3 * r, 0.9e-3 * r, 0.9);
    lines.emplace_back(row);
  }
  return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + lineEnd;
  return text;
}

// Where two tables differ: "title", "row N", or "" where they hold the same title and numbers
// (and row texts, unless withTexts is false).
inline std::string TableDifference(const MaterialTable& a, const MaterialTable& b, bool withTexts = true) {
  if (a.MaterialTitle != b.MaterialTitle) return "title";
  for (int r = 1; r <= RowCount; ++r) {
    const TableRow& x = a.rows[static_cast<std::size_t>(r - 1)];
    const TableRow& y = b.rows[static_cast<std::size_t>(r - 1)];
    if (x.energy != y.energy || x.stopPower != y.stopPower || x.range != y.range || (withTexts && x.text != y.text))
      return "row " + std::to_string(r);
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

}  // namespace alphastop::testing
