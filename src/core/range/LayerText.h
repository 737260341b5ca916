#pragma once
// A layer written on one line, as the calculator takes it:
//   MATERIAL:THICKNESS[,pressure=P][,temperature=T][,density=D]
// ("Silicon:300um", "Air:2cm,pressure=20mbar,temperature=25C", "Mylar:6um,density=1.2").
// The text after the last ':' is the thickness and its options, so that a material written
// out may hold ':' and ',' ("weights=1:0.11,8:0.89,density=1:30um").

#include <string_view>

#include "core/range/Stack.h"
#include "core/units/Checked.h"

namespace alphastop {

// The layer's texts, each read later as EvaluateStack reads it. Refused, quoting text: no
// ':' or nothing after it, an option that is not key=value with one of the three keys, and
// a key given twice.
Checked<LayerInput> ParseLayerText(std::string_view text);

}  // namespace alphastop
