// The file the generator writes: layout the calculator reads, number format, locale.

#include "core/tables/StoppingTable.h"
#include "core/tables/TableWriter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace alphastop::tables {
namespace {

Material Water() {
  return {"Water, liquid", "Water_liquid.asc", Phase::Condensed, 1.0, 75.0,
          {{1, 0.111894}, {8, 0.888106}}};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<double> Numbers(const std::string& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  std::vector<double> numbers;
  for (double v; in >> v;) numbers.push_back(v);
  return numbers;
}

TEST(ScientificFormat, MatchesThreeDecimalsWithCapitalExponent) {
  EXPECT_EQ(FormatScientific(1e-3), "1.000E-03");
  EXPECT_EQ(FormatScientific(1000.0), "1.000E+03");
  EXPECT_EQ(FormatScientific(0.12345), "1.235E-01");
  EXPECT_EQ(FormatScientific(9.9996), "1.000E+01");
  EXPECT_EQ(FormatScientific(327.1), "3.271E+02");
}

TEST(ScientificFormat, IgnoresTheCLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const bool switched = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8");
  EXPECT_EQ(FormatScientific(1.5), "1.500E+00");
  std::setlocale(LC_ALL, previous.c_str());
  if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
}

class WrittenTable : public ::testing::Test {
 protected:
  Material material = Water();
  StoppingTable table = ComputeStoppingTable(material);
  std::string text = FormatStoppingTable(material, table);
  std::vector<std::string> lines = Lines(text);
};

TEST_F(WrittenTable, Has132LinesWithLfEndsAndTheTitleOnLineTwo) {
  EXPECT_EQ(lines.size(), 132u);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.back(), '\n');
  EXPECT_NE(lines[0].find("AlphaStop"), std::string::npos);
  EXPECT_NE(lines[0].find("not a reference table"), std::string::npos);
  EXPECT_EQ(lines[1], "WATER, LIQUID");
  EXPECT_EQ(lines[2], "Density 1.000E+00 g/cm3    Mean excitation energy 75.0 eV");
  EXPECT_EQ(lines[4], "1: 0.111894  8: 0.888106");
  EXPECT_TRUE(lines[9].empty());
}

TEST_F(WrittenTable, RowsHoldSevenNumbersAndTheFirstSixFitIn59Characters) {
  for (int r = 0; r < 122; ++r) {
    const std::string& line = lines[static_cast<std::size_t>(10 + r)];
    ASSERT_EQ(line.size(), 69u) << "row " << r + 1;
    const auto all = Numbers(line);
    ASSERT_EQ(all.size(), 7u) << "row " << r + 1;
    const auto shown = Numbers(line.substr(0, 59));
    ASSERT_EQ(shown.size(), 6u) << "row " << r + 1;
    EXPECT_EQ(line[59], ' ');
    const auto& row = table[static_cast<std::size_t>(r)];
    EXPECT_NEAR(all[0], row.energy, 5e-4 * row.energy);
    EXPECT_NEAR(all[3], row.total, 5e-4 * row.total);
    EXPECT_NEAR(all[5], row.projectedRange, 5e-4 * row.projectedRange);
    EXPECT_NEAR(all[6], row.detourFactor, 5e-4 * row.detourFactor);
  }
}

TEST(TableFile, WritingCreatesTheFolderAndTheSameText) {
  const auto dir = std::filesystem::temp_directory_path() / "alphastop_writer_test";
  std::filesystem::remove_all(dir);
  const Material water = Water();
  const StoppingTable table = ComputeStoppingTable(water);
  WriteStoppingTable(dir / "asc" / "Water_liquid.asc", water, table);
  std::ifstream in(dir / "asc" / "Water_liquid.asc", std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ(content.str(), FormatStoppingTable(water, table));
  std::filesystem::remove_all(dir);
}

TEST(TableFile, UnwritablePathThrows) {
  const Material water = Water();
  EXPECT_THROW(WriteStoppingTable("/proc/alphastop/no/such.asc", water, ComputeStoppingTable(water)),
               std::exception);
}

}  // namespace
}  // namespace alphastop::tables
