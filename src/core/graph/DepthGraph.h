#pragma once
// The depth profile of a stack as a small picture: the stopping power against the depth
// along the track on linear axes, a line at the exit of each layer the particle crosses and
// a square where it stops. Lengths in µm and the stopping power in keV/µm where every
// layer's density is known and the densities lie within a factor of ten of each other;
// else mg/cm² and MeV cm²/g, in which a centimetre of air and a few µm of foil, which take
// energies of one size, also take room of one size.

#include "core/graph/DrawingSurface.h"
#include "core/graph/GraphMapping.h"
#include "core/graph/GraphStyle.h"
#include "core/graph/Plot.h"
#include "core/spectroscopy/DepthProfile.h"

namespace alphastop {

Plot DepthPlotOf(const DepthProfile& profile);

// Where the plot lies in a picture of width x height pixels, y upward from the bottom.
struct DepthLayout {
  UserScale scale;
  PlotLayout plot;
};
DepthLayout LayoutDepthPicture(double width, double height);

// Clears the surface and draws the profile's plot on it.
void DrawDepthPicture(DrawingSurface& surface, const DepthProfile& profile, GraphStyle style,
                      const DepthLayout& layout);

}  // namespace alphastop
