#include "core/units/Thickness.h"

#include <cmath>

namespace alphastop {
namespace {

constexpr double MicrometresPerCentimetre = 1e4;

}  // namespace

Checked<double> ToArealDensity(const Thickness& thickness, std::optional<double> density) {
  if (thickness.kind == ThicknessKind::ArealDensity) return thickness.value;
  if (!density)
    return Refusal{
        "a length needs the material's density, and this table gives none; give the thickness "
        "as an areal density (g/cm2, mg/cm2 or ug/cm2)"};
  if (!(std::isfinite(*density) && *density > 0))
    return Refusal{
        "a length needs the material's density, and this table's is not a number above zero"};
  const double arealDensity = thickness.value * *density;
  if (!std::isfinite(arealDensity)) return Refusal{"the thickness is too large"};
  return arealDensity;
}

double ArealDensityToMicrometres(double arealDensity, double density) {
  return arealDensity / density * MicrometresPerCentimetre;
}

double MicrometresToArealDensity(double micrometres, double density) {
  return micrometres / MicrometresPerCentimetre * density;
}

}  // namespace alphastop
