// The alphastop-tables tool: one table from the command line, and its errors.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int exitCode;
  std::string errors;
};

ToolRun RunTool(const std::string& arguments) {
  const fs::path errorsFile = fs::temp_directory_path() / "alphastop_tables_test.err";
  const std::string command =
      std::string("\"") + ALPHASTOP_TABLES_TOOL + "\" " + arguments + " 2> \"" + errorsFile.string() + "\"";
  const int status = std::system(command.c_str());
  std::ifstream in(errorsFile);
  std::string errors((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, errors};
}

class TableTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / "alphastop_tables_tool_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Out(const char* name) const { return "\"" + (dir / name).string() + "\""; }
  fs::path dir;
};

TEST_F(TableTool, WritesOneTableFromAFormula) {
  const ToolRun run = RunTool("--formula H2O --density 1 --ivalue 75 --name \"Water, liquid\" " + Out("w.asc"));
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  std::ifstream in(dir / "w.asc");
  std::string line1, line2;
  std::getline(in, line1);
  std::getline(in, line2);
  EXPECT_EQ(line2, "WATER, LIQUID");
}

TEST_F(TableTool, WritesOneTableFromWeightsAsAGas) {
  const ToolRun run = RunTool("--weights 1:0.111894,8:0.888106 --density 7.56e-4 --ivalue 71.6 --gas " + Out("v.asc"));
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(fs::exists(dir / "v.asc"));
}

TEST_F(TableTool, RejectsBadMaterialsWithExitCodeTwoAndAMessage) {
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"--formula H2Qx --density 1 --ivalue 75", "unknown element"},
      {"--weights 1:0.2,8:0.7 --density 1 --ivalue 75", "add up"},
      {"--weights 1:0.5,120:0.5 --density 1 --ivalue 75", "unknown element"},
      {"--formula H2O --density 0 --ivalue 75", "density"},
      {"--formula H2O --density -2 --ivalue 75", "density"},
      {"--formula H2O --density 1 --ivalue 0", "excitation"},
      {"--formula H2O --density 1 --ivalue 50000", "excitation"},
      {"--formula H2O --density abc --ivalue 75", "not a number"},
      {"--formula H2O --ivalue 75", "--density"},
      {"--formula H2O --density 1 --ivalue 75 --colour red", "unknown option"},
  };
  for (const auto& c : cases) {
    const ToolRun run = RunTool(std::string(c.arguments) + " " + Out("bad.asc"));
    EXPECT_EQ(run.exitCode, 2) << c.arguments;
    EXPECT_NE(run.errors.find(c.message), std::string::npos) << c.arguments << ": " << run.errors;
    EXPECT_FALSE(fs::exists(dir / "bad.asc")) << c.arguments;
  }
  EXPECT_EQ(RunTool("").exitCode, 2);
}

TEST_F(TableTool, WritesEveryShippedMaterialIntoAsAndAsc) {
  const ToolRun run = RunTool("--all \"" + dir.string() + "\"");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(fs::exists(dir / "as" / "Gold.as"));
  EXPECT_TRUE(fs::exists(dir / "asc" / "Water_liquid.asc"));
  EXPECT_FALSE(fs::exists(dir / "as" / "Water_liquid.asc"));
}

}  // namespace
