#include "core/materials/Material.h"

#include "core/data/TextEncoding.h"
#include "core/materials/Elements.h"
#include "core/text/CharacterClass.h"

namespace alphastop::tables {

std::string MaterialTitle(const Material& material) {
  std::string title = material.name;
  for (char& c : title) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return title;
}

Checked<std::string> MaterialFileName(std::string_view name) {
  std::string stem;
  for (const char c : name) {
    if (IsUpper(c) || IsLower(c) || IsDigit(c) || c == '-')
      stem += c;
    else if (!stem.empty() && stem.back() != '_')
      stem += '_';
  }
  if (!stem.empty() && stem.back() == '_') stem.pop_back();
  if (stem.empty())
    return Refusal{"name " + QuotedText(name) + ": no letter or digit to name its file by"};
  return stem + ".asc";
}

double ElectronsPerMass(const Material& material) {
  double sum = 0.0;
  for (const ElementFraction& part : material.composition) {
    sum += part.weight * part.z / AtomicWeight(part.z);
  }
  return sum;
}

}  // namespace alphastop::tables
