#pragma once
// The one reading of a quantity as typed, shared by every kind of quantity: a number, then
// the name of a unit, blanks and line ends allowed around both. Which names are units, and
// what they are worth, each kind says for itself (QuantityText.h, ConditionText.h).

#include <string_view>

#include "core/units/Checked.h"

namespace alphastop {

struct NumberAndUnit {
  double number = 0;      // finite
  std::string_view unit;  // what follows the number, without blanks around it; empty if none
};

// Refused, the message quoting text first: empty text ("no number is given"), text that
// does not begin with a number or whose rest can only be part of a malformed number, as
// "1..2" and "1 5" leave ("not a number"), and a number beyond a double ("the number is
// out of range").
Checked<NumberAndUnit> ReadNumberAndUnit(std::string_view text);

// Whether a unit typed is the unit named, in any letter case where anyCase.
bool SameUnitName(std::string_view typed, std::string_view name, bool anyCase);

}  // namespace alphastop
