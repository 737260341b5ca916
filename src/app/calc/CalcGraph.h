#pragma once
// The graph command of alphastop-calc. Drawing needs Qt, which the calculator does not link
// so that its queries start at once: the command checks what it was given as every other
// command does, then becomes alphastop-graph, the program beside it that draws.

#include <string>

#include "app/calc/CalcMaterials.h"

namespace alphastop::calc {

// Writes the graph of material to out (.png or .svg) at scale (a PNG's pixels per pixel
// of the window, 1 to MaxGraphScale, as the command line checks it), by running the
// alphastop-graph found in argv0's folder in place of this process. Returns only by
// throwing a CalcError.
[[noreturn]] void WriteGraph(const CalcMaterials& materials, const std::string& material,
                             const std::string& out, int scale, const char* argv0);

}  // namespace alphastop::calc
