#include "core/data/NumberField.h"

#include <charconv>
#include <cmath>

#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"

namespace alphastop {
std::size_t NumberLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  for (bool point = false; i < text.size(); ++i) {
    if (IsDigit(text[i]))
      ++digits;
    else if (text[i] == '.' && !point)
      point = true;
    else
      break;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t end = i + 1;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    if (end < text.size() && IsDigit(text[end])) {
      while (end < text.size() && IsDigit(text[end])) ++end;
      i = end;
    }
  }
  return i;
}

Checked<double> ParseNumberField(std::string_view field) {
  if (field.empty()) return Refusal{"an empty field stands where a number belongs"};
  const std::string quoted = QuotedText(field);
  if (NumberLength(field) != field.size())
    return Refusal{"the field " + quoted + " is not a number"};
  // from_chars takes no leading "+".
  const std::string_view unsigned_ = field.front() == '+' ? field.substr(1) : field;
  double value = 0;
  const auto [end, error] =
      std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), value);
  if (error == std::errc::result_out_of_range || !std::isfinite(value)) {
    // from_chars leaves the value alone when out of range; the exponent's sign tells which way.
    const bool tooSmall =
        field.find("e-") != std::string_view::npos || field.find("E-") != std::string_view::npos;
    return Refusal{"the field " + quoted + (tooSmall ? " is too small" : " is too large") +
                   " to hold as a number"};
  }
  if (error != std::errc() || end != unsigned_.data() + unsigned_.size())
    return Refusal{"the field " + quoted + " is not a number"};
  return value;
}

}  // namespace alphastop
