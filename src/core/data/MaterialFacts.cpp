#include "core/data/MaterialFacts.h"

#include <variant>

#include "core/data/NumberField.h"
#include "core/text/NumberFormat.h"

namespace alphastop {
namespace {

constexpr int ModelLine = 1;
constexpr int FactsLine = 3;
constexpr int CompositionHeadingLine = 4;
constexpr int CompositionLine = 5;
constexpr int UncertaintyLine = 6;
constexpr int HeaviestElement = 92;

// The next word of rest, skipping the blanks before it; rest moves on past the word.
std::string_view NextWord(std::string_view& rest) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  std::size_t start = 0;
  while (start < rest.size() && isBlank(rest[start])) ++start;
  std::size_t end = start;
  while (end < rest.size() && !isBlank(rest[end])) ++end;
  const std::string_view word = rest.substr(start, end - start);
  rest.remove_prefix(end);
  return word;
}

std::optional<double> PositiveNumber(std::string_view word) {
  const auto number = ParseNumberField(word);
  const double* value = std::get_if<double>(&number);  // finite where it is a number
  if (!value || !(*value > 0)) return std::nullopt;
  return *value;
}

// Whether the next words of rest are `words`, in order; rest moves on past them only if so.
bool TakeWords(std::string_view& rest, std::initializer_list<std::string_view> words) {
  std::string_view probe = rest;
  for (std::string_view word : words)
    if (NextWord(probe) != word) return false;
  rest = probe;
  return true;
}

// "Density <d> g/cm3" and, each optional in this order, "Mean excitation energy <I> eV" and
// "Phase gas|condensed". Whatever does not fit ends the reading, keeping what came before.
void TakeFactsLine(std::string_view rest, MaterialFacts& facts) {
  if (!TakeWords(rest, {"Density"})) return;
  const auto density = PositiveNumber(NextWord(rest));
  if (!density || NextWord(rest) != "g/cm3") return;
  facts.density = density;
  if (TakeWords(rest, {"Mean", "excitation", "energy"})) {
    const auto ivalue = PositiveNumber(NextWord(rest));
    if (!ivalue || NextWord(rest) != "eV") return;
    facts.meanExcitationEnergy = ivalue;
  }
  if (!TakeWords(rest, {"Phase"})) return;
  const std::string_view phase = NextWord(rest);
  if (phase == "gas") facts.phase = TablePhase::Gas;
  if (phase == "condensed") facts.phase = TablePhase::Condensed;
}

// "1: 0.111898  8: 0.888102": all pairs good, or no composition at all.
std::vector<tables::ElementFraction> CompositionOnLine(std::string_view rest) {
  std::vector<tables::ElementFraction> parts;
  for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
    if (word.back() != ':') return {};
    const auto z = PositiveNumber(word.substr(0, word.size() - 1));
    const auto weight = PositiveNumber(NextWord(rest));
    if (!z || !weight || *z != static_cast<int>(*z) || *z > HeaviestElement) return {};
    parts.push_back({static_cast<int>(*z), *weight});
  }
  return parts;
}

// "0.4 % up to 1 MeV, 2 % up to 3.5 MeV, 0.3 % above": steps until the one "above"; the
// word after "above" is the list's end mark (";" or nothing).
std::optional<std::vector<UncertaintyStep>> TakeSteps(std::string_view& rest,
                                                      std::string_view endMark) {
  std::vector<UncertaintyStep> steps;
  for (;;) {
    const auto percent = PositiveNumber(NextWord(rest));
    if (!percent || NextWord(rest) != "%") return std::nullopt;
    const std::string_view word = NextWord(rest);
    if (word == std::string("above") + std::string(endMark)) {
      steps.push_back({std::nullopt, *percent});
      return steps;
    }
    if (word != "up" || NextWord(rest) != "to") return std::nullopt;
    const auto end = PositiveNumber(NextWord(rest));
    if (!end || NextWord(rest) != "MeV," || (!steps.empty() && !(*end > *steps.back().upToMeV)))
      return std::nullopt;
    steps.push_back({end, *percent});
  }
}

std::optional<TableUncertainty> UncertaintyOnLine(std::string_view rest) {
  if (!TakeWords(rest, {"Uncertainty,", "electronic:"})) return std::nullopt;
  auto electronic = TakeSteps(rest, ";");
  if (!electronic || !TakeWords(rest, {"CSDA", "range:"})) return std::nullopt;
  auto range = TakeSteps(rest, "");
  if (!range || !NextWord(rest).empty()) return std::nullopt;
  return TableUncertainty{std::move(*electronic), std::move(*range)};
}

std::string FormatSteps(const std::vector<UncertaintyStep>& steps) {
  std::string text;
  for (const UncertaintyStep& step : steps) {
    text += FormatFullPrecision(step.percent) + " % ";
    text += step.upToMeV ? "up to " + FormatFullPrecision(*step.upToMeV) + " MeV, " : "above";
  }
  return text;
}

std::optional<double> PercentAt(const std::optional<TableUncertainty>& uncertainty,
                                std::vector<UncertaintyStep> TableUncertainty::*steps,
                                double energyMeV) {
  if (!uncertainty) return std::nullopt;
  for (const UncertaintyStep& step : (*uncertainty).*steps)
    if (!step.upToMeV || energyMeV <= *step.upToMeV) return step.percent;
  return std::nullopt;
}

}  // namespace

std::string FormatUncertaintyLine(const TableUncertainty& uncertainty) {
  return "Uncertainty, electronic: " + FormatSteps(uncertainty.electronic) +
         "; CSDA range: " + FormatSteps(uncertainty.csdaRange);
}

std::optional<double> ElectronicUncertaintyPercent(const MaterialFacts& facts, double energyMeV) {
  return PercentAt(facts.uncertainty, &TableUncertainty::electronic, energyMeV);
}

std::optional<double> CsdaRangeUncertaintyPercent(const MaterialFacts& facts, double energyMeV) {
  return PercentAt(facts.uncertainty, &TableUncertainty::csdaRange, energyMeV);
}

MaterialFacts FactsOfHeader(std::span<const std::string> lines) {
  const auto line = [&](int number) -> std::string_view {
    return number <= static_cast<int>(lines.size()) ? lines[number - 1] : std::string_view();
  };
  MaterialFacts facts;
  facts.computedByModel = line(ModelLine).find(ModelLineMark) != std::string_view::npos;
  TakeFactsLine(line(FactsLine), facts);
  std::string_view heading = line(CompositionHeadingLine);
  if (NextWord(heading).starts_with("Composition"))
    facts.composition = CompositionOnLine(line(CompositionLine));
  if (facts.computedByModel) facts.uncertainty = UncertaintyOnLine(line(UncertaintyLine));
  return facts;
}

}  // namespace alphastop
