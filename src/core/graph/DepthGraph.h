#pragma once
// The depth profile of a stack as a small picture: the stopping power against the depth
// along the track on linear axes, a line at the exit of each layer the particle crosses and
// a square where it stops. Lengths in µm and the stopping power in keV/µm where every
// layer's density is known and the densities lie within a factor of ten of each other;
// else mg/cm² and MeV cm²/g, in which a centimetre of air and a few µm of foil, which take
// energies of one size, also take room of one size.

#include <optional>
#include <string>

#include "core/graph/GraphMapping.h"
#include "core/graph/Plot.h"
#include "core/energyloss/DepthProfile.h"

namespace alphastop {

Plot DepthPlotOf(const DepthProfile& profile);

// Where the plot lies in a picture of width x height pixels, y upward from the bottom.
struct DepthLayout {
  UserScale scale;
  PlotLayout plot;
};
DepthLayout LayoutDepthPicture(double width, double height);

// What the pointer reads at x, a depth in the plot's unit: the profile's point nearest in
// depth, "depth 1.234E+01 µm: 5.123E+00 MeV, dE/dx 9.821E+01 keV/µm" (UTF-8); nullopt for
// an empty profile or an x outside its depths.
std::optional<std::string> DepthReadoutAt(const DepthProfile& profile, double x);

}  // namespace alphastop
