#include "core/materials/MaterialInput.h"

#include "core/data/NumberField.h"
#include "core/data/TextEncoding.h"
#include "core/materials/ChemicalFormula.h"
#include "core/materials/Elements.h"
#include "core/materials/MaterialList.h"
#include "core/materials/MeanExcitation.h"
#include "core/text/CharacterClass.h"

#include <charconv>
#include <cmath>

namespace alphastop::tables {
namespace {

struct FormWords {
  std::string_view name;     // the key or option that gives it
  std::string_view example;  // for messages
};

// In the order of CompositionForm.
constexpr FormWords Forms[] = {{"formula", "a chemical formula (C10H8O4)"},
                               {"weights", "weights by atomic number (1:0.112,8:0.888)"},
                               {"atoms", "atoms by element symbol (H:2,O:1)"}};

const FormWords& WordsOf(CompositionForm form) { return Forms[static_cast<std::size_t>(form)]; }

std::vector<std::string_view> Pieces(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != ',' && !IsSpace(text[i])) continue;
    if (i > start) pieces.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return pieces;
}

std::optional<double> NumberAboveZero(std::string_view text) {
  const auto number = ParseNumberField(text);
  const double* value = std::get_if<double>(&number);
  if (!value || !(*value > 0.0)) return std::nullopt;
  return *value;
}

// The number of a field's text where usable accepts it; a refusal names the field.
Checked<double> NumberIn(std::string_view text, std::string_view field, bool (*usable)(double),
                         std::string_view must) {
  const std::string named = std::string(field) + " " + QuotedText(text);
  const auto number = ParseNumberField(text);
  const double* value = std::get_if<double>(&number);
  if (!value) return Refusal{named + ": not a number"};
  if (!usable(*value)) return Refusal{named + ": must " + std::string(must)};
  return *value;
}

// Z:fraction or Symbol:count pairs as fractions by weight, before CheckComposition.
Checked<std::vector<ElementFraction>> ReadPairs(std::string_view text, bool weights,
                                                const std::string& prefix) {
  std::vector<ElementFraction> parts;
  for (const std::string_view piece : Pieces(text)) {
    const std::size_t colon = piece.find(':');
    if (colon == std::string_view::npos)
      return Refusal{prefix + QuotedText(piece) +
                     (weights ? " is not Z:fraction" : " is not Symbol:count")};
    const std::string_view key = piece.substr(0, colon), amountText = piece.substr(colon + 1);
    int z = 0;
    if (weights) {
      const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), z);
      if (key.empty() || error != std::errc() || end != key.data() + key.size())
        return Refusal{prefix + QuotedText(key) + " is not an atomic number"};
    } else if (const auto symbol = AtomicNumberOfSymbol(key)) {
      z = *symbol;
    } else {
      return Refusal{prefix + "unknown element symbol " + QuotedText(key)};
    }
    const auto amount = NumberAboveZero(amountText);
    if (!amount)
      return Refusal{prefix + (weights ? "the fraction " : "the count ") + QuotedText(amountText) +
                     " of " + QuotedText(key) + " is not a number above zero"};
    parts.push_back({z, weights ? *amount : *amount * AtomicWeight(z)});
  }
  if (!weights) {
    double mass = 0.0;
    for (const ElementFraction& part : parts) mass += part.weight;
    if (!std::isfinite(mass)) return Refusal{prefix + "the counts are too large"};
    for (ElementFraction& part : parts) part.weight /= mass;
  }
  return parts;
}

}  // namespace

CompositionForm FormOfComposition(std::string_view text) {
  const std::string_view trimmed = TrimSpace(text);
  const std::size_t colon = trimmed.find(':');
  if (colon == std::string_view::npos) return CompositionForm::Formula;
  const bool symbol = colon > 0 && (IsUpper(trimmed[0]) || IsLower(trimmed[0]));
  return symbol ? CompositionForm::Atoms : CompositionForm::Weights;
}

Checked<std::vector<ElementFraction>> ParseComposition(std::string_view text,
                                                       std::optional<CompositionForm> form) {
  const std::string_view trimmed = TrimSpace(text);
  if (trimmed.empty())
    return Refusal{"the composition is empty: give " + std::string(Forms[0].example) + ", " +
                   std::string(Forms[1].example) + " or " + std::string(Forms[2].example)};
  const CompositionForm actual = FormOfComposition(trimmed);
  const std::string prefix =
      std::string(WordsOf(form.value_or(actual)).name) + " " + QuotedText(trimmed) + ": ";
  if (form && *form != actual) {
    return Refusal{prefix + "this is " + std::string(WordsOf(actual).example) + ", not " +
                   std::string(WordsOf(*form).example)};
  }

  std::vector<ElementFraction> composition;
  if (actual == CompositionForm::Formula) {
    auto formula = CompositionOfFormula(trimmed);
    if (const Refusal* no = Refused(formula)) return *no;
    composition = std::get<std::vector<ElementFraction>>(std::move(formula));
  } else {
    auto pairs = ReadPairs(trimmed, actual == CompositionForm::Weights, prefix);
    if (const auto* no = std::get_if<Refusal>(&pairs)) return *no;
    composition = std::get<std::vector<ElementFraction>>(std::move(pairs));
  }
  if (const auto no = CheckComposition(composition)) return Refusal{prefix + no->message};
  return composition;
}

CheckedMaterial ParseMaterialInput(const MaterialInput& input) {
  CheckedMaterial result;
  const auto fault = [&](MaterialField field, std::string message) {
    result.faults.push_back({field, std::move(message)});
  };
  Material material;
  material.phase = input.phase;

  material.name = std::string(TrimSpace(input.name));
  const auto fileName = MaterialFileName(material.name);
  if (material.name.empty())
    fault(MaterialField::Name, "the name is empty");
  else if (const auto* no = std::get_if<Refusal>(&fileName))
    fault(MaterialField::Name, no->message);
  else
    material.fileName = std::get<std::string>(fileName);

  auto composition = ParseComposition(input.composition, input.form);
  if (const auto* no = std::get_if<Refusal>(&composition)) {
    fault(MaterialField::Composition, no->message);
  } else {
    material.composition = std::get<std::vector<ElementFraction>>(std::move(composition));
    result.defaultMeanExcitationEnergy =
        DefaultMeanExcitationEnergy(material.composition, material.phase);
  }

  const auto take = [&](MaterialField field, Checked<double> number, double& into) {
    if (const auto* no = std::get_if<Refusal>(&number))
      fault(field, no->message);
    else
      into = std::get<double>(number);
  };
  const std::string_view density = TrimSpace(input.density);
  if (density.empty())
    fault(MaterialField::Density, "give the density in g/cm3");
  else
    take(MaterialField::Density,
         NumberIn(density, "density", UsableDensity, "be above 0 and at most 30 g/cm3"),
         material.density);

  const std::string_view ivalue = TrimSpace(input.meanExcitationEnergy);
  if (ivalue.empty())
    material.meanExcitationEnergy = result.defaultMeanExcitationEnergy.value_or(0.0);
  else
    take(MaterialField::MeanExcitationEnergy,
         NumberIn(ivalue, "mean excitation energy", UsableMeanExcitationEnergy,
                  "lie between 10 and 2000 eV"),
         material.meanExcitationEnergy);

  if (result.faults.empty()) result.material = std::move(material);
  return result;
}

}  // namespace alphastop::tables
