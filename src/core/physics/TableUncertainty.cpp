#include "core/physics/TableUncertainty.h"

namespace alphastop::tables {
namespace {

// Weight share above which an element whose row does not fit sets the class.
constexpr double RowOffShare = 0.05;
constexpr double RangeLowestEndMeV = 0.01;
constexpr double RangeMiddleEndMeV = 10.0;

// Per cent, by LowEnergyClass: electronic up to JoinStartMeV, in the join; CSDA range up to
// RangeLowestEndMeV, JoinStartMeV, RangeMiddleEndMeV, above. Measured as the header says.
struct Levels {
  double fits, join, rangeLowest, rangeLow, rangeMiddle, rangeHigh;
};
constexpr Levels ClassLevels[] = {
    /* ElementRow  */ {0.1, 2, 0.3, 0.15, 1, 0.2},
    /* RowOff      */ {20, 10, 10, 15, 15, 0.7},
    /* MoleculeRow */ {0.1, 1.5, 0.3, 0.15, 0.7, 0.2},
    /* Aqueous     */ {5, 2, 1.5, 2, 2, 0.1},
    /* BraggSum    */ {7, 2, 2, 3, 1.5, 0.2},
};
// Per cent, electronic above the join, every class.
constexpr double BetheLevel = 0.3;

}  // namespace

LowEnergyClass LowEnergyClassOf(const ElectronicStoppingModel& model) {
  if (model.molecule) return LowEnergyClass::MoleculeRow;
  double offShare = 0.0;
  for (const ElementFraction& part : model.material.composition)
    if (!ElementFitRow(part.z).reproducesPublishedTable) offShare += part.weight;
  if (offShare > RowOffShare) return LowEnergyClass::RowOff;
  if (model.water > 0.0) return LowEnergyClass::Aqueous;
  return model.material.composition.size() == 1 ? LowEnergyClass::ElementRow
                                                : LowEnergyClass::BraggSum;
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
