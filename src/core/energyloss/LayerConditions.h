#pragma once
// What a layer's matter and position make of its thickness: the density of a gas at its
// own pressure and temperature, or a density given outright, and the longer path through
// a layer met at an angle.

#include <optional>

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

// The conditions at which the tables of gases give their density: 20 °C and 1 atm.
inline constexpr double TableGasTemperature = 293.15;  // K
inline constexpr double TableGasPressure = 101325;     // Pa

struct LayerConditions {
  std::optional<double> pressure;     // Pa, above zero; a gas only
  std::optional<double> temperature;  // K, above zero; a gas only
  std::optional<double> density;      // g/cm3, above zero; any material, instead of the above
};

// The density (g/cm3) of a layer of table's material under conditions:
// - an explicit density as it is;
// - a pressure and/or a temperature: the table's density scaled as an ideal gas from
//   TableGasTemperature and TableGasPressure, rho = rho_table (p / p_table) (T_table / T),
//   the one not given staying at the table's;
// - nothing: the table's density, nullopt where its header gives none.
// Refused, with a message naming the material by its title: a pressure or temperature on a
// material whose table does not say it is a gas (phase Condensed or Unstated), or whose
// table gives no density to scale; a density together with a pressure or temperature; and
// a value that is not a finite number above zero, given or scaled.
Checked<std::optional<double>> LayerDensity(const MaterialTable& table,
                                            const LayerConditions& conditions);

// The path (g/cm2, or any unit of thickness) through a layer of this thickness met at
// angleDegrees from its normal: thickness / cos(angle). Refused where the angle is not
// within 0 <= angle < 90 or the thickness is negative or not finite.
Checked<double> PathThickness(double thickness, double angleDegrees);

}  // namespace alphastop
