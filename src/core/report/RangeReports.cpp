#include "core/report/RangeReports.h"

#include "core/lookup/Interpolation.h"
#include "core/range/RangeInterpolation.h"
#include "core/report/TableReport.h"
#include "core/units/Thickness.h"

namespace alphastop {
namespace {

ReportCell Micrometres(double arealDensity, std::optional<double> density) {
  if (!density) return std::monostate{};
  return ArealDensityToMicrometres(arealDensity, *density);
}

// Numbers, then cells that may be empty. Cells are added one by one: a braced list of them
// draws a false -Wmaybe-uninitialized from GCC 12 at -O3.
ReportRow Row(std::initializer_list<double> numbers, std::initializer_list<ReportCell> cells) {
  ReportRow row;
  row.reserve(numbers.size() + cells.size());
  for (double number : numbers) row.emplace_back(number);
  for (const ReportCell& cell : cells) row.push_back(cell);
  return row;
}

}  // namespace

std::vector<ReportColumn> StoppingColumns() {
  std::vector<ReportColumn> columns = TableColumns();
  columns.push_back({"csda_range_um", "CSDA range", "\u00b5m", true});
  columns.push_back({"projected_range_um", "projected range", "\u00b5m", true});
  return columns;
}

Checked<ReportRow> StoppingRow(const MaterialTable& table, double energy) {
  const Checked<Ranges> ranges = RangeAtEnergy(table, energy);
  if (const auto* no = std::get_if<Refusal>(&ranges)) return *no;
  const Ranges r = std::get<Ranges>(ranges);
  // Within the table's energies there is always a bracket.
  const StopPowers s = InterpolateStopPower(table, energy).value();
  return Row({energy, s.electronic, s.nuclear, s.total, r.csda, r.projected},
             {Micrometres(r.csda, table.density), Micrometres(r.projected, table.density)});
}

std::vector<ReportColumn> EnergyColumns() {
  return {{"range_g_cm2", "CSDA range", "g/cm2"},
          {"range_um", "CSDA range", "\u00b5m", true},
          {"energy_MeV", "energy", "MeV"}};
}

Checked<ReportRow> EnergyRow(const MaterialTable& table, double csdaRange) {
  const Checked<double> energy = EnergyFromCsdaRange(table, csdaRange);
  if (const auto* no = std::get_if<Refusal>(&energy)) return *no;
  ReportRow row = Row({csdaRange}, {Micrometres(csdaRange, table.density)});
  row.emplace_back(std::get<double>(energy));
  return row;
}

std::vector<ReportColumn> LayerColumns() {
  return {{"layer", "layer", ""},
          {"material", "material", ""},
          {"thickness_g_cm2", "thickness", "g/cm2"},
          {"thickness_um", "thickness", "\u00b5m", true},
          {"energy_in_MeV", "energy in", "MeV"},
          {"energy_out_MeV", "energy out", "MeV"},
          {"stopped_at_um", "stopped at", "\u00b5m", true},
          {"energy_lost_MeV", "energy lost", "MeV"},
          {"straggling_fwhm_keV", "straggling FWHM", "keV"}};
}

std::vector<ReportRow> LayerRows(const StackResult& stack) {
  std::vector<ReportRow> rows;
  for (std::size_t k = 0; k < stack.layers.size(); ++k) {
    const LayerResult& layer = stack.layers[k];
    if (layer.state != LayerState::Crossed && layer.state != LayerState::StoppedIn) break;
    rows.push_back({static_cast<long>(k + 1), layer.material, layer.thickness.value_or(0),
                    NumberOrEmpty(layer.ThicknessMicrometres()), layer.energyIn, layer.energyOut,
                    NumberOrEmpty(layer.StopDepthMicrometres()), layer.energyLost,
                    NumberOrEmpty(layer.StragglingFwhmKeV())});
  }
  return rows;
}

std::vector<std::pair<std::string, ReportCell>> MaterialFacts(const std::string& name,
                                                              const MaterialTable& table) {
  return {{"material", name},
          {"title", table.MaterialTitle},
          {"density_g_cm3", NumberOrEmpty(table.density)}};
}

}  // namespace alphastop
