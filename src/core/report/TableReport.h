#pragma once
// A material's table as a report: its rows with the six columns a load reads, numbers as
// the file gives them, and its title and density as facts.

#include <vector>

#include "core/data/MaterialTable.h"
#include "core/report/Report.h"

namespace alphastop {

// energy_MeV, electronic_MeV_cm2_g, nuclear_MeV_cm2_g, total_MeV_cm2_g, csda_range_g_cm2,
// projected_range_g_cm2.
std::vector<ReportColumn> TableColumns();

// The 122 rows of a loaded table, in order (MaterialFacts gives what to say above them).
Report TableReport(const MaterialTable& table);

}  // namespace alphastop
