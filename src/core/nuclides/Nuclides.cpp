#include "core/nuclides/Nuclides.h"

#include <optional>

#include "core/data/NumberField.h"
#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"
#include "core/units/QuantityText.h"

namespace alphastop {
namespace {

constexpr char Upper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char Lower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr bool IsLetter(char c) { return IsUpper(c) || IsLower(c); }

// "Am-241" for any accepted spelling of it, or nullopt where text has not the form.
std::optional<std::string> CanonicalName(std::string_view text) {
  text = TrimSpace(text);
  std::size_t letters = 0;
  while (letters < text.size() && IsLetter(text[letters])) ++letters;
  std::string_view rest = text.substr(letters);
  if (!rest.empty() && (rest.front() == '-' || IsBlank(rest.front()))) rest.remove_prefix(1);
  std::size_t digits = 0;
  while (digits < rest.size() && IsDigit(rest[digits])) ++digits;
  if (letters < 1 || letters > 2 || digits < 1 || digits > 3 || digits != rest.size())
    return std::nullopt;
  while (rest.size() > 1 && rest.front() == '0') rest.remove_prefix(1);
  std::string name(1, Upper(text[0]));
  if (letters == 2) name += Lower(text[1]);
  return name + "-" + std::string(rest);
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (true) {
    while (!line.empty() && IsSpace(line.front())) line.remove_prefix(1);
    if (line.empty()) return fields;
    std::size_t end = 0;
    while (end < line.size() && !IsSpace(line[end])) ++end;
    fields.push_back(line.substr(0, end));
    line.remove_prefix(end);
  }
}

std::optional<double> NumberIn(std::string_view field, double low, double high) {
  const auto number = ParseNumberField(field);
  const double* value = std::get_if<double>(&number);
  if (!value || !(*value > low && *value <= high)) return std::nullopt;
  return *value;
}

// One line of the file into nuclides, or the reason it cannot be.
std::optional<std::string> TakeLine(std::string_view line, std::vector<Nuclide>& nuclides) {
  const auto fields = Fields(line);
  if (fields.size() != 3) return "not three fields (nuclide, energy in keV, intensity in %)";
  const auto name = CanonicalName(fields[0]);
  if (!name || *name != fields[0]) return "the nuclide is not written as Am-241 is";
  const auto energy = NumberIn(fields[1], 0, 1e5);
  if (!energy) return "the energy is not a number of keV above zero";
  const auto intensity = NumberIn(fields[2], 0, 100);
  if (!intensity) return "the intensity is not a number above 0 and at most 100";

  if (nuclides.empty() || nuclides.back().name != *name) {
    for (const Nuclide& earlier : nuclides)
      if (earlier.name == *name) return *name + " is listed again, apart from its other lines";
    nuclides.push_back({*name, {}});
  } else if (*intensity > nuclides.back().lines.back().intensityPercent) {
    return *name + "'s lines are not listed strongest first";
  }
  nuclides.back().lines.push_back({*energy, *intensity});
  return std::nullopt;
}

}  // namespace

Checked<std::vector<Nuclide>> ParseNuclideList(std::string_view text) {
  std::vector<Nuclide> nuclides;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ++number;
    const std::string_view content = TrimSpace(line);
    if (content.empty() || content.front() == '#') continue;
    if (auto why = TakeLine(content, nuclides))
      return Refusal{"line " + std::to_string(number) + ": " + *why};
  }
  if (nuclides.empty()) return Refusal{"the list names no nuclide"};
  return nuclides;
}

const std::vector<Nuclide>& ShippedNuclides() {
  // The shipped text is checked by the tests; were it unreadable the list is empty and
  // every nuclide name is refused as unknown.
  static const std::vector<Nuclide> nuclides = [] {
    auto parsed = ParseNuclideList(ShippedNuclidesText());
    auto* list = std::get_if<std::vector<Nuclide>>(&parsed);
    return list ? std::move(*list) : std::vector<Nuclide>{};
  }();
  return nuclides;
}

bool LooksLikeNuclide(std::string_view text) { return CanonicalName(text).has_value(); }

Checked<Nuclide> FindNuclide(std::string_view text) {
  const auto name = CanonicalName(text);
  if (!name) return Refusal{QuotedText(text) + ": not a nuclide name (write it as Am-241)"};
  for (const Nuclide& nuclide : ShippedNuclides())
    if (nuclide.name == *name) return nuclide;
  return Refusal{QuotedText(text) + ": unknown nuclide (not among the " +
                 std::to_string(ShippedNuclides().size()) + " alpha emitters listed)"};
}

Checked<double> ParseEnergyOrNuclide(std::string_view text) {
  if (!LooksLikeNuclide(text)) {
    Checked<double> energy = ParseEnergy(text);
    // A word where a number should be is most likely a nuclide half typed or misspelt.
    const std::string_view trimmed = TrimSpace(text);
    if (Refused(energy) && !trimmed.empty() && IsLetter(trimmed.front()))
      return Refusal{QuotedText(text) +
                     ": neither an energy nor a nuclide (e.g. 5.5, 800keV, Am-241)"};
    return energy;
  }
  const auto nuclide = FindNuclide(text);
  if (const auto* no = std::get_if<Refusal>(&nuclide)) return *no;
  return std::get<Nuclide>(nuclide).PrincipalLine().energyKeV / 1000;
}

}  // namespace alphastop
