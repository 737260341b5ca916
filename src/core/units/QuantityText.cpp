#include "core/units/QuantityText.h"

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
  double factor;  // MeV, g/cm2 or cm per one of the unit
  ThicknessKind kind = ThicknessKind::ArealDensity;
};

constexpr Unit EnergyUnits[] = {{"eV", 1e-6}, {"keV", 1e-3}, {"MeV", 1}, {"GeV", 1e3}};
constexpr auto Length = ThicknessKind::Length;
constexpr Unit ThicknessUnits[] = {
    {"nm", 1e-7, Length},      {"um", 1e-4, Length}, {"\u00B5m", 1e-4, Length},
    {"\u03BCm", 1e-4, Length}, {"mm", 1e-1, Length}, {"cm", 1, Length},
    {"m", 1e2, Length},        {"ug/cm2", 1e-6},     {"\u00B5g/cm2", 1e-6},
    {"\u03BCg/cm2", 1e-6},     {"mg/cm2", 1e-3},     {"g/cm2", 1}};
constexpr std::string_view ThicknessUnitList = "um, nm, mm, cm, m, ug/cm2, mg/cm2 or g/cm2";

struct Quantity {
  double value = 0;  // in the unit whose factor is 1
  ThicknessKind kind = ThicknessKind::ArealDensity;
};

// The number of text times the factor of its unit, which must be one of units; a bare
// number takes the unit whose factor is 1.
Checked<Quantity> ReadQuantity(std::string_view text, std::span<const Unit> units, bool anyCase,
                               std::string_view unitList) {
  const Checked<NumberAndUnit> read = ReadNumberAndUnit(text);
  if (const Refusal* no = Refused(read)) return *no;
  // Not a structured binding: a lambda below captures the unit's name.
  const std::string_view unitName = ValueOf(read)->unit;
  Quantity quantity{ValueOf(read)->number};
  if (!unitName.empty()) {
    const auto unit = std::ranges::find_if(
        units, [&](const Unit& u) { return SameUnitName(unitName, u.name, anyCase); });
    if (unit == units.end())
      return Refusal{QuotedText(text) + ": unknown unit " + QuotedText(unitName) + " (use " +
                     std::string(unitList) + ")"};
    quantity = {quantity.value * unit->factor, unit->kind};
  }
  if (!std::isfinite(quantity.value))
    return Refusal{QuotedText(text) + ": the number is out of range"};
  return quantity;
}

}  // namespace

Checked<double> ParseEnergy(std::string_view text) {
  const auto quantity = ReadQuantity(text, EnergyUnits, true, EnergyUnitNames);
  if (const auto* no = std::get_if<Refusal>(&quantity)) return *no;
  const double energy = std::get<Quantity>(quantity).value;
  if (!(energy > 0)) return Refusal{QuotedText(text) + ": an energy must be greater than zero"};
  return energy;
}

std::optional<double> EnergyUnitInMeV(std::string_view name) {
  const auto unit = std::ranges::find_if(
      EnergyUnits, [&](const Unit& u) { return SameUnitName(name, u.name, true); });
  if (unit == std::end(EnergyUnits)) return std::nullopt;
  return unit->factor;
}

Checked<Thickness> ParseThickness(std::string_view text, Distance distance) {
  const auto quantity = ReadQuantity(text, ThicknessUnits, false, ThicknessUnitList);
  if (const auto* no = std::get_if<Refusal>(&quantity)) return *no;
  const auto [value, kind] = std::get<Quantity>(quantity);
  if (value < 0)
    return Refusal{QuotedText(text) + (distance == Distance::Range
                                           ? ": a range cannot be negative"
                                           : ": a thickness cannot be negative")};
  return Thickness{kind, value == 0 ? 0.0 : value};  // "-0" is 0
}

Checked<double> ParseArealDensity(std::string_view text, std::optional<double> density,
                                  Distance distance) {
  const Checked<Thickness> thickness = ParseThickness(text, distance);
  if (const auto* no = std::get_if<Refusal>(&thickness)) return *no;
  return ToArealDensity(std::get<Thickness>(thickness), density);
}

}  // namespace alphastop
