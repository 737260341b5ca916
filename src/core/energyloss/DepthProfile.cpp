#include "core/energyloss/DepthProfile.h"

#include <algorithm>
#include <string>

#include "core/lookup/Interpolation.h"
#include "core/range/LayerStack.h"
#include "core/range/RangeChecks.h"
#include "core/range/RangeInterpolation.h"
#include "core/units/Thickness.h"

namespace alphastop {
namespace {

// The step between points, as a fraction of the residual CSDA range: the energy changes by
// about 1 % from one point to the next, where the stopping power is nearly straight.
constexpr double ResidualRangeStep = 0.02;
constexpr double KeVPerMicrometrePerMeVPerCm = 0.1;  // 1 MeV/cm = 1000 keV / 1e4 um

// Adds the points of one layer, entered at depth (g/cm2) and depthMicrometres.
class LayerSampler {
 public:
  LayerSampler(DepthProfile& profile, const DepthLayer& layer, int number, double depth,
               std::optional<double> depthMicrometres)
      : profile_(profile),
        layer_(layer),
        number_(number),
        depth_(depth),
        depthMicrometres_(depthMicrometres) {}

  void Add(double x, double energy, double stopping) {
    DepthPoint point{.layer = number_,
                     .depth = depth_ + x,
                     .energy = energy,
                     .stopping = stopping,
                     .depthMicrometres = {},
                     .stoppingKeVPerMicrometre = {}};
    if (layer_.density) {
      point.stoppingKeVPerMicrometre = stopping * *layer_.density * KeVPerMicrometrePerMeVPerCm;
      if (depthMicrometres_)
        point.depthMicrometres = *depthMicrometres_ + ArealDensityToMicrometres(x, *layer_.density);
    }
    profile_.points.push_back(point);
  }

  void AddAt(double x, double energy) {
    Add(x, energy, InterpolateStopPower(*layer_.material, energy)->total);
  }

 private:
  DepthProfile& profile_;
  const DepthLayer& layer_;
  int number_;
  double depth_;
  std::optional<double> depthMicrometres_;
};

}  // namespace

Checked<DepthProfile> ProfileThroughLayers(std::span<const DepthLayer> layers, double energyIn) {
  if (auto no = CheckEnergyGiven(energyIn)) return *no;
  DepthProfile profile;
  double energy = energyIn, depth = 0;
  std::optional<double> depthMicrometres = 0.0;
  for (std::size_t k = 0; k < layers.size() && !profile.stopped; ++k) {
    const auto inLayer = [&](const std::string& why) {
      return Refusal{"layer " + std::to_string(k + 1) + ": " + why};
    };
    const DepthLayer& layer = layers[k];
    if (!layer.material) return inLayer("no material is given");
    const MaterialTable& table = *layer.material;
    const auto crossing = CrossLayer(table, layer.thickness, energy);
    if (const auto* no = std::get_if<Refusal>(&crossing)) return inLayer(no->message);
    const LayerCrossing& through = std::get<LayerCrossing>(crossing);
    // CrossLayer has looked this range up already, so it cannot be refused here.
    const double rangeIn = std::get<double>(CsdaRangeAtEnergy(table, energy));

    LayerSampler sampler(profile, layer, static_cast<int>(k + 1), depth, depthMicrometres);
    sampler.AddAt(0, energy);
    const double end = through.stopDepth.value_or(layer.thickness);
    // Where it stops, the table follows the particle down to row 1's energy only.
    const double lastSampled =
        through.stopDepth ? std::min(end, rangeIn - table.RangeData(1, CsdaRange)) : end;
    // CrossLayer has checked the table's CSDA column; the residual is held at row 1's range
    // against the rounding of rangeIn - x.
    const auto energyAt = [&](double x) {
      return EnergyAtCheckedCsdaRange(table, std::max(rangeIn - x, table.RangeData(1, CsdaRange)));
    };
    for (double x = ResidualRangeStep * rangeIn; x < lastSampled;
         x += ResidualRangeStep * (rangeIn - x))
      sampler.AddAt(x, energyAt(x));
    if (through.stopDepth) {
      if (lastSampled > 0) sampler.AddAt(lastSampled, energyAt(lastSampled));
      sampler.Add(end, 0, 0);
      profile.stopped = true;
    } else {
      sampler.AddAt(end, through.energyOut);
    }
    energy = through.energyOut;
    depth += end;
    if (depthMicrometres && layer.density)
      *depthMicrometres += ArealDensityToMicrometres(end, *layer.density);
    else
      depthMicrometres.reset();
  }
  return profile;
}

}  // namespace alphastop
