#include "core/data/NumberField.h"

#include <charconv>
#include <cmath>

#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

// True when field is a whole decimal number of the data-file grammar.
bool MatchesNumberGrammar(std::string_view field) {
  std::size_t i = 0;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
  std::size_t digits = 0;
  bool point = false;
  for (; i < field.size(); ++i) {
    if (IsDigit(field[i])) ++digits;
    else if (field[i] == '.' && !point) point = true;
    else break;
  }
  if (digits == 0) return false;
  if (i < field.size() && (field[i] == 'E' || field[i] == 'e')) {
    ++i;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    for (; i < field.size() && IsDigit(field[i]); ++i) ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == field.size();
}

}  // namespace

std::variant<double, std::string> ParseNumberField(std::string_view field) {
  if (field.empty()) return std::string("an empty field stands where a number belongs");
  const std::string quoted = "\"" + PrintableText(field) + "\"";
  if (!MatchesNumberGrammar(field)) return "the field " + quoted + " is not a number";
  // from_chars takes no leading "+".
  const std::string_view unsigned_ = field.front() == '+' ? field.substr(1) : field;
  double value = 0;
  const auto [end, error] = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), value);
  if (error == std::errc::result_out_of_range || !std::isfinite(value)) {
    // from_chars leaves the value alone when out of range; the exponent's sign tells which way.
    const bool tooSmall = field.find("e-") != std::string_view::npos ||
                          field.find("E-") != std::string_view::npos;
    return "the field " + quoted + (tooSmall ? " is too small" : " is too large") +
           " to hold as a number";
  }
  if (error != std::errc() || end != unsigned_.data() + unsigned_.size())
    return "the field " + quoted + " is not a number";
  return value;
}

}  // namespace alphastop
