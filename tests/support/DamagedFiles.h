#pragma once
// The damaged data files of tests/data/damaged and what reading each must give, as listed
// in its expected.tsv.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace alphastop::testing {

struct DamagedCase {
  std::string file;    // name in the folder
  bool readable = false;
  int line = 0;        // the line the warning names, where not readable
  std::string detail;  // a piece of the warning, or the title of a readable file
};

inline std::filesystem::path DamagedFolder() {
  return std::filesystem::path(ALPHASTOP_SOURCE_DIR) / "tests" / "data" / "damaged";
}

inline std::vector<DamagedCase> DamagedCases() {
  const auto manifest = DamagedFolder() / "expected.tsv";
  std::ifstream in(manifest);
  if (!in) throw std::runtime_error("cannot open " + manifest.string());
  std::vector<DamagedCase> cases;
  for (std::string row, outcome; std::getline(in, row);) {
    if (row.empty() || row[0] == '#') continue;
    std::istringstream fields(row);
    DamagedCase& c = cases.emplace_back();
    if (!std::getline(fields, c.file, '\t') || !std::getline(fields, outcome, '\t') || !std::getline(fields, c.detail))
      throw std::runtime_error("malformed row in " + manifest.string() + ": " + row);
    c.readable = outcome == "ok";
    c.line = c.readable ? 0 : std::stoi(outcome);
  }
  return cases;
}

}  // namespace alphastop::testing
