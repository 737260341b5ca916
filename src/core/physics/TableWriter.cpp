#include "core/physics/TableWriter.h"

#include "core/physics/TableUncertainty.h"

#include <charconv>
#include <fstream>
#include <stdexcept>

namespace alphastop::tables {
namespace {

std::string FormatFixed(double value, int decimals) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string FormatStoppingRow(const StoppingRow& row) {
  const double values[] = {row.energy,    row.electronic,     row.nuclear,     row.total,
                           row.csdaRange, row.projectedRange, row.detourFactor};
  std::string line;
  for (double v : values) {
    if (!line.empty()) line += ' ';
    line += FormatScientific(v);
  }
  return line;
}

std::vector<std::string> FormatTableHeader(const Material& material) {
  std::string composition;
  for (const ElementFraction& part : material.composition) {
    if (!composition.empty()) composition += "  ";
    composition += std::to_string(part.z) + ": " + FormatFixed(part.weight, 6);
  }
  const char* phase = material.phase == Phase::Gas ? "gas" : "condensed";
  return {"Stopping powers and ranges of helium ions " + std::string(ModelLineMark) +
              " (not a reference table)",
          MaterialTitle(material),
          "Density " + FormatScientific(material.density) + " g/cm3    Mean excitation energy " +
              FormatFixed(material.meanExcitationEnergy, 1) + " eV    Phase " + phase,
          "Composition, atomic number: fraction by weight",
          composition,
          FormatUncertaintyLine(UncertaintyOf(material)),
          "Kinetic   Electron. Nuclear   Total     CSDA      Projected Detour",
          "energy    stopping  stopping  stopping  range     range     factor",
          "MeV       MeV cm2/g MeV cm2/g MeV cm2/g g/cm2     g/cm2",
          ""};
}

std::string FormatStoppingTable(const Material& material, const StoppingTable& table) {
  std::string text;
  for (const std::string& line : FormatTableHeader(material)) text += line + "\n";
  for (const StoppingRow& row : table) text += FormatStoppingRow(row) + "\n";
  return text;
}

void WriteStoppingTable(const std::filesystem::path& path, const Material& material,
                        const StoppingTable& table) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + path.string());
  out << FormatStoppingTable(material, table);
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace alphastop::tables
