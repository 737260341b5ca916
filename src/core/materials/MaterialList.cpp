#include "core/materials/MaterialList.h"

#include "core/data/NumberField.h"
#include "core/materials/Elements.h"
#include "core/materials/MaterialInput.h"
#include "core/text/CharacterClass.h"
#include "core/text/NumberFormat.h"

#include <cmath>
#include <set>

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

Checked<Material> ParseLine(std::string_view line) {
  const auto fields = Split(line, '|');
  if (fields.size() != 6 && fields.size() != 7)
    return Refusal{"expected 6 or 7 fields separated by '|'"};
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
    return Refusal{"phase must be gas, condensed or amorphous"};
  for (auto [field, value] : {std::pair{fields[3], &material.density},
                              std::pair{fields[4], &material.meanExcitationEnergy}}) {
    const Checked<double> number = ParseNumberField(field);
    if (const Refusal* no = Refused(number)) return *no;
    *value = std::get<double>(number);
  }
  auto composition = ParseComposition(fields[5], CompositionForm::Weights);
  if (const Refusal* no = Refused(composition)) return *no;
  material.composition = std::get<std::vector<ElementFraction>>(std::move(composition));
  constexpr std::string_view FitKey = "fit=";
  if (fields.size() == 7 && !fields[6].starts_with(FitKey))
    return Refusal{"the last field must be fit=<molecule>"};
  material.moleculeFit =
      fields.size() == 7 ? std::string(TrimSpace(fields[6].substr(FitKey.size()))) : "";
  if (auto no = ValidateMaterial(material)) return *no;
  return material;
}

}  // namespace

bool UsableDensity(double density) { return density > 0.0 && density <= 30.0; }

bool UsableMeanExcitationEnergy(double ivalue) { return ivalue >= 10.0 && ivalue <= 2000.0; }

std::optional<Refusal> CheckComposition(std::vector<ElementFraction>& composition) {
  if (composition.empty()) return Refusal{"no element is given"};
  std::set<int> seen;
  double sum = 0.0;
  for (const ElementFraction& part : composition) {
    if (part.z < 1 || part.z > MaxAtomicNumber) {
      return Refusal{"atomic number " + std::to_string(part.z) + " lies outside 1 to " +
                     std::to_string(MaxAtomicNumber)};
    }
    if (!seen.insert(part.z).second)
      return Refusal{std::string(ElementSymbol(part.z)) + " (Z = " + std::to_string(part.z) +
                     ") is given twice"};
    if (!(part.weight > 0.0)) return Refusal{"fractions by weight must be above 0"};
    sum += part.weight;
  }
  if (!(std::abs(sum - 1.0) <= 1e-3))
    return Refusal{"fractions by weight sum to " + FormatFullPrecision(sum) + ", not 1"};
  for (ElementFraction& part : composition) part.weight /= sum;
  return std::nullopt;
}

std::optional<Refusal> ValidateMaterial(Material& material) {
  if (!UsableDensity(material.density))
    return Refusal{"density must be above 0 and at most 30 g/cm3"};
  if (!UsableMeanExcitationEnergy(material.meanExcitationEnergy))
    return Refusal{"mean excitation energy must lie between 10 and 2000 eV"};
  return CheckComposition(material.composition);
}

Checked<std::vector<Material>> ParseMaterialList(std::string_view text) {
  std::vector<Material> materials;
  int lineNumber = 0;
  for (std::string_view line : Split(text, '\n')) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    Checked<Material> material = ParseLine(line);
    if (const Refusal* no = Refused(material))
      return Refusal{"materials line " + std::to_string(lineNumber) + ": " + no->message};
    materials.push_back(std::get<Material>(std::move(material)));
  }
  return materials;
}

// The shipped list is checked by the tests; a fault in it is the build's, not the user's.
std::vector<Material> ShippedMaterials() {
  Checked<std::vector<Material>> materials = ParseMaterialList(ShippedMaterialsText());
  if (Refused(materials)) return {};
  return std::get<std::vector<Material>>(std::move(materials));
}

}  // namespace alphastop::tables
