#include "core/units/ConditionText.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "core/data/TextEncoding.h"
#include "core/units/NumberAndUnit.h"

namespace alphastop {
namespace {

struct Unit {
  std::string_view name;
  double factor;      // of the result's unit per one of this unit
  double offset = 0;  // added after the factor: kelvin at 0 °C
};

constexpr double PascalPerAtmosphere = 101325;
constexpr double KelvinAtZeroCelsius = 273.15;

constexpr Unit PressureUnits[] = {{"Pa", 1},
                                  {"kPa", 1e3},
                                  {"hPa", 1e2},
                                  {"mbar", 1e2},
                                  {"bar", 1e5},
                                  {"Torr", PascalPerAtmosphere / 760},
                                  {"atm", PascalPerAtmosphere}};
constexpr Unit TemperatureUnits[] = {
    {"K", 1}, {"C", 1, KelvinAtZeroCelsius}, {"\u00B0C", 1, KelvinAtZeroCelsius}};
constexpr Unit AngleUnits[] = {{"deg", 1}, {"\u00B0", 1}};
constexpr Unit DensityUnits[] = {{"g/cm3", 1}};

std::string UnitList(std::span<const Unit> units) {
  std::string list;
  for (std::size_t k = 0; k < units.size(); ++k)
    list += (k == 0 ? "" : k + 1 == units.size() ? " or " : ", ") + std::string(units[k].name);
  return list;
}

// The number of text in the unit of factor 1. A bare number is refused where bareAllowed
// is false, with the reason what needs a unit.
Checked<double> ReadCondition(std::string_view text, std::span<const Unit> units, bool bareAllowed,
                              std::string_view what) {
  const Checked<NumberAndUnit> read = ReadNumberAndUnit(text);
  if (const Refusal* no = Refused(read)) return *no;
  // Not a structured binding: a lambda below captures the unit's name.
  const std::string_view unitName = ValueOf(read)->unit;
  double value = ValueOf(read)->number;
  if (unitName.empty()) {
    if (!bareAllowed)
      return Refusal{QuotedText(text) + ": " + std::string(what) + " needs a unit (" +
                     UnitList(units) + ")"};
  } else {
    const auto unit = std::ranges::find_if(
        units, [&](const Unit& u) { return SameUnitName(unitName, u.name, true); });
    if (unit == units.end())
      return Refusal{QuotedText(text) + ": unknown unit " + QuotedText(unitName) + " (use " +
                     UnitList(units) + ")"};
    value = value * unit->factor + unit->offset;
  }
  if (!std::isfinite(value)) return Refusal{QuotedText(text) + ": the number is out of range"};
  return value;
}

}  // namespace

Checked<double> ParseAngle(std::string_view text) {
  const auto angle = ReadCondition(text, AngleUnits, true, "an angle");
  if (const auto* no = std::get_if<Refusal>(&angle)) return *no;
  const double degrees = std::get<double>(angle);
  if (!(degrees >= 0 && degrees < 90))
    return Refusal{QuotedText(text) +
                   ": an angle of incidence must be at least 0 and less than 90 degrees"};
  return degrees == 0 ? 0.0 : degrees;  // "-0" is 0
}

Checked<double> ParsePressure(std::string_view text) {
  const auto pressure = ReadCondition(text, PressureUnits, false, "a pressure");
  if (const auto* no = std::get_if<Refusal>(&pressure)) return *no;
  if (!(std::get<double>(pressure) > 0))
    return Refusal{QuotedText(text) + ": a pressure must be greater than zero"};
  return pressure;
}

Checked<double> ParseTemperature(std::string_view text) {
  const auto temperature = ReadCondition(text, TemperatureUnits, false, "a temperature");
  if (const auto* no = std::get_if<Refusal>(&temperature)) return *no;
  if (!(std::get<double>(temperature) > 0))
    return Refusal{QuotedText(text) + ": a temperature must be above absolute zero"};
  return temperature;
}

Checked<double> ParseDensity(std::string_view text) {
  const auto density = ReadCondition(text, DensityUnits, true, "a density");
  if (const auto* no = std::get_if<Refusal>(&density)) return *no;
  if (!(std::get<double>(density) > 0))
    return Refusal{QuotedText(text) + ": a density must be greater than zero"};
  return density;
}

}  // namespace alphastop
