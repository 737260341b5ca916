#pragma once
// Composition by weight from a chemical formula such as "H2O", "C2H4", "Ca(OH)2" or
// "C1.5H2" (counts may be decimal).

#include "core/materials/Material.h"

#include <string_view>
#include <vector>

namespace alphastop::tables {

// Fractions by weight in order of first appearance of each element.
// Throws std::invalid_argument for an unknown element symbol or a malformed formula.
std::vector<ElementFraction> CompositionOfFormula(std::string_view formula);

}  // namespace alphastop::tables
