#include "core/range/CsdaSegment.h"

#include <algorithm>
#include <cmath>

namespace alphastop {

CsdaSegment::CsdaSegment(const MaterialTable& table, int high)
    : CsdaSegment(table.Energy(high - 1), table.RangeData(high - 1, CsdaRange),
                  table.StopPower(high - 1, Total), table.Energy(high),
                  table.RangeData(high, CsdaRange), table.StopPower(high, Total)) {}

CsdaSegment::CsdaSegment(double e1, double r1, double s1, double e2, double r2, double s2)
    : e1_(e1), e2_(e2), r1_(r1), r2_(r2), logSpan_(std::log(e2 / e1)) {
  const double p = std::log(s2 / s1) / logSpan_;
  exponent_ = s1 > 0 && s2 > 0 && std::isfinite(p) ? 1 - p : std::log(r2_ / r1_) / logSpan_;
  growth_ = std::expm1(exponent_ * logSpan_);
}

// expm1 and log1p keep the form exact as q goes to 0, where growth_ does too; at q = 0
// exactly (or q ln(E_2/E_1) below the smallest double) the logarithmic form takes over, as
// it does where a wild slope would overflow. The rows themselves are given back exactly.
double CsdaSegment::RangeAt(double energy) const {
  if (energy <= e1_) return r1_;
  if (energy >= e2_) return r2_;
  const double logRatio = std::log(energy / e1_);
  double share = growth_ != 0 ? std::expm1(exponent_ * logRatio) / growth_ : 0;
  if (growth_ == 0 || !std::isfinite(share)) share = logRatio / logSpan_;
  return std::clamp(r1_ + (r2_ - r1_) * share, r1_, r2_);
}

double CsdaSegment::EnergyAt(double range) const {
  if (range <= r1_) return e1_;
  if (range >= r2_) return e2_;
  const double share = (range - r1_) / (r2_ - r1_);
  double logRatio = growth_ != 0 ? std::log1p(share * growth_) / exponent_ : 0;
  if (growth_ == 0 || !std::isfinite(logRatio)) logRatio = share * logSpan_;
  return std::clamp(e1_ * std::exp(logRatio), e1_, e2_);
}

}  // namespace alphastop
