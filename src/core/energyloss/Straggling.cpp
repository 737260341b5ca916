#include "core/energyloss/Straggling.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/data/TextEncoding.h"
#include "core/lookup/Interpolation.h"
#include "core/lookup/LogLogLine.h"
#include "core/materials/Elements.h"
#include "core/physics/PhysicalConstants.h"
#include "core/range/CsdaSegment.h"
#include "core/range/RangeChecks.h"

namespace alphastop {
namespace {

constexpr double HeliumMassMeV = tables::HeliumMassU * tables::AtomicMassUnitMeV;
constexpr double ElectronToHeliumMass = tables::ElectronMassMeV / HeliumMassMeV;
// Bohr's variance per areal density for z = 1 and Z/A = 1 mol/g, MeV^2 cm2/g.
constexpr double BohrPerElectronMole = tables::BetheConstant * tables::ElectronMassMeV;
// Steps of ln E for the integrals along the path: about 6 between two rows of the table.
constexpr double LogEnergyStep = 0.02;

// Lindhard and Scharff's L(chi)/2, held at 1 where it would exceed it (see the header), and
// 1 beyond chi = 3, where the fit no longer holds: past its maximum it falls, and below zero
// from chi = 85 (hydrogen above 8 MeV).
double LowVelocityFactor(double chi) {
  if (chi > 3) return 1;
  const double root = std::sqrt(chi);
  return std::min(1.0, (1.36 * root - 0.016 * chi * root) / 2);
}

std::optional<Refusal> CheckHasComposition(const MaterialTable& table) {
  if (!table.composition.empty()) return std::nullopt;
  const std::string name =
      table.MaterialTitle.empty() ? std::string("this table") : QuotedText(table.MaterialTitle);
  return Refusal{"the table of " + name +
                 " gives no composition, which straggling needs; the tables the program "
                 "writes give one on line 5"};
}

std::optional<Refusal> CheckEnergy(const MaterialTable& table, double energy) {
  if (auto no = CheckEnergyGiven(energy)) return no;
  if (auto no = CheckCsdaColumn(table)) return no;
  return CheckWithinEnergies(table, energy);
}

// The rate for a table whose composition and energy have been checked.
double Rate(const MaterialTable& table, double energy) {
  const double gamma = 1 + energy / HeliumMassMeV;
  const double betaSquared = 1 - 1 / (gamma * gamma);
  const double relativistic =
      gamma * gamma * (1 - betaSquared / 2) /
      (1 + 2 * gamma * ElectronToHeliumMass + ElectronToHeliumMass * ElectronToHeliumMass);
  const double velocitySquared =
      betaSquared * tables::InverseFineStructure * tables::InverseFineStructure;
  double sum = 0, weights = 0;
  for (const tables::ElementFraction& part : table.composition) {
    sum += part.weight * part.z / tables::AtomicWeight(part.z) *
           LowVelocityFactor(velocitySquared / part.z);
    weights += part.weight;
  }
  return BohrPerElectronMole * tables::HeliumCharge * tables::HeliumCharge * relativistic * sum /
         weights;
}

double TotalStopping(const MaterialTable& table, double energy) {
  return InterpolateStopPower(table, energy)->total;  // energy checked within the rows
}

// The straight line on log-log axes through rows r - 1 and r of a column.
struct LogLogSegment {
  double e0 = 0, v0 = 0, slope = 0;
  double At(double energy) const { return v0 * std::pow(energy / e0, slope); }
};

template <typename Column>
LogLogSegment SegmentOf(const MaterialTable& table, int r, const Column& column) {
  const double e0 = table.Energy(r - 1);
  return {e0, column(r - 1), std::log(column(r) / column(r - 1)) / std::log(table.Energy(r) / e0)};
}

// Int rate / S^2 dx over the path on which the energy falls from high to low (MeV), in
// (g/cm2)^2. Between two rows the stopping power follows its log-log line and the CSDA
// range its integral (CsdaSegment.h), as InterpolateStopPower and the range functions read
// them: a midpoint sum on steps of ln E, each step's path dx the difference of the ranges at
// its ends, so that the path adds up to the thickness CrossLayer crosses.
double PathIntegral(const MaterialTable& table, double low, double high) {
  double sum = 0;
  const auto energyAt = [&](int r) { return table.Energy(r); };
  for (int r = UpperBracketRow(energyAt, low); r <= RowCount && table.Energy(r - 1) < high; ++r) {
    const double a = std::max(low, table.Energy(r - 1)), b = std::min(high, table.Energy(r));
    if (!(b > a)) continue;
    const CsdaSegment range(table, r);
    const auto stopping = SegmentOf(table, r, [&](int row) { return table.StopPower(row, Total); });
    const int steps = std::max(1, static_cast<int>(std::ceil(std::log(b / a) / LogEnergyStep)));
    const double ratio = std::pow(b / a, 1.0 / steps);
    double energy = a;
    for (int k = 1; k <= steps; ++k) {
      const double next = k == steps ? b : energy * ratio;  // b exactly: rows are never left
      const double middle = std::sqrt(energy * next), s = stopping.At(middle);
      sum += Rate(table, middle) / (s * s) * (range.RangeAt(next) - range.RangeAt(energy));
      energy = next;
    }
  }
  return sum;
}

}  // namespace

Checked<double> StragglingRate(const MaterialTable& table, double energy) {
  if (auto no = CheckHasComposition(table)) return *no;
  if (auto no = CheckEnergy(table, energy)) return *no;
  return Rate(table, energy);
}

Checked<double> EnergyStragglingOut(const MaterialTable& table, double energyIn, double energyOut,
                                    double sigmaIn) {
  if (auto no = CheckHasComposition(table)) return *no;
  if (auto no = CheckEnergy(table, energyIn)) return *no;
  if (auto no = CheckEnergy(table, energyOut)) return *no;
  if (energyOut > energyIn) return Refusal{"the energy out of a layer cannot exceed the energy in"};
  if (!(std::isfinite(sigmaIn) && sigmaIn >= 0))
    return Refusal{"the spread of the energy in must be a finite number of zero or more"};
  const double ratio = TotalStopping(table, energyOut) / TotalStopping(table, energyIn);
  const double stoppingOut = TotalStopping(table, energyOut);
  return std::sqrt(ratio * ratio * sigmaIn * sigmaIn +
                   stoppingOut * stoppingOut * PathIntegral(table, energyOut, energyIn));
}

Checked<double> RangeStraggling(const MaterialTable& table, double energy) {
  if (auto no = CheckHasComposition(table)) return *no;
  if (auto no = CheckEnergy(table, energy)) return *no;
  return std::sqrt(PathIntegral(table, table.Energy(1), energy));
}

}  // namespace alphastop
