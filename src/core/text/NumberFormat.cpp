#include "core/text/NumberFormat.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <string>
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

namespace {

// Four significant digits in fixed notation: 1.234, 12.34, 123.4, 1234; 0.5000 and 0.005000
// below 1, scientific notation below that.
std::string FourDigits(double value) {
  const std::string scientific = FormatScientific(value, 3);
  const int exponent = std::stoi(scientific.substr(scientific.find('E') + 1));
  if (exponent < -3) return scientific;
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, std::max(0, 3 - exponent));
  return error == std::errc{} ? std::string(buffer, end) : scientific;
}

// value rounded to four significant digits, read back without the locale.
double Rounded(double value) {
  const std::string text = FormatScientific(value, 3);
  double rounded = value;
  std::from_chars(text.data(), text.data() + text.size(), rounded);
  return rounded;
}

}  // namespace

std::string FormatLength(double micrometres) {
  if (!std::isfinite(micrometres)) return FormatScientific(micrometres) + " \u00b5m";
  if (micrometres == 0) return "0 \u00b5m";
  struct Unit {
    const char* name;
    double micrometres;
  };
  static constexpr Unit Units[] = {
      {"nm", 1e-3}, {"\u00b5m", 1}, {"mm", 1e3}, {"cm", 1e4}, {"m", 1e6}};
  for (const Unit& unit : Units) {
    const double value = micrometres / unit.micrometres;
    // Rounded first, so that 999.96 µm is 1.000 mm and not 1000 µm.
    if (std::fabs(Rounded(value)) < 1000) return FourDigits(value) + " " + unit.name;
  }
  return FormatScientific(micrometres / 1e6, 3) + " m";
}

std::string FormatReadout(double value) { return FormatScientific(value == 0 ? 0.0 : value, 3); }

}  // namespace alphastop
