#include "core/report/TableReport.h"

namespace alphastop {

std::vector<ReportColumn> TableColumns() {
  return {{"energy_MeV", "energy", "MeV"},
          {"electronic_MeV_cm2_g", "electronic", "MeV cm2/g"},
          {"nuclear_MeV_cm2_g", "nuclear", "MeV cm2/g"},
          {"total_MeV_cm2_g", "total", "MeV cm2/g"},
          {"csda_range_g_cm2", "CSDA range", "g/cm2"},
          {"projected_range_g_cm2", "projected range", "g/cm2"}};
}

Report TableReport(const MaterialTable& table) {
  Report report{.about = {}, .columns = TableColumns(), .rows = {}};
  for (int r = 1; r <= RowCount; ++r)
    report.rows.push_back({table.Energy(r), table.StopPower(r, Electronic),
                           table.StopPower(r, Nuclear), table.StopPower(r, Total),
                           table.RangeData(r, CsdaRange), table.RangeData(r, ProjectedRange)});
  return report;
}

}  // namespace alphastop
