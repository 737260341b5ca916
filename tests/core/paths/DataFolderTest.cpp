// The choice of the data folder over a made-up filesystem: which rule wins when several
// could, a named folder that is unusable is an error naming it, and nothing found says
// where it looked.

#include "core/paths/DataFolder.h"
#include "core/paths/UserFolder.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/TableFiles.h"

namespace alphastop {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// Paths starting with "/" are below the made-up filesystem's root; others are taken as written.
struct ChoiceCase {
  const char* name;
  DataFolderInputs inputs;
  DataSource source;
  const char* folder;
  const char* elementFolder;            // TableFolder(choice, "as"), as the programs open it
  std::vector<const char*> errorNames;  // the folders the error names
};

TEST(DataFolderChoice, RulesInOrderAndUnusableFoldersNamed) {
  TempFolder root;
  const auto underRoot = [&](const fs::path& path) {
    return path.string().starts_with("/") ? fs::path(root.Path().string() + path.string()) : path;
  };
  for (const char* folder :
       {"/given/as", "/env/asc", "/work/as", "/work/asc", "/compoundsOnly/asc", "/noTables/x"})
    fs::create_directories(underRoot(folder));
  const fs::path installedExe = "/prefix/bin/alphastop";
  const fs::path installed = InstalledDataFolder(underRoot(installedExe));
  ASSERT_EQ(installed, underRoot("/prefix/share/alphastop"));
  fs::create_directories(installed / "as");

  const ChoiceCase cases[] = {
      {"--data wins over everything",
       {"/given", "/env", "/work", installedExe},
       DataSource::Explicit,
       "/given",
       "/given/as",
       {}},
      {"then ALPHASTOP_DATA",
       {"", "/env", "/work", installedExe},
       DataSource::Environment,
       "/env",
       "/env/as",
       {}},
      {"then the working folder",
       {"", "", "/work", installedExe},
       DataSource::WorkingFolder,
       "/work",
       "as",
       {}},
      {"a working folder with asc/ alone",
       {"", "", "/compoundsOnly", installedExe},
       DataSource::WorkingFolder,
       "/compoundsOnly",
       "as",
       {}},
      {"then the installed tables",
       {"", "", "/noTables", installedExe},
       DataSource::Installed,
       "/prefix/share/alphastop",
       "/prefix/share/alphastop/as",
       {}},
      {"a missing --data folder",
       {"/missing", "/env", "/work", installedExe},
       DataSource::Explicit,
       "/missing",
       "/missing/as",
       {"/missing"}},
      {"a missing ALPHASTOP_DATA folder",
       {"", "/missing", "/work", installedExe},
       DataSource::Environment,
       "/missing",
       "/missing/as",
       {"/missing"}},
      {"a --data folder without tables",
       {"/noTables", "", "/work", installedExe},
       DataSource::Explicit,
       "/noTables",
       "/noTables/as",
       {"/noTables"}},
      {"nothing found",
       {"", "", "/noTables", "/bare/bin/alphastop"},
       DataSource::NotFound,
       "",
       "as",
       {"/noTables", "/bare/share/alphastop"}},
      {"nothing found, the program's path unknown",
       {"", "", "/noTables", ""},
       DataSource::NotFound,
       "",
       "as",
       {"/noTables"}},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    DataFolderInputs inputs = c.inputs;
    inputs.explicitFolder = underRoot(inputs.explicitFolder);
    inputs.environment = underRoot(inputs.environment).string();
    inputs.workingFolder = underRoot(inputs.workingFolder);
    inputs.executable = underRoot(inputs.executable);

    const DataFolder choice = FindDataFolder(inputs);
    EXPECT_EQ(choice.source, c.source) << DataSourceName(choice.source);
    EXPECT_EQ(choice.folder, underRoot(c.folder));
    EXPECT_EQ(TableFolder(choice, ElementFolderName), underRoot(c.elementFolder));
    const std::string error = choice.error ? choice.error->message : "";
    EXPECT_EQ(error.empty(), c.errorNames.empty()) << error;
    for (const char* named : c.errorNames)
      EXPECT_NE(error.find(underRoot(named).string()), std::string::npos) << error;
  }
}

TEST(UserDataFolder, FollowsTheXdgBaseDirectoryRule) {
  EXPECT_EQ(UserDataFolder("/data", "/home/u"), fs::path("/data/alphastop"));
  EXPECT_EQ(UserDataFolder("relative/data", "/home/u"), fs::path("/home/u/.local/share/alphastop"));
  EXPECT_EQ(UserDataFolder("", "/home/u"), fs::path("/home/u/.local/share/alphastop"));
  EXPECT_EQ(UserDataFolder("", ""), fs::path());
}

}  // namespace
}  // namespace alphastop
