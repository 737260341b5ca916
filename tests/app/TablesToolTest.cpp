// alphastop-tables as a user runs it: one table from a formula or weights, every shipped
// material, and the refusals of bad materials.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/TableFiles.h"

namespace alphastop::tables {
namespace {

namespace fs = std::filesystem;

class TableTool : public ::testing::Test {
 protected:
  // Runs the tool in the folder as a user's shell would; returns its exit status and keeps
  // what it wrote to standard error in errors.
  int Run(const std::string& arguments) {
    const fs::path errFile = dir.Path() / ".err";
    const int status = std::system(("cd \"" + dir.Path().string() + "\" && \"" ALPHASTOP_TABLES_TOOL "\" " + arguments +
                                    " >/dev/null 2>\"" + errFile.string() + "\"").c_str());
    errors = (std::stringstream() << std::ifstream(errFile).rdbuf()).str();
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Out(const char* name) const { return "\"" + (dir.Path() / name).string() + "\""; }

  testing::TempFolder dir;
  std::string errors;
};

TEST_F(TableTool, WritesOneTableFromAFormulaOrFromWeights) {
  ASSERT_EQ(Run("--formula H2O --density 1 --ivalue 75 --name \"Water, liquid\" " + Out("w.asc")), 0) << errors;
  std::ifstream in(dir.Path() / "w.asc");
  std::string line;
  EXPECT_EQ(std::getline(std::getline(in, line), line) ? line : "", "WATER, LIQUID");
  EXPECT_EQ(Run("--weights 1:0.111894,8:0.888106 --density 7.56e-4 --ivalue 71.6 --gas " + Out("v.asc")), 0) << errors;
  EXPECT_TRUE(fs::exists(dir.Path() / "v.asc"));
}

TEST_F(TableTool, RejectsBadMaterialsWithExitCodeTwoAndAMessage) {
  const std::pair<const char*, const char*> cases[] = {
      {"--formula H2Qx --density 1 --ivalue 75", "unknown element"},
      {"--weights 1:0.2,8:0.7 --density 1 --ivalue 75", "add up"},
      {"--weights 1:0.5,120:0.5 --density 1 --ivalue 75", "unknown element"},
      {"--formula H2O --density 0 --ivalue 75", "density"},
      {"--formula H2O --density 1 --ivalue 50000", "excitation"},
      {"--formula H2O --density abc --ivalue 75", "not a number"},
      {"--formula H2O --ivalue 75", "--density"},
      {"--formula H2O --density 1 --ivalue 75 --colour red", "unknown option"}};
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
