#include "core/energyloss/LayerConditions.h"

#include <cmath>
#include <numbers>
#include <string>

#include "core/data/TextEncoding.h"

namespace alphastop {
namespace {

bool IsPositive(const std::optional<double>& value) {
  return !value || (std::isfinite(*value) && *value > 0);
}

std::string MaterialName(const MaterialTable& table) {
  return table.MaterialTitle.empty() ? std::string("this material")
                                     : QuotedText(table.MaterialTitle);
}

}  // namespace

Checked<std::optional<double>> LayerDensity(const MaterialTable& table,
                                            const LayerConditions& conditions) {
  const bool gasConditions = conditions.pressure || conditions.temperature;
  if (!IsPositive(conditions.pressure) || !IsPositive(conditions.temperature) ||
      !IsPositive(conditions.density))
    return Refusal{"a pressure, temperature or density must be a finite number above zero"};
  if (conditions.density && gasConditions)
    return Refusal{"give a layer either a density or a pressure and temperature, not both"};
  if (conditions.density) return conditions.density;
  if (!gasConditions) return table.density;

  if (table.phase != TablePhase::Gas)
    return Refusal{MaterialName(table) +
                   " is not a gas (its table does not say \"Phase gas\"), so it takes no "
                   "pressure or temperature; give its density instead"};
  if (!table.density)
    return Refusal{"the table of " + MaterialName(table) +
                   " gives no density to scale to a pressure or temperature"};
  const double pressure = conditions.pressure.value_or(TableGasPressure);
  const double temperature = conditions.temperature.value_or(TableGasTemperature);
  const double density =
      *table.density * (pressure / TableGasPressure) * (TableGasTemperature / temperature);
  if (!(std::isfinite(density) && density > 0))
    return Refusal{"at this pressure and temperature the density of " + MaterialName(table) +
                   " is beyond what can be worked out"};
  return std::optional<double>(density);
}

Checked<double> PathThickness(double thickness, double angleDegrees) {
  if (!(angleDegrees >= 0 && angleDegrees < 90))
    return Refusal{"an angle of incidence must be at least 0 and less than 90 degrees"};
  if (!(std::isfinite(thickness) && thickness >= 0))
    return Refusal{"a thickness must be a finite number of zero or more"};
  const double path = thickness / std::cos(angleDegrees * std::numbers::pi / 180);
  if (!std::isfinite(path)) return Refusal{"the path through the layer is too long"};
  return path;
}

}  // namespace alphastop
