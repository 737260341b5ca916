#pragma once
#include <string>
#include <string_view>

#include "core/units/Checked.h"

namespace alphastop {

// A field of a data row as a number: an optional sign, digits with at most one ".", and an
// optional exponent ("E" or "e", an optional sign, at least one digit); nothing else.
// Either the value, or the reason it is not a usable number.
Checked<double> ParseNumberField(std::string_view field);

// The length of the number that text begins with, in the grammar above; an "e" that no
// digit follows is left out of it ("2500eV" gives 4). 0 where text begins with no number.
std::size_t NumberLength(std::string_view text);

}  // namespace alphastop
