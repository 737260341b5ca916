#pragma once
// The commands of alphastop-calc that write pictures: graph and compare. Drawing needs Qt,
// which the calculator does not link so that its queries start at once: each command
// checks what it was given as every other command does, then becomes alphastop-graph, the
// program beside it that draws. A comparison's CSV is written here.

#include <string>
#include <vector>

#include "app/calc/CalcMaterials.h"

namespace alphastop::calc {

struct PictureOptions {
  int scale = 1;                 // a PNG's pixels per pixel of the picture, 1 to 8
  std::string style = "screen";  // screen or print, as the command line checks it
};

// Writes the graph of material to out (.png or .svg), the ranges in place of the stopping
// powers where ranges is set, by running the alphastop-graph found in argv0's folder in
// place of this process. Returns only by throwing a CalcError.
[[noreturn]] void WriteGraph(const CalcMaterials& materials, const std::string& material,
                             const std::string& out, const PictureOptions& picture, bool ranges,
                             const char* argv0);

struct CompareOptions {
  std::string quantity = "total";  // electronic, nuclear, total, csda or projected
  int base = 1;                    // the curve the differences are taken from, from 1
  PictureOptions picture;
};

// Compares the materials of words (all but the last) in a file, the last word: a CSV
// table, written here, or a PNG or SVG picture, written by alphastop-graph as above.
// Throws a CalcError for bad input, a table that cannot be read and a file that cannot be
// written; returns once a CSV is written.
void WriteComparison(const CalcMaterials& materials, const std::vector<std::string>& words,
                     const CompareOptions& options, const char* argv0);

}  // namespace alphastop::calc
