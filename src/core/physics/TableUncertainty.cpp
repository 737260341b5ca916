#include "core/physics/TableUncertainty.h"

namespace alphastop::tables {
namespace {

constexpr double RangeLowestEndMeV = 0.01;
constexpr double RangeMiddleEndMeV = 10.0;

// Per cent, by LowEnergyClass: electronic up to JoinStartMeV, in the join; CSDA range up to
// RangeLowestEndMeV, JoinStartMeV, RangeMiddleEndMeV, above. Measured as the header says.
struct Levels {
  double fits, join, rangeLowest, rangeLow, rangeMiddle, rangeHigh;
};
constexpr Levels ClassLevels[] = {
    /* ElementRow  */ {0.1, 2, 0.3, 0.15, 1, 0.2},
    /* RowOff      */ {15, 5, 15, 15, 10, 0.7},
    /* MoleculeRow */ {0.1, 1.5, 0.3, 0.15, 0.7, 0.2},
    /* Aqueous     */ {5, 2, 1.5, 2, 2, 0.1},
    /* BraggSum    */ {7, 3, 3, 5, 2, 0.2},
};
// Per cent, electronic above the join, every class.
constexpr double BetheLevel = 0.3;

}  // namespace

LowEnergyClass LowEnergyClassOf(const ElectronicStoppingModel& model) {
  if (model.molecule) return LowEnergyClass::MoleculeRow;
  if (model.water > 0.0) return LowEnergyClass::Aqueous;
  // A compound's differences come from its own data as a whole, whatever its elements' rows:
  // silicon dioxide is off where silicon is not, and the other way round.
  if (model.material.composition.size() > 1) return LowEnergyClass::BraggSum;
  return ElementFitRow(model.material.composition.front().z).reproducesPublishedTable
             ? LowEnergyClass::ElementRow
             : LowEnergyClass::RowOff;
}

TableUncertainty UncertaintyOf(const ElectronicStoppingModel& model) {
  const Levels& l = ClassLevels[static_cast<int>(LowEnergyClassOf(model))];
  return {{{JoinStartMeV, l.fits}, {JoinEndMeV, l.join}, {std::nullopt, BetheLevel}},
          {{RangeLowestEndMeV, l.rangeLowest},
           {JoinStartMeV, l.rangeLow},
           {RangeMiddleEndMeV, l.rangeMiddle},
           {std::nullopt, l.rangeHigh}}};
}

TableUncertainty UncertaintyOf(const Material& material) {
  return UncertaintyOf(PrepareElectronicStopping(material));
}

}  // namespace alphastop::tables
