#include "core/physics/HeliumFits.h"

#include "core/materials/Elements.h"
#include "core/materials/MaterialInput.h"
#include "core/physics/PhysicalConstants.h"
#include "core/physics/PhysicsDataText.h"
#include "core/physics/TsvText.h"

#include <array>
#include <cassert>
#include <cmath>
#include <stdexcept>

namespace alphastop::tables {
namespace {

// The composition each molecule row was fitted for: the formula its name gives, and for
// cellulose nitrate, which has no formula unit, the composition of ICRU Report 37 (1984).
struct MoleculeComposition {
  std::string_view id;
  std::string_view composition;  // as ParseComposition reads it
};
constexpr MoleculeComposition MoleculeCompositions[] = {
    {"CaF2", "CaF2"},
    {"cellulose nitrate", "1:0.029216,6:0.271296,7:0.121276,8:0.578212"},
    {"LiF", "LiF"},
    {"polycarbonate C16H14O3", "C16H14O3"},
    {"polyethylene (C2H4)n", "C2H4"},
    {"PMMA C5H8O2", "C5H8O2"},
    {"polystyrene (C8H8)n", "C8H8"},
    {"NaI", "NaI"},
    {"water, liquid", "H2O"},
};

std::vector<ElementFraction> CompositionOfMolecule(std::string_view id) {
  for (const MoleculeComposition& m : MoleculeCompositions) {
    if (m.id != id) continue;
    auto parsed = ParseComposition(m.composition);
    if (auto* no = std::get_if<Refusal>(&parsed)) throw std::logic_error(no->message);
    return std::get<std::vector<ElementFraction>>(std::move(parsed));
  }
  throw std::logic_error("helium fits: no composition for the molecule row \"" + std::string(id) +
                         "\"");
}

struct FitData {
  std::array<HeliumFitRow, MaxAtomicNumber> elements{};
  HeliumFitRow amorphousCarbon;
  std::vector<MoleculeFitRow> molecules;
};

// Columns: kind id A1 A2 A3 A4 A5 mass_g_per_mol note.
FitData ParseFits(std::string_view text) {
  FitData data;
  std::array<bool, MaxAtomicNumber> seen{};
  for (const TsvRow& row : TsvRows(text, "kind", 8)) {
    HeliumFitRow fit;
    double* coefficients[] = {&fit.a1, &fit.a2, &fit.a3, &fit.a4, &fit.a5};
    for (int i = 0; i < 5; ++i) *coefficients[i] = row.Number(2 + i);
    fit.reproducesPublishedTable = row.Text(8).find("does not reproduce") == std::string_view::npos;
    const std::string_view kind = row.Text(0), id = row.Text(1);
    if (kind == "element") {
      const double z = row.Number(1);
      if (z != std::floor(z) || z < 1 || z > MaxAtomicNumber) row.Fail("atomic number");
      fit.mass = AtomicWeight(static_cast<int>(z));
      data.elements[static_cast<std::size_t>(z - 1)] = fit;
      seen[static_cast<std::size_t>(z - 1)] = true;
    } else if (kind == "element_variant" && id == "C_amorphous") {
      fit.mass = row.Number(7);
      data.amorphousCarbon = fit;
    } else if (kind == "molecule") {
      fit.mass = row.Number(7);
      data.molecules.push_back({std::string(id), fit, CompositionOfMolecule(id)});
    } else {
      row.Fail("kind of row");
    }
  }
  for (bool found : seen)
    if (!found) throw std::logic_error("helium fits: an element row is missing");
  if (data.amorphousCarbon.mass == 0.0)
    throw std::logic_error("helium fits: the amorphous-carbon row is missing");
  return data;
}

const FitData& Fits() {
  static const FitData data = ParseFits(HeliumFitsText());
  return data;
}

bool SameComposition(const std::vector<ElementFraction>& a, const std::vector<ElementFraction>& b) {
  if (a.size() != b.size()) return false;
  for (const ElementFraction& part : a) {
    bool found = false;
    for (const ElementFraction& other : b)
      found |= other.z == part.z && std::abs(other.weight - part.weight) <= MoleculeWeightTolerance;
    if (!found) return false;
  }
  return true;
}

}  // namespace

const HeliumFitRow& ElementFitRow(int z) {
  assert(z >= 1 && z <= MaxAtomicNumber);
  return Fits().elements[static_cast<std::size_t>(z - 1)];
}

const HeliumFitRow& AmorphousCarbonFitRow() { return Fits().amorphousCarbon; }

std::span<const MoleculeFitRow> MoleculeFitRows() { return Fits().molecules; }

const MoleculeFitRow& LiquidWaterFitRow() {
  for (const MoleculeFitRow& row : MoleculeFitRows())
    if (row.id == "water, liquid") return row;
  throw std::logic_error("helium fits: the liquid-water row is missing");
}

const MoleculeFitRow* MoleculeRowOf(const Material& material) {
  if (material.moleculeFit) {
    if (material.moleculeFit->empty()) return nullptr;
    for (const MoleculeFitRow& row : MoleculeFitRows())
      if (row.id == *material.moleculeFit) return &row;
    throw std::invalid_argument("no helium fit for the molecule \"" + *material.moleculeFit + "\"");
  }
  if (material.phase != Phase::Condensed) return nullptr;
  for (const MoleculeFitRow& row : MoleculeFitRows())
    if (SameComposition(material.composition, row.composition)) return &row;
  return nullptr;
}

double FitStopping(const HeliumFitRow& row, double energyMeV) {
  const double low = row.a1 * std::pow(1000.0 * energyMeV, row.a2);
  const double high = row.a3 / energyMeV * std::log(1.0 + row.a4 / energyMeV + row.a5 * energyMeV);
  return low * high / (low + high);
}

double FitMassStopping(const HeliumFitRow& row, double energyMeV) {
  return FitStopping(row, energyMeV) * AvogadroPer1e21 / row.mass;
}

}  // namespace alphastop::tables
