#pragma once
// The energy and the stopping power of an alpha particle along its track through layers:
// the Bragg curve of a stack, for a plot of dE/dx against depth.

#include <optional>
#include <span>
#include <vector>

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

struct DepthLayer {
  const MaterialTable* material = nullptr;  // not owned; outlives the call
  double thickness = 0;                     // g/cm2 along the path (PathThickness for a tilt)
  std::optional<double> density;            // g/cm3 as the layer stands (LayerDensity); nullopt
                                            // where unknown: no lengths are given then
};

struct DepthPoint {
  int layer = 1;        // the layer the point lies in, from 1
  double depth = 0;     // g/cm2 along the path from the stack's entrance
  double energy = 0;    // MeV; 0 at the stop
  double stopping = 0;  // MeV cm2/g, the table's total at energy; 0 at the stop
  // The same in um and keV/um, where this layer's and every earlier layer's density is known.
  std::optional<double> depthMicrometres;
  std::optional<double> stoppingKeVPerMicrometre;
};

struct DepthProfile {
  // By depth. Each layer starts with a point at its entrance and ends with one at its exit,
  // so a boundary has two points at one depth, one with each side's stopping power; a layer
  // the particle stops in ends with the stop, at the depth CrossLayer gives. Between them
  // the points lie 2 % of the residual CSDA range apart, close enough that the trapezoidal
  // integral of the stopping power over a layer's points is within 0.1 % of its limit. That
  // limit is the energy the layer takes as far as the table's two columns agree: between two
  // rows the CSDA range follows the integral of 1/S (core/range/CsdaSegment.h), scaled to
  // meet both rows' ranges, which the tables state to four digits.
  std::vector<DepthPoint> points;
  bool stopped = false;  // the particle stops in the last layer listed in points
};

// The profile of a particle entering the first layer at energyIn (MeV), through each layer
// in turn as CrossLayers (core/range/LayerStack.h) takes it, the energies on the same CSDA
// ranges; layers after a stop are not reached. Layers of zero thickness give their two
// points at one depth. Refused as CrossLayers refuses, naming the layer.
Checked<DepthProfile> ProfileThroughLayers(std::span<const DepthLayer> layers, double energyIn);

}  // namespace alphastop
