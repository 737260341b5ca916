#pragma once
// A small reader of the reference tables (for comparisons only) and the material each one
// describes: density, mean excitation energy and composition from lines 3 to 5.

#include "core/materials/Material.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace alphastop::testing {

struct ReferenceTable {
  std::string fileName;               // e.g. "Water_liquid.asc"
  std::string title;                  // line 2
  double density = 0.0;               // g/cm3
  double meanExcitationEnergy = 0.0;  // eV
  std::vector<tables::ElementFraction> composition;
  std::vector<std::array<double, 7>> rows;  // energy, Se, Sn, S, CSDA, projected, detour
};

inline std::string WithoutCarriageReturn(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// Reads a table file; nullopt when it is not one (fewer than 132 lines, unreadable header).
inline std::optional<ReferenceTable> ReadReferenceTable(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::istringstream> lines;
  for (std::string line; std::getline(in, line);) {
    if (lines.size() == 4)
      std::replace(line.begin(), line.end(), ':', ' ');  // "1: 0.111894  8: 0.888106"
    lines.emplace_back(WithoutCarriageReturn(line)).imbue(std::locale::classic());
  }
  if (lines.size() < 132) return std::nullopt;
  ReferenceTable table;
  table.fileName = path.filename().string();
  table.title = lines[1].str();
  // "Density <d> g/cm3 Mean excitation energy <I> eV"
  std::vector<std::string> words{std::istream_iterator<std::string>(lines[2]), {}};
  if (words.size() < 8) return std::nullopt;
  table.density = std::stod(words[1]);
  table.meanExcitationEnergy = std::stod(words[words.size() - 2]);
  int z = 0;
  for (double weight = 0.0; lines[4] >> z >> weight;) table.composition.push_back({z, weight});
  for (std::size_t i = 10; i < 132; ++i)
    for (double& v : table.rows.emplace_back())
      if (!(lines[i] >> v)) return std::nullopt;
  return table;
}

// The material a reference table describes; below 0.01 g/cm3 it is taken to be a gas.
inline tables::Material MaterialOfReference(const ReferenceTable& reference) {
  tables::Material material;
  material.name = reference.title;
  material.fileName = reference.fileName;
  material.phase = reference.density < 0.01 ? tables::Phase::Gas : tables::Phase::Condensed;
  material.density = reference.density;
  material.meanExcitationEnergy = reference.meanExcitationEnergy;
  material.composition = reference.composition;
  material.amorphous = reference.title.find("AMORPHOUS") != std::string::npos;
  double sum = 0.0;
  for (const auto& part : material.composition) sum += part.weight;
  for (auto& part : material.composition) part.weight /= sum;
  return material;
}

// The reference files under `dir` (as/*.as, then asc/*.asc), each folder sorted by name.
inline std::vector<std::filesystem::path> ReferenceFiles(const std::filesystem::path& dir) {
  std::vector<std::filesystem::path> files;
  for (const std::string folder : {"as", "asc"})
    if (std::filesystem::is_directory(dir / folder))
      for (const auto& entry : std::filesystem::directory_iterator(dir / folder))
        if (entry.path().extension() == "." + folder) files.push_back(entry.path());
  std::sort(files.begin(), files.end());  // ".../as/" sorts before ".../asc/"
  return files;
}

}  // namespace alphastop::testing
