#include "core/materials/ChemicalFormula.h"

#include "core/data/TextEncoding.h"
#include "core/materials/Elements.h"

#include "core/text/CharacterClass.h"
#include <charconv>
#include <optional>
#include <string>

namespace alphastop::tables {
namespace {

struct Count {
  int z;
  double atoms;
};

class FormulaReader {
 public:
  explicit FormulaReader(std::string_view text) : text_(text) {}

  // The counts, or the first fault met.
  Checked<std::vector<Count>> ReadAll() {
    auto counts = ReadGroup();
    if (!fault_ && pos_ != text_.size()) Fail("unexpected " + QuotedText(text_.substr(pos_, 1)));
    if (fault_) return Refusal{"formula " + QuotedText(text_) + ": " + *fault_};
    return counts;
  }

 private:
  std::vector<Count> ReadGroup() {
    std::vector<Count> counts;
    while (!fault_ && pos_ < text_.size() && text_[pos_] != ')') {
      std::vector<Count> part;
      if (text_[pos_] == '(') {
        ++pos_;
        part = ReadGroup();
        if (fault_) break;
        if (pos_ >= text_.size() || text_[pos_] != ')') return Fail("missing ')'");
        ++pos_;
      } else if (IsUpper(text_[pos_])) {
        std::size_t end = pos_ + 1;
        while (end < text_.size() && IsLower(text_[end])) ++end;
        const std::string_view symbol = text_.substr(pos_, end - pos_);
        const auto z = AtomicNumberOfSymbol(symbol);
        if (!z) return Fail("unknown element symbol " + QuotedText(symbol));
        part.push_back({*z, 1.0});
        pos_ = end;
      } else {
        return Fail("unexpected " + QuotedText(text_.substr(pos_, 1)));
      }
      const double multiplier = ReadMultiplier();
      for (Count& c : part) counts.push_back({c.z, c.atoms * multiplier});
    }
    return counts;
  }

  double ReadMultiplier() {
    std::size_t end = pos_;
    while (end < text_.size() && (IsDigit(text_[end]) || text_[end] == '.')) {
      ++end;
    }
    if (end == pos_) return 1.0;
    double value = 0.0;
    const auto result = std::from_chars(text_.data() + pos_, text_.data() + end, value);
    if (result.ec != std::errc() || result.ptr != text_.data() + end || !(value > 0.0)) {
      Fail("bad count");
      return 1.0;
    }
    pos_ = end;
    return value;
  }

  // Keeps the first fault and ends the reading; the counts read so far are dropped.
  std::vector<Count> Fail(const std::string& why) {
    if (!fault_) fault_ = why;
    pos_ = text_.size();
    return {};
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::optional<std::string> fault_;
};

}  // namespace

Checked<std::vector<ElementFraction>> CompositionOfFormula(std::string_view formula) {
  if (formula.empty()) return Refusal{"empty formula"};
  const Checked<std::vector<Count>> read = FormulaReader(formula).ReadAll();
  if (const Refusal* no = Refused(read)) return *no;
  const std::vector<Count>& counts = std::get<std::vector<Count>>(read);
  std::vector<ElementFraction> composition;
  double total = 0.0;
  for (const Count& c : counts) {
    const double mass = c.atoms * AtomicWeight(c.z);
    total += mass;
    bool merged = false;
    for (ElementFraction& part : composition) {
      if (part.z == c.z) {
        part.weight += mass;
        merged = true;
      }
    }
    if (!merged) composition.push_back({c.z, mass});
  }
  for (ElementFraction& part : composition) part.weight /= total;
  return composition;
}

}  // namespace alphastop::tables
