#include "core/units/NumberAndUnit.h"

#include <algorithm>
#include <string>

#include "core/data/NumberField.h"
#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"

namespace alphastop {

Checked<NumberAndUnit> ReadNumberAndUnit(std::string_view text) {
  const std::string_view trimmed = TrimSpace(text);
  if (trimmed.empty()) return Refusal{QuotedText(text) + ": no number is given"};
  const std::size_t length = NumberLength(trimmed);
  const std::string_view unit = TrimSpace(trimmed.substr(length));
  constexpr std::string_view NumberCharacters = "0123456789.,+-";
  if (length == 0 ||
      (!unit.empty() && NumberCharacters.find(unit.front()) != std::string_view::npos))
    return Refusal{QuotedText(text) + ": not a number"};
  const auto number = ParseNumberField(trimmed.substr(0, length));
  if (!std::holds_alternative<double>(number))
    return Refusal{QuotedText(text) + ": the number is out of range"};
  return NumberAndUnit{std::get<double>(number), unit};
}

bool SameUnitName(std::string_view typed, std::string_view name, bool anyCase) {
  const auto lower = [](char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; };
  return anyCase ? std::ranges::equal(typed, name, {}, lower, lower) : typed == name;
}

}  // namespace alphastop
