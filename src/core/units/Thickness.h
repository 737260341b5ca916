#pragma once
// A thickness of matter, or a range (the thickness a particle crosses before it stops):
// as an areal density, which the range functions take, or as a length, which becomes one
// only with the material's density.

#include <optional>

#include "core/units/Checked.h"

namespace alphastop {

enum class ThicknessKind { ArealDensity, Length };

struct Thickness {
  ThicknessKind kind = ThicknessKind::ArealDensity;
  double value = 0;  // g/cm2 for an areal density, cm for a length; finite and >= 0
};

// The thickness in g/cm2: an areal density as it is, a length (cm) times density (g/cm3).
// A length is refused where density is nullopt (the table gives none) or not a finite
// number above zero, and where the product overflows.
Checked<double> ToArealDensity(const Thickness& thickness, std::optional<double> density);

// g/cm2 and µm for a material of density g/cm3 (g/cm2 / g/cm3 = cm; 1 cm = 1e4 µm).
// density must be finite and above zero, as a table's is; otherwise the result is inf or NaN.
double ArealDensityToMicrometres(double arealDensity, double density);
double MicrometresToArealDensity(double micrometres, double density);

}  // namespace alphastop
