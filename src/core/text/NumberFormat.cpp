#include "core/text/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace alphastop {

std::string FormatScientific(double value, int decimals) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // to_chars rounds the exact binary value and carries into the exponent itself, without
  // consulting the locale; only the exponent letter's case differs from the pattern.
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, decimals);
  if (error != std::errc{}) return {};
  std::string text(buffer, end);
  if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

std::string FormatFullPrecision(double value) {
  if (!std::isfinite(value)) return FormatScientific(value);
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return error == std::errc{} ? std::string(buffer, end) : std::string();
}

std::string FormatReadout(double value) { return FormatScientific(value == 0 ? 0.0 : value, 3); }

}  // namespace alphastop
