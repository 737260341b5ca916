#include "core/materials/MaterialList.h"

#include "core/data/NumberField.h"
#include "core/materials/Elements.h"
#include "core/materials/MaterialInput.h"
#include "core/text/CharacterClass.h"
#include "core/text/NumberFormat.h"

#include <cmath>
#include <set>
#include <stdexcept>

namespace alphastop::tables {
namespace {

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == separator) {
      parts.push_back(TrimSpace(s.substr(start, i - start)));
      start = i + 1;
    }
  }
  return parts;
}

double Number(std::string_view field) {
  const auto number = ParseNumberField(field);
  if (const auto* why = std::get_if<std::string>(&number)) throw std::invalid_argument(*why);
  return std::get<double>(number);
}

Material ParseLine(std::string_view line) {
  const auto fields = Split(line, '|');
  if (fields.size() != 6 && fields.size() != 7)
    throw std::invalid_argument("expected 6 or 7 fields separated by '|'");
  Material material;
  material.name = std::string(fields[0]);
  material.fileName = std::string(fields[1]);
  if (fields[2] == "gas")
    material.phase = Phase::Gas;
  else if (fields[2] == "condensed")
    material.phase = Phase::Condensed;
  else if (fields[2] == "amorphous")
    material.amorphous = true;
  else
    throw std::invalid_argument("phase must be gas, condensed or amorphous");
  material.density = Number(fields[3]);
  material.meanExcitationEnergy = Number(fields[4]);
  auto composition = ParseComposition(fields[5], CompositionForm::Weights);
  if (const auto* no = std::get_if<Refusal>(&composition)) throw std::invalid_argument(no->message);
  material.composition = std::get<std::vector<ElementFraction>>(std::move(composition));
  constexpr std::string_view FitKey = "fit=";
  if (fields.size() == 7 && !fields[6].starts_with(FitKey))
    throw std::invalid_argument("the last field must be fit=<molecule>");
  material.moleculeFit =
      fields.size() == 7 ? std::string(TrimSpace(fields[6].substr(FitKey.size()))) : "";
  return material;
}

}  // namespace

bool UsableDensity(double density) { return density > 0.0 && density <= 30.0; }

bool UsableMeanExcitationEnergy(double ivalue) { return ivalue >= 10.0 && ivalue <= 2000.0; }

std::optional<std::string> CheckComposition(std::vector<ElementFraction>& composition) {
  if (composition.empty()) return "no element is given";
  std::set<int> seen;
  double sum = 0.0;
  for (const ElementFraction& part : composition) {
    if (part.z < 1 || part.z > MaxAtomicNumber) {
      return "atomic number " + std::to_string(part.z) + " lies outside 1 to " +
             std::to_string(MaxAtomicNumber);
    }
    if (!seen.insert(part.z).second)
      return std::string(ElementSymbol(part.z)) + " (Z = " + std::to_string(part.z) +
             ") is given twice";
    if (!(part.weight > 0.0)) return "fractions by weight must be above 0";
    sum += part.weight;
  }
  if (!(std::abs(sum - 1.0) <= 1e-3))
    return "fractions by weight sum to " + FormatFullPrecision(sum) + ", not 1";
  for (ElementFraction& part : composition) part.weight /= sum;
  return std::nullopt;
}

std::optional<std::string> ValidateMaterial(Material& material) {
  if (!UsableDensity(material.density)) return "density must be above 0 and at most 30 g/cm3";
  if (!UsableMeanExcitationEnergy(material.meanExcitationEnergy))
    return "mean excitation energy must lie between 10 and 2000 eV";
  return CheckComposition(material.composition);
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
