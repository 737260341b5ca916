// alphastop-tables as a user runs it: one table from a formula, weights or atoms, every shipped
// material, and the refusals of bad materials.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/data/MaterialFile.h"
#include "support/TableFiles.h"
#include "support/ToolRun.h"

namespace alphastop::tables {
namespace {

namespace fs = std::filesystem;

class TableTool : public ::testing::Test {
 protected:
  // Runs the tool in the folder; returns its exit status and keeps what it wrote to
  // standard error in errors.
  int Run(const std::string& arguments) {
    const testing::ToolRun run = testing::RunTool(ALPHASTOP_TABLES_TOOL, arguments, dir.Path());
    errors = run.err;
    return run.status;
  }
  std::string Out(const char* name) const { return "\"" + (dir.Path() / name).string() + "\""; }

  testing::TempFolder dir;
  std::string errors;
};

TEST_F(TableTool, WritesOneTableFromAFormulaWeightsOrAtomsWithTheDefaultIWhereNoneIsGiven) {
  ASSERT_EQ(Run("--formula H2O --density 1 --ivalue 75 --name \"Water, liquid\" " + Out("w.asc")),
            0)
      << errors;
  std::ifstream in(dir.Path() / "w.asc");
  std::string line;
  EXPECT_EQ(std::getline(std::getline(in, line), line) ? line : "", "WATER, LIQUID");
  EXPECT_EQ(
      Run("--weights 1:0.111894,8:0.888106 --density 7.56e-4 --ivalue 71.6 --gas " + Out("v.asc")),
      0)
      << errors;
  EXPECT_TRUE(fs::exists(dir.Path() / "v.asc"));
  // Without --ivalue, I of bound H (19.2 eV) and O (106 eV) averaged by electrons: 75.3 eV.
  ASSERT_EQ(Run("--atoms H:2,O:1 --density 1 " + Out("a.asc")), 0) << errors;
  std::ifstream atoms(dir.Path() / "a.asc");
  std::string line3;
  for (int k = 0; k < 3; ++k) std::getline(atoms, line3);
  EXPECT_EQ(line3, "Density 1.000E+00 g/cm3    Mean excitation energy 75.3 eV    Phase condensed");
  const auto header = ReadMaterialHeader((dir.Path() / "v.asc").string());
  EXPECT_TRUE(ValueOf(header) && ValueOf(header)->phase == TablePhase::Gas);
}

TEST_F(TableTool, RejectsBadMaterialsWithExitCodeTwoAndAMessage) {
  const std::pair<const char*, const char*> cases[] = {
      {"--formula H2Qx --density 1 --ivalue 75", "unknown element"},
      {"--weights 1:0.2,8:0.7 --density 1 --ivalue 75",
       "weights \"1:0.2,8:0.7\": fractions by weight sum to 0.9"},
      {"--weights 1:0.5,120:0.5 --density 1 --ivalue 75", "atomic number 120"},
      {"--weights H:2,O:1 --density 1", "atoms by element symbol"},
      {"--atoms H:2,Xx:1 --density 1", "unknown element symbol \"Xx\""},
      {"--formula H2O --atoms H:2,O:1 --density 1", "one of --formula"},
      {"--formula H2O --density 0 --ivalue 75", "density"},
      {"--formula H2O --density 1 --ivalue 50000", "excitation"},
      {"--formula H2O --density abc --ivalue 75", "not a number"},
      {"--formula H2O --ivalue 75", "--density"},
      {"--formula H2O --density 1 --ivalue 75 --colour red", "--colour"}};
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(Run(std::string(arguments) + " " + Out("bad.asc")), 2) << arguments;
    EXPECT_NE(errors.find(message), std::string::npos) << arguments << ": " << errors;
    EXPECT_FALSE(fs::exists(dir.Path() / "bad.asc")) << arguments;
  }
  EXPECT_EQ(Run(""), 2);
}

TEST_F(TableTool, WritesEveryShippedMaterialIntoAsAndAsc) {
  ASSERT_EQ(Run("--all \"" + dir.Path().string() + "\""), 0) << errors;
  EXPECT_TRUE(fs::exists(dir.Path() / "as" / "Gold.as"));
  EXPECT_TRUE(fs::exists(dir.Path() / "asc" / "Water_liquid.asc"));
  EXPECT_FALSE(fs::exists(dir.Path() / "as" / "Water_liquid.asc"));
}

}  // namespace
}  // namespace alphastop::tables
