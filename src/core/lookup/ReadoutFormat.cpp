#include "core/lookup/ReadoutFormat.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace alphastop {

std::string FormatReadout(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // A readout never shows a signed zero: -0 is the same energy or stopping power as 0.
  if (value == 0) value = 0;

  // to_chars rounds the exact binary value to nearest (ties to even) and carries into the
  // exponent itself, without consulting the locale; it writes "d.ddde+XX" with at least
  // two exponent digits, so only the letter's case differs from the readout pattern.
  char buffer[32];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 3);
  if (error != std::errc{}) return {};
  std::string text(buffer, end);
  if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

}  // namespace alphastop
