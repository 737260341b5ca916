#pragma once
// A material written out on one line where a command takes the name of a table:
//   formula=C10H8O4,density=1.4[,ivalue=78.7][,gas|,condensed][,name=Mylar]
//   weights=1:0.111894,8:0.888106,density=1     atoms=H:2,O:1,density=1,name=Water
// Pieces are separated by commas, blanks around them ignored. A piece without "=" that is
// not gas or condensed continues the value before it, comma and all, so a composition or a
// name may hold commas: "name=Water, liquid".

#include "core/materials/MaterialInput.h"
#include "core/units/Checked.h"

#include <string_view>

namespace alphastop::tables {

// Whether text is written as such a material: it begins with formula=, weights= or atoms=.
bool IsInlineMaterial(std::string_view text);

// The fields of an inline material for ParseMaterialInput: the composition with the form of
// its key, the name given or else the composition text, ivalue empty where none is given.
// Refused, quoting the text: a key other than formula, weights, atoms, density, ivalue and
// name, a key given twice, and more than one composition.
Checked<MaterialInput> ParseInlineMaterial(std::string_view text);

}  // namespace alphastop::tables
