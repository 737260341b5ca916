#pragma once
// What the lines above a table's rows say of its material, where they say it. Lines 3 to 10
// are free text that many files fill otherwise, so each fact is taken only from a line of its
// own form and is absent (no fault of the file) where the line says nothing of the kind:
//   line 1  "... computed with the AlphaStop model ..."   the program's own table
//   line 3  "Density 1.000E+00 g/cm3    Mean excitation energy 75.0 eV    Phase gas"
//   line 4  "Composition, atomic number: fraction by weight"
//   line 5  "1: 0.111898  8: 0.888102"
//   line 6  "Uncertainty, electronic: 0.4 % up to 1 MeV, 2 % up to 3.5 MeV, 0.3 % above; CSDA
//            range: 0.5 % up to 1 MeV, 1 % up to 10 MeV, 0.5 % above"   (one line)

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/materials/Material.h"

namespace alphastop {

enum class TablePhase { Unstated, Gas, Condensed };

// A relative uncertainty (per cent, above zero) that holds up to an energy (MeV, ascending; the
// last step has none and holds above the one before).
struct UncertaintyStep {
  std::optional<double> upToMeV;
  double percent = 0.0;
};

// How far a computed table's values may lie from the published tables (see the header of
// core/physics/TableUncertainty.h), by energy: each list non-empty, its last step without end.
struct TableUncertainty {
  std::vector<UncertaintyStep> electronic;
  std::vector<UncertaintyStep> csdaRange;
};

struct MaterialFacts {
  std::optional<double> density;               // g/cm3, finite and above zero
  std::optional<double> meanExcitationEnergy;  // I, eV, finite and above zero
  TablePhase phase = TablePhase::Unstated;
  // By weight, as line 5 gives them (atomic numbers 1..92, fractions above zero); empty where
  // line 4 does not announce a composition or line 5 is not wholly of that form.
  std::vector<tables::ElementFraction> composition;
  bool computedByModel = false;  // line 1 says the program's own model computed the table
  // Line 6 of a table line 1 says the model computed; nullopt for every other table.
  std::optional<TableUncertainty> uncertainty;
};

// The words of line 1 by which the program's own tables say so.
inline constexpr std::string_view ModelLineMark = "computed with the AlphaStop model";

// The facts of a table's first lines: lines[0] is line 1, and so on; fewer than 10 lines give
// what they hold. Line 5 counts as a composition only where line 4 announces one.
MaterialFacts FactsOfHeader(std::span<const std::string> lines);

// Line 6 of a computed table, as FactsOfHeader reads it back. Precondition: each list
// non-empty, ascending, its last step without end.
std::string FormatUncertaintyLine(const TableUncertainty& uncertainty);

// The relative uncertainty (per cent) of the electronic stopping power and of the CSDA range
// at an energy (MeV), as the table's header states it: nullopt where it states none (a table
// the model did not compute). The step that holds at an energy is the first whose end is at
// or above it.
std::optional<double> ElectronicUncertaintyPercent(const MaterialFacts& facts, double energyMeV);
std::optional<double> CsdaRangeUncertaintyPercent(const MaterialFacts& facts, double energyMeV);

}  // namespace alphastop
