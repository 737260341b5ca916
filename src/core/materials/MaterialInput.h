#pragma once
// A material as a user types it, field by field, checked into a Material: whatever a user
// gives as a material is read here, and the materials file's compositions too.
//
// A composition is one text in one of three forms, told apart by their look:
//   a chemical formula      "C10H8O4", "Ca(OH)2", "C1.5H2"  (as CompositionOfFormula reads it)
//   weights by atomic number "1:0.111894,8:0.888106"   (fractions by weight adding up to 1)
//   atoms by element symbol  "H:2,O:1", "C:10,H:8,O:4"  (counts, decimals allowed)
// Pairs are separated by commas or blanks. Numbers follow the data files' grammar, whatever
// the locale. Blanks around every field are ignored.

#include "core/materials/Material.h"
#include "core/units/Checked.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace alphastop::tables {

enum class MaterialField { Name, Composition, Density, MeanExcitationEnergy };

enum class CompositionForm { Formula, Weights, Atoms };

struct MaterialInput {
  std::string name;                  // "Polyethylene naphthalate"; must give a file name
  std::string composition;           // in one of the three forms
  std::string density;               // g/cm3, above 0 and at most 30
  std::string meanExcitationEnergy;  // eV, 10 to 2000; empty for the default of the composition
  Phase phase = Phase::Condensed;
  // When set, a composition of another form is refused: "--weights H:2,O:1" is a slip.
  std::optional<CompositionForm> form;
};

struct MaterialFault {
  MaterialField field;
  // Names the field and quotes its text: density "0": must be above 0 and at most 30 g/cm3
  std::string message;
};

struct CheckedMaterial {
  // The material, its fractions renormalised to add up to 1 and its file name from its name
  // (MaterialFileName); set exactly when there is no fault.
  std::optional<Material> material;
  // eV: DefaultMeanExcitationEnergy of the composition and phase, whenever the composition
  // is good, whatever the other fields hold.
  std::optional<double> defaultMeanExcitationEnergy;
  std::vector<MaterialFault> faults;  // at most one a field, in the order of MaterialField
};

// Checks every field, so that all the faults can be shown at once, each beside its field.
CheckedMaterial ParseMaterialInput(const MaterialInput& input);

// The form a composition text has: pairs with a number before ':' are weights, pairs with a
// letter before it atoms, a text without ':' a formula.
CompositionForm FormOfComposition(std::string_view text);

// Fractions by weight of a composition text, checked (CheckComposition) and renormalised,
// in the order given. A refusal names the form and quotes the text, then the fault:
//   atoms "H:2,Xx:1": unknown element symbol "Xx"
// Refused: an empty text, an unknown symbol, an atomic number outside 1..92, an element
// given twice, a fraction or count that is not a number above zero, fractions by weight
// that do not add up to 1 within 1e-3, and a form other than `form` where that is set.
Checked<std::vector<ElementFraction>> ParseComposition(
    std::string_view text, std::optional<CompositionForm> form = std::nullopt);

}  // namespace alphastop::tables
