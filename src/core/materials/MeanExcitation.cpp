#include "core/materials/MeanExcitation.h"

#include "core/materials/Elements.h"
#include "core/materials/MaterialList.h"

#include <array>
#include <cassert>
#include <cmath>

namespace alphastop::tables {
namespace {

struct BoundAtom {
  int z;
  double ivalue;  // eV
};

// ICRU Report 37 (1984): I-values of atoms bound in condensed compounds and mixtures.
constexpr BoundAtom BoundAtoms[] = {{1, 19.2},  {6, 81.0},  {7, 82.0},
                                    {8, 106.0}, {9, 112.0}, {17, 180.0}};
// ICRU Report 37 (1984): the factor on the element's own I for every other bound atom.
constexpr double OtherBoundAtomFactor = 1.13;

std::array<double, MaxAtomicNumber> ElementIValues() {
  std::array<double, MaxAtomicNumber> ivalues{};
  for (const Material& material : ShippedMaterials()) {
    if (material.composition.size() != 1 || material.amorphous) continue;
    ivalues[static_cast<std::size_t>(material.composition[0].z - 1)] =
        material.meanExcitationEnergy;
  }
  return ivalues;
}

double BoundIValue(int z) {
  for (const BoundAtom& atom : BoundAtoms)
    if (atom.z == z) return atom.ivalue;
  return OtherBoundAtomFactor * ElementMeanExcitationEnergy(z);
}

}  // namespace

double ElementMeanExcitationEnergy(int z) {
  assert(z >= 1 && z <= MaxAtomicNumber);
  static const std::array<double, MaxAtomicNumber> ivalues = ElementIValues();
  return ivalues[static_cast<std::size_t>(z - 1)];
}

double DefaultMeanExcitationEnergy(const std::vector<ElementFraction>& composition, Phase phase) {
  if (composition.size() == 1) return ElementMeanExcitationEnergy(composition[0].z);
  double electrons = 0.0, logSum = 0.0;
  for (const ElementFraction& part : composition) {
    const double weight = part.weight * part.z / AtomicWeight(part.z);
    const double ivalue =
        phase == Phase::Gas ? ElementMeanExcitationEnergy(part.z) : BoundIValue(part.z);
    electrons += weight;
    logSum += weight * std::log(ivalue);
  }
  return std::exp(logSum / electrons);
}

}  // namespace alphastop::tables
