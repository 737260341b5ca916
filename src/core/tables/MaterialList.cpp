#include "core/tables/MaterialList.h"

#include "core/tables/Elements.h"
#include "core/text/CharacterClass.h"

#include <charconv>
#include <cmath>
#include <set>
#include <stdexcept>

namespace alphastop::tables {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == separator) {
      parts.push_back(Trim(s.substr(start, i - start)));
      start = i + 1;
    }
  }
  return parts;
}

template <typename T>
std::optional<T> ParseNumber(std::string_view s) {
  T value{};
  const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
  if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

Material ParseLine(std::string_view line) {
  const auto fields = Split(line, '|');
  if (fields.size() != 6) throw std::invalid_argument("expected 6 fields separated by '|'");
  Material material;
  material.name = std::string(fields[0]);
  material.fileName = std::string(fields[1]);
  if (fields[2] == "gas") material.phase = Phase::Gas;
  else if (fields[2] == "condensed") material.phase = Phase::Condensed;
  else if (fields[2] == "amorphous") material.amorphous = true;
  else throw std::invalid_argument("phase must be gas, condensed or amorphous");
  const auto density = ParseNumber<double>(fields[3]);
  const auto ivalue = ParseNumber<double>(fields[4]);
  if (!density || !ivalue) throw std::invalid_argument("density or I-value is not a number");
  material.density = *density;
  material.meanExcitationEnergy = *ivalue;
  for (std::string_view pair : Split(fields[5], ' ')) {
    if (pair.empty()) continue;
    const auto colon = pair.find(':');
    if (colon == std::string_view::npos) throw std::invalid_argument("expected Z:fraction");
    const auto z = ParseNumber<int>(pair.substr(0, colon));
    const auto weight = ParseNumber<double>(pair.substr(colon + 1));
    if (!z || !weight) throw std::invalid_argument("expected Z:fraction");
    material.composition.push_back({*z, *weight});
  }
  return material;
}

}  // namespace

std::optional<std::string> ValidateMaterial(Material& material) {
  if (!(material.density > 0.0) || material.density > 30.0) {
    return "density must be above 0 and at most 30 g/cm3";
  }
  if (!(material.meanExcitationEnergy >= 10.0) || material.meanExcitationEnergy > 2000.0) {
    return "mean excitation energy must lie between 10 and 2000 eV";
  }
  if (material.composition.empty()) return "composition is empty";
  std::set<int> seen;
  double sum = 0.0;
  for (const ElementFraction& part : material.composition) {
    if (part.z < 1 || part.z > MaxAtomicNumber) {
      return "unknown element Z = " + std::to_string(part.z);
    }
    if (!seen.insert(part.z).second) return "element Z = " + std::to_string(part.z) + " given twice";
    if (!(part.weight > 0.0)) return "fractions by weight must be above 0";
    sum += part.weight;
  }
  if (std::abs(sum - 1.0) > 1e-3) {
    return "fractions by weight add up to " + std::to_string(sum) + ", not 1";
  }
  for (ElementFraction& part : material.composition) part.weight /= sum;
  return std::nullopt;
}

std::vector<Material> ParseMaterialList(std::string_view text) {
  std::vector<Material> materials;
  int lineNumber = 0;
  for (std::string_view line : Split(text, '\n')) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    try {
      Material material = ParseLine(line);
      if (const auto error = ValidateMaterial(material)) throw std::invalid_argument(*error);
      materials.push_back(std::move(material));
    } catch (const std::invalid_argument& e) {
      throw std::invalid_argument("materials line " + std::to_string(lineNumber) + ": " + e.what());
    }
  }
  return materials;
}

std::vector<Material> ShippedMaterials() { return ParseMaterialList(ShippedMaterialsText()); }

}  // namespace alphastop::tables
