#include "core/lookup/EnergyInput.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"
#include "core/units/QuantityText.h"

namespace alphastop {
namespace {

// The leading number, split where from_chars needs help: it takes no '+' sign, and on
// overflow or underflow it reports the error without saying which of the two happened.
struct NumberText {
  bool negative = false;
  std::string mantissa;    // digits with at most one '.', at least one digit
  std::string exponent;    // optional sign and at least one digit; empty when absent
  std::size_t length = 0;  // of the number in the text read, sign and exponent included
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

  // "1e" and "1e+" end before their exponent, and "5eV" is 5 eV: the letter and sign belong
  // to the rest.
  number.length = pos;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t end = pos + 1;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const std::size_t digitsStart = end;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (end > digitsStart) {
      number.exponent = text.substr(pos + 1, end - pos - 1);
      number.length = end;
    }
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

double ValueOf(const NumberText& number) {
  std::string digits = number.mantissa;
  if (digits.front() == '.') digits.insert(digits.begin(), '0');
  if (!number.exponent.empty()) digits += 'e' + number.exponent;

  double magnitude = 0;
  const auto [ptr, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude,
                                            std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    const bool overflow = LeadingDigitOrder(number.mantissa) + ExponentValue(number.exponent) > 0;
    magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc{}) {
    return 0;
  }
  return number.negative ? -magnitude : magnitude;
}

// The part of text after its first `kept` characters that are not skipped, without the
// blanks around it: what the user typed after the number.
std::string_view TypedAfter(std::string_view text, std::size_t kept) {
  std::size_t pos = 0;
  for (; pos < text.size() && kept > 0; ++pos)
    if (!IsSpace(text[pos])) --kept;
  return TrimSpace(text.substr(pos));
}

}  // namespace

Checked<double> ReadTypedEnergy(std::string_view text) {
  const std::string compact = WithoutSkipped(text);
  const auto number = LeadingNumber(compact);
  if (!number) return 0.0;
  const double value = ValueOf(*number);
  const std::string_view unit = std::string_view(compact).substr(number->length);
  if (unit.empty()) return value;
  if (const auto perUnit = EnergyUnitInMeV(unit)) return value * *perUnit;
  return Refusal{QuotedText(text) + ": " + QuotedText(TypedAfter(text, number->length)) +
                 " is not an energy unit; type a number with \".\" as the decimal point, in MeV "
                 "or followed by " +
                 std::string(EnergyUnitNames) + " (5.5, 800 keV)"};
}

bool IsEnergyInRange(double energy) { return energy >= LowestEnergy && energy <= HighestEnergy; }

}  // namespace alphastop
