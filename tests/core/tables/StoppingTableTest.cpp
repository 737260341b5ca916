// The computed table and the file written from it: ranges consistent with the stopping power,
// detour factor, and a layout the calculator reads back. (ReferenceAccuracyTest checks the
// energy grid against every reference table.)

#include "core/data/MaterialFile.h"
#include "core/tables/EnergyGrid.h"
#include "core/tables/RangeIntegration.h"
#include "core/tables/StoppingTable.h"
#include "core/tables/TableWriter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <sstream>

#include "support/TableFiles.h"

namespace alphastop::tables {
namespace {

Material Water() {
  return {"Water, liquid", "Water_liquid.asc", Phase::Condensed, 1.0, 75.0, {{1, 0.111894}, {8, 0.888106}}};
}

TEST(RangeIntegration, GivesTheAnalyticRanges) {
  const auto grid = StandardEnergyGrid();
  const std::vector<double> energies(grid.begin(), grid.end());
  const auto straight = [](double) { return 0.0; };
  // Constant S: R = E / S, and with no deflection the projected range is the CSDA range.
  const Ranges flat = IntegrateRanges([](double) { return 10.0; }, straight, energies);
  // S = c sqrt(E): R = 2 sqrt(E) / c.
  const Ranges rising = IntegrateRanges([](double e) { return 50.0 * std::sqrt(e); }, straight, energies);
  for (std::size_t i = 0; i < energies.size(); ++i) {
    EXPECT_NEAR(flat.csda[i], energies[i] / 10.0, 1e-6 * energies[i]);
    EXPECT_NEAR(flat.projected[i], flat.csda[i], 1e-12 * flat.csda[i]);
    EXPECT_NEAR(rising.csda[i], 2 * std::sqrt(energies[i]) / 50.0, 1e-5 * rising.csda[i]);
  }
  // Constant S and transport cross-section k: R_p = (1 - exp(-k R)) / k, up to k R = 2.
  std::vector<double> low;
  for (double e : grid)
    if (e <= 1.0) low.push_back(e);
  const double k = 20.0;
  const Ranges turning = IntegrateRanges([](double) { return 10.0; }, [k](double) { return k; }, low);
  for (std::size_t i = 0; i < low.size(); ++i)
    EXPECT_NEAR(turning.projected[i], (1 - std::exp(-k * turning.csda[i])) / k, 1e-4 * turning.projected[i]);
}

TEST(StoppingTable, OfWaterAndGoldIsPositiveRepeatableAndItsRangesFollowTheStoppingPower) {
  const Material gold{"Gold", "Gold.as", Phase::Condensed, 19.32, 790.0, {{79, 1.0}}};
  for (const Material& material : {Water(), gold}) {
    SCOPED_TRACE(material.name);
    const StoppingTable table = ComputeStoppingTable(material);
    const StoppingTable again = ComputeStoppingTable(material);
    for (std::size_t i = 0; i < table.size(); ++i) {
      const StoppingRow& b = table[i];
      EXPECT_GT(b.electronic, 0.0) << b.energy;
      EXPECT_GT(b.nuclear, 0.0) << b.energy;
      EXPECT_DOUBLE_EQ(b.total, b.electronic + b.nuclear);
      EXPECT_GT(b.detourFactor, 0.0) << b.energy;
      EXPECT_LE(b.detourFactor, 1.0) << b.energy;
      EXPECT_DOUBLE_EQ(b.detourFactor, b.projectedRange / b.csdaRange);
      EXPECT_EQ(b.total, again[i].total);
      EXPECT_EQ(b.projectedRange, again[i].projectedRange);
      if (i == 0) continue;
      const StoppingRow& a = table[i - 1];
      EXPECT_GT(b.csdaRange, a.csdaRange) << b.energy;
      EXPECT_GT(b.projectedRange, a.projectedRange) << b.energy;
      // dR/dE = 1/S: the range gained over a step against the step over the mean stopping,
      // within what the curvature of 1/S over one step allows.
      const double expected = (b.energy - a.energy) * 0.5 * (1 / a.total + 1 / b.total);
      EXPECT_NEAR((b.csdaRange - a.csdaRange) / expected, 1.0, 0.03) << b.energy;
    }
    EXPECT_GT(table.back().detourFactor, 0.99);
    EXPECT_LT(table.front().detourFactor, 0.7);
  }
}

TEST(TableWriter, WritesThreeDecimalsWithACapitalExponent) {
  EXPECT_EQ(FormatScientific(1e-3), "1.000E-03");
  EXPECT_EQ(FormatScientific(1000.0), "1.000E+03");
  EXPECT_EQ(FormatScientific(0.12345), "1.235E-01");
  EXPECT_EQ(FormatScientific(9.9996), "1.000E+01");
  EXPECT_EQ(FormatScientific(327.1), "3.271E+02");
}

TEST(TableWriter, IgnoresTheCLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const bool switched = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8");
  EXPECT_EQ(FormatScientific(1.5), "1.500E+00");
  std::setlocale(LC_ALL, previous.c_str());
  if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
}

TEST(TableWriter, WritesAFileTheCalculatorReadsBack) {
  const Material water = Water();
  const StoppingTable table = ComputeStoppingTable(water);
  const std::string text = FormatStoppingTable(water, table);
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 132u);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.back(), '\n');
  EXPECT_NE(lines[0].find("AlphaStop"), std::string::npos);
  EXPECT_NE(lines[0].find("not a reference table"), std::string::npos);
  EXPECT_EQ(lines[2], "Density 1.000E+00 g/cm3    Mean excitation energy 75.0 eV");
  EXPECT_EQ(lines[4], "1: 0.111894  8: 0.888106");
  EXPECT_TRUE(lines[9].empty());

  const testing::TempFolder folder;
  const auto path = folder.Path() / "asc" / "Water_liquid.asc";  // the folder is created
  WriteStoppingTable(path, water, table);
  std::ifstream file(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), text);
  EXPECT_THROW(WriteStoppingTable("/proc/alphastop/no/such.asc", water, table), std::exception);

  const auto error = LoadMaterialTable(path.string());
  ASSERT_FALSE(error) << error->Message();
  const MaterialTable& read = SharedMaterialTable();
  EXPECT_EQ(read.MaterialTitle, "WATER, LIQUID");
  for (int r = 1; r <= RowCount; ++r) {
    const std::string& line = lines[9 + r];
    const StoppingRow& row = table[r - 1];
    // The seventh number, the detour factor, lies beyond the 59 characters of the row text.
    ASSERT_EQ(line.size(), 69u) << "row " << r;
    EXPECT_EQ(read.RowText(r), line.substr(0, 59));
    EXPECT_EQ(line[59], ' ');
    EXPECT_NEAR(std::stod(line.substr(60)), row.detourFactor, 5e-4 * row.detourFactor) << r;
    const double written[] = {read.Energy(r), read.StopPower(r, Electronic), read.StopPower(r, Nuclear),
                              read.StopPower(r, Total), read.RangeData(r, CsdaRange),
                              read.RangeData(r, ProjectedRange)};
    const double computed[] = {row.energy, row.electronic, row.nuclear, row.total, row.csdaRange, row.projectedRange};
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(written[k], computed[k], 5e-4 * computed[k]) << "row " << r << " number " << k + 1;
  }
}

}  // namespace
}  // namespace alphastop::tables
