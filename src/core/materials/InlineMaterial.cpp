#include "core/materials/InlineMaterial.h"

#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"

#include <set>
#include <string>

namespace alphastop::tables {
namespace {

struct CompositionKey {
  std::string_view key;
  CompositionForm form;
};

constexpr CompositionKey CompositionKeys[] = {{"formula", CompositionForm::Formula},
                                              {"weights", CompositionForm::Weights},
                                              {"atoms", CompositionForm::Atoms}};

const CompositionKey* CompositionKeyNamed(std::string_view key) {
  for (const CompositionKey& known : CompositionKeys)
    if (known.key == key) return &known;
  return nullptr;
}

}  // namespace

bool IsInlineMaterial(std::string_view text) {
  const std::string_view trimmed = TrimSpace(text);
  const std::size_t equals = trimmed.find('=');
  return equals != std::string_view::npos && CompositionKeyNamed(trimmed.substr(0, equals));
}

Checked<MaterialInput> ParseInlineMaterial(std::string_view text) {
  const std::string quoted = QuotedText(text) + ": ";
  MaterialInput input;
  std::string* value = nullptr;  // what a piece without "=" continues
  std::set<std::string, std::less<>> given;
  std::string_view compositionKey;
  std::size_t start = 0;
  for (std::size_t end = 0; end <= text.size(); ++end) {
    if (end < text.size() && text[end] != ',') continue;
    const std::string_view raw = text.substr(start, end - start), piece = TrimSpace(raw);
    start = end + 1;
    const std::size_t equals = piece.find('=');
    if (equals == std::string_view::npos) {
      if (piece == "gas" || piece == "condensed") {
        if (!given.insert("gas or condensed").second)
          return Refusal{quoted + "the phase is given twice"};
        input.phase = piece == "gas" ? Phase::Gas : Phase::Condensed;
        value = nullptr;
      } else if (value) {
        *value += ",";
        *value += raw;
      } else {
        return Refusal{quoted + QuotedText(piece) + " follows no key"};
      }
      continue;
    }
    const std::string_view key = TrimSpace(piece.substr(0, equals));
    if (!given.insert(std::string(key)).second)
      return Refusal{quoted + std::string(key) + "= is given twice"};
    if (const CompositionKey* composition = CompositionKeyNamed(key)) {
      if (!compositionKey.empty())
        return Refusal{quoted + "give one composition, not both " + std::string(compositionKey) +
                       "= and " + std::string(key) + "="};
      compositionKey = composition->key;
      input.form = composition->form;
      value = &input.composition;
    } else if (key == "density") {
      value = &input.density;
    } else if (key == "ivalue") {
      value = &input.meanExcitationEnergy;
    } else if (key == "name") {
      value = &input.name;
    } else {
      return Refusal{quoted + "unknown key " + QuotedText(key) +
                     " (use formula, weights, atoms, density, ivalue, name, gas or condensed)"};
    }
    *value = std::string(piece.substr(equals + 1));
  }
  if (!given.count("name")) {
    const std::string_view composition = TrimSpace(input.composition);
    input.name = std::string(composition.empty() ? compositionKey : composition);
  }
  return input;
}

}  // namespace alphastop::tables
