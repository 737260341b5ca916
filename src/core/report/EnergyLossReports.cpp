#include "core/report/EnergyLossReports.h"

#include "core/energyloss/EnergyLossThickness.h"
#include "core/nuclides/Nuclides.h"
#include "core/energyloss/Straggling.h"
#include "core/units/Thickness.h"

namespace alphastop {
namespace {

ReportCell Micrometres(double arealDensity, std::optional<double> density) {
  if (!density) return std::monostate{};
  return ArealDensityToMicrometres(arealDensity, *density);
}

}  // namespace

std::vector<ReportColumn> RangeStragglingColumns() {
  return {{"range_straggling_g_cm2", "range straggling", "g/cm2"},
          {"range_straggling_um", "range straggling", "\u00b5m", true}};
}

ReportRow RangeStragglingCells(const MaterialTable& table, double energy) {
  const Checked<double> sigma = RangeStraggling(table, energy);
  if (!ValueOf(sigma)) return {std::monostate{}, std::monostate{}};
  return {*ValueOf(sigma), Micrometres(*ValueOf(sigma), table.density)};
}

std::vector<ReportColumn> ThicknessColumns() {
  return {{"material", "material", ""},
          {"energy_in_MeV", "energy in", "MeV"},
          {"energy_out_MeV", "energy out", "MeV"},
          {"thickness_g_cm2", "thickness", "g/cm2"},
          {"thickness_um", "thickness", "\u00b5m", true}};
}

Checked<ReportRow> ThicknessRow(const std::string& name, const MaterialTable& table,
                                double energyIn, double energyOut) {
  const Checked<double> thickness = ThicknessFromEnergyLoss(table, energyIn, energyOut);
  if (const Refusal* no = Refused(thickness)) return *no;
  return ReportRow{name, energyIn, energyOut, *ValueOf(thickness),
                   Micrometres(*ValueOf(thickness), table.density)};
}

std::vector<ReportColumn> DepthColumns() {
  return {{"layer", "layer", ""},
          {"material", "material", ""},
          {"depth_um", "depth", "\u00b5m", true},
          {"energy_MeV", "energy", "MeV"},
          {"stopping_keV_um", "stopping power", "keV/\u00b5m"}};
}

std::vector<ReportRow> DepthRows(const DepthProfile& profile, const StackResult& stack) {
  std::vector<ReportRow> rows;
  rows.reserve(profile.points.size());
  for (const DepthPoint& point : profile.points) {
    const auto layer = static_cast<std::size_t>(point.layer - 1);
    rows.push_back({static_cast<long>(point.layer),
                    layer < stack.layers.size() ? stack.layers[layer].material : std::string(),
                    NumberOrEmpty(point.depthMicrometres), point.energy,
                    NumberOrEmpty(point.stoppingKeVPerMicrometre)});
  }
  return rows;
}

std::vector<ReportColumn> NuclideColumns() {
  return {{"nuclide", "nuclide", ""},
          {"energy_keV", "energy", "keV"},
          {"intensity_percent", "intensity", "%"}};
}

std::vector<ReportRow> NuclideRows() {
  std::vector<ReportRow> rows;
  for (const Nuclide& nuclide : ShippedNuclides())
    for (const AlphaLine& line : nuclide.lines)
      rows.push_back({nuclide.name, line.energyKeV, line.intensityPercent});
  return rows;
}

}  // namespace alphastop
