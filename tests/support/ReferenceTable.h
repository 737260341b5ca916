#pragma once
// A small reader of the reference tables (for comparisons only) and the material each one
// describes: density, mean excitation energy and composition from lines 3 to 5.

#include "core/tables/Material.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace alphastop::testing {

struct ReferenceTable {
  std::string fileName;                    // e.g. "Water_liquid.asc"
  std::string title;                       // line 2
  double density = 0.0;                    // g/cm3
  double meanExcitationEnergy = 0.0;       // eV
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
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(WithoutCarriageReturn(line));
  if (lines.size() < 132) return std::nullopt;

  ReferenceTable table;
  table.fileName = path.filename().string();
  table.title = lines[1];
  {
    std::istringstream header(lines[2]);
    header.imbue(std::locale::classic());
    std::string word;
    std::vector<std::string> words;
    while (header >> word) words.push_back(word);
    // "Density <d> g/cm3 Mean excitation energy <I> eV"
    if (words.size() < 8) return std::nullopt;
    table.density = std::stod(words[1]);
    table.meanExcitationEnergy = std::stod(words[words.size() - 2]);
  }
  {
    std::string composition = lines[4];
    std::replace(composition.begin(), composition.end(), ':', ' ');
    std::istringstream parts(composition);
    parts.imbue(std::locale::classic());
    int z = 0;
    double weight = 0.0;
    while (parts >> z >> weight) table.composition.push_back({z, weight});
  }
  for (std::size_t i = 10; i < 132; ++i) {
    std::istringstream row(lines[i]);
    row.imbue(std::locale::classic());
    std::array<double, 7> values{};
    for (double& v : values) {
      if (!(row >> v)) return std::nullopt;
    }
    table.rows.push_back(values);
  }
  return table;
}

// The material a reference table describes; below 0.01 g/cm3 it is taken to be a gas.
inline tables::Material MaterialOfReference(const ReferenceTable& reference) {
  tables::Material material;
  material.name = reference.title;
  material.fileName = reference.fileName;
  material.density = reference.density;
  material.meanExcitationEnergy = reference.meanExcitationEnergy;
  material.phase = reference.density < 0.01 ? tables::Phase::Gas : tables::Phase::Condensed;
  material.amorphous = reference.title.find("AMORPHOUS") != std::string::npos;
  material.composition = reference.composition;
  double sum = 0.0;
  for (const auto& part : material.composition) sum += part.weight;
  for (auto& part : material.composition) part.weight /= sum;
  return material;
}

// The reference files under `dir` (as/*.as, then asc/*.asc), each folder sorted by name.
inline std::vector<std::filesystem::path> ReferenceFiles(const std::filesystem::path& dir) {
  std::vector<std::filesystem::path> files;
  for (const char* folder : {"as", "asc"}) {
    std::vector<std::filesystem::path> inFolder;
    if (!std::filesystem::is_directory(dir / folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(dir / folder)) {
      if (entry.path().extension() == std::string(".") + folder) inFolder.push_back(entry.path());
    }
    std::sort(inFolder.begin(), inFolder.end());
    files.insert(files.end(), inFolder.begin(), inFolder.end());
  }
  return files;
}

}  // namespace alphastop::testing
