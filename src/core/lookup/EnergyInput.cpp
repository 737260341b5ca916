#include "core/lookup/EnergyInput.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

// The leading number, split where from_chars needs help: it takes no '+' sign, and on
// overflow or underflow it reports the error without saying which of the two happened.
struct NumberText {
  bool negative = false;
  std::string mantissa;  // digits with at most one '.', at least one digit
  std::string exponent;  // optional sign and at least one digit; empty when absent
};

std::string WithoutSkipped(std::string_view text) {
  std::string kept;
  std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
               [](char c) { return !IsSpace(c); });
  return kept;
}

std::optional<NumberText> LeadingNumber(std::string_view text) {
  NumberText number;
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    number.negative = text[pos] == '-';
    ++pos;
  }
  bool hasDigit = false;
  bool hasPoint = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (IsDigit(c)) {
      hasDigit = true;
    } else if (c == '.' && !hasPoint) {
      hasPoint = true;
    } else {
      break;
    }
    number.mantissa += c;
  }
  if (!hasDigit) return std::nullopt;

  // "1e" and "1e+" end before their exponent: the letter and sign belong to the ignored rest.
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t end = pos + 1;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const std::size_t digitsStart = end;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (end > digitsStart) number.exponent = text.substr(pos + 1, end - pos - 1);
  }
  return number;
}

// Decimal order of the mantissa's first nonzero digit ("123.4" is 2, "0.001" is -3).
int LeadingDigitOrder(std::string_view mantissa) {
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return 0;
  return first < point ? static_cast<int>(point - first) - 1 : -static_cast<int>(first - point);
}

// Exponents are clamped far beyond any double so that thousands of digits cannot overflow.
int ExponentValue(std::string_view exponent) {
  constexpr int clamp = 1'000'000;
  if (exponent.empty()) return 0;
  const bool negative = exponent.front() == '-';
  int value = 0;
  for (char c : exponent) {
    if (IsDigit(c)) value = std::min(clamp, value * 10 + (c - '0'));
  }
  return negative ? -value : value;
}

}  // namespace

double ReadTypedEnergy(std::string_view text) {
  const std::string compact = WithoutSkipped(text);
  const auto number = LeadingNumber(compact);
  if (!number) return 0;

  std::string digits = number->mantissa;
  if (digits.front() == '.') digits.insert(digits.begin(), '0');
  if (!number->exponent.empty()) digits += 'e' + number->exponent;

  double magnitude = 0;
  const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude,
                                            std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    const bool overflow = LeadingDigitOrder(number->mantissa) + ExponentValue(number->exponent) > 0;
    magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc{}) {
    return 0;
  }
  return number->negative ? -magnitude : magnitude;
}

bool IsEnergyInRange(double energy) { return energy >= LowestEnergy && energy <= HighestEnergy; }

}  // namespace alphastop
