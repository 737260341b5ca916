// Materials side by side: each curve read as the lookups read its table, the table of all
// of them on the union of their energies, and their differences where both have values.

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "core/compare/Comparison.h"
#include "core/lookup/Interpolation.h"
#include "core/range/RangeInterpolation.h"
#include "core/units/Thickness.h"
#include "support/CheckedValue.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::Value;

MaterialTable TableWithRanges(double first, double last, double scale = 1) {
  MaterialTable table = testing::GeometricTable(first, last);
  table.MaterialTitle = "MADE UP";
  table.density = 2.5;
  for (int r = 1; r <= RowCount; ++r) {
    TableRow& row = table.rows[std::size_t(r - 1)];
    for (double& s : row.stopPower) s *= scale;
    row.range = {1e-5 * r * r / scale, 0.9e-5 * r * r / scale};
  }
  return table;
}

TEST(Comparison, ReadsEachCurveAsTheLookupsReadItsTable) {
  const MaterialTable table = TableWithRanges(0.001, 1000);
  const TableCurves curves = CurvesOfTable(table, "Made_up");
  std::vector<double> energies{0.001, 0.00123, 0.5, 999.9, 1000};
  for (int r = 1; r <= RowCount; ++r) energies.push_back(table.Energy(r));
  for (bool micrometres : {false, true})
    for (Quantity q : {Quantity::Electronic, Quantity::Nuclear, Quantity::Total,
                       Quantity::CsdaRange, Quantity::ProjectedRange}) {
      if (micrometres && !IsRange(q)) continue;
      const Comparison comparison = Value(Compare({&curves, 1}, q, micrometres));
      for (double e : energies) {
        const StopPowers s = InterpolateStopPower(table, e).value();
        const Ranges ranges = Value(RangeAtEnergy(table, e));
        const double expected[] = {s.electronic, s.nuclear, s.total, ranges.csda, ranges.projected};
        double value = expected[static_cast<int>(q)];
        if (micrometres) value = ArealDensityToMicrometres(value, 2.5);
        EXPECT_EQ(ValueAt(comparison, comparison.curves[0], e), value) << e;
      }
      EXPECT_EQ(ValueAt(comparison, comparison.curves[0], 1000.5), std::nullopt);
    }
}

TEST(Comparison, TabulatesTheUnionOfTheGridsAndDiffersWhereBothCurvesHaveValues) {
  const MaterialTable wide = TableWithRanges(0.001, 1000), narrow = TableWithRanges(0.01, 100, 1.1);
  TableCurves curves[] = {CurvesOfTable(wide, "Wide"), CurvesOfTable(narrow, "Narrow")};
  const Comparison comparison = Value(Compare(curves, Quantity::Total, false));
  const Report report = ComparisonReport(comparison);
  ASSERT_EQ(report.columns.size(), 3u);
  EXPECT_EQ(report.columns[2].key, "Narrow_MeV_cm2_g");
  EXPECT_EQ(report.rows.size(), 2u * RowCount);
  for (const ReportRow& row : report.rows) {
    const double energy = std::get<double>(row[0]);
    EXPECT_TRUE(std::holds_alternative<double>(row[1]));
    EXPECT_EQ(std::holds_alternative<double>(row[2]), energy >= 0.01 && energy <= 100) << energy;
  }
  // Narrow's values are 1.1 times a line through Wide's in log-log, not on its rows.
  const std::vector<DataPoint> differences = DifferencePercent(comparison, 1, 0);
  EXPECT_GT(differences.size(), std::size_t(RowCount));
  for (const DataPoint& p : differences) EXPECT_TRUE(p.x >= 0.01 && p.x <= 100) << p.x;
  EXPECT_NEAR(differences.front().y,
              100 * (narrow.StopPower(1, Total) / InterpolateStopPower(wide, 0.01)->total - 1),
              1e-9);
  EXPECT_FALSE(ReadoutAt(comparison, 1, 1000)[0].differencePercent) << "beyond the base";
  curves[1].Of(Quantity::Nuclear).clear();
  EXPECT_EQ(testing::RefusalText(Compare(curves, Quantity::Nuclear, false)),
            "\"Narrow\" gives no nuclear stopping power");
}

}  // namespace
}  // namespace alphastop
