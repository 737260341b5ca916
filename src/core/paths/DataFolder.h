#pragma once
// Where the programs find their tables: the folder holding as/ (elements, *.as) and asc/
// (compounds and mixtures, *.asc). The window and the tools all choose it here, the same way.

#include <filesystem>
#include <string>
#include <string_view>
#include <optional>

#include "core/units/Checked.h"

namespace alphastop {

inline constexpr const char* DataFolderVariable = "ALPHASTOP_DATA";
inline constexpr const char* ElementFolderName = "as";
inline constexpr const char* CompoundFolderName = "asc";

// The rule that chose the folder, in the order the rules are tried.
enum class DataSource { Explicit, Environment, WorkingFolder, Installed, NotFound };

// Everything the choice depends on besides the filesystem. Empty means not given.
struct DataFolderInputs {
  std::filesystem::path explicitFolder;  // --data DIR of the tools
  std::string environment;               // the value of ALPHASTOP_DATA
  std::filesystem::path workingFolder;   // absolute
  std::filesystem::path executable;      // the running program, absolute
};

struct DataFolder {
  DataSource source = DataSource::NotFound;
  // The folder chosen; where an explicit or ALPHASTOP_DATA folder is unusable, that folder.
  std::filesystem::path folder;
  // nullopt when the folder can be used; otherwise names the folder and says why not (bad
  // input: the user named it), or (NotFound, unreadable) every place looked in.
  std::optional<Refusal> error;
};

// Tries, in order: the explicit folder, else ALPHASTOP_DATA, either of which, once given,
// must exist, be readable and hold as/ or asc/ (no later rule stands in for a mistyped
// folder); the working folder when it holds as/ or asc/; InstalledDataFolder(executable)
// when it holds either. explicitName is how a message names where the explicit folder was
// given.
DataFolder FindDataFolder(const DataFolderInputs& inputs, std::string_view explicitName = "--data");

// share/alphastop of the installation an executable in its bin folder belongs to, by the
// relative path between the two that the build was configured with (so a moved prefix
// still finds its tables).
std::filesystem::path InstalledDataFolder(const std::filesystem::path& executable);

// The folder one kind's files (ElementFolderName or CompoundFolderName) are opened from:
// relative to the working folder when that was chosen, so paths of picked files read
// "as/Name.as", and when nothing was found, so the window shows the folder missing there as
// it always did; below the chosen folder otherwise.
std::filesystem::path TableFolder(const DataFolder& data, std::string_view kind);

// A few words naming the rule, for messages: "--data", "ALPHASTOP_DATA", "working folder",
// "installed tables", "not found".
const char* DataSourceName(DataSource source);

// The inputs of the running process: ALPHASTOP_DATA, the working folder, and the executable
// from /proc/self/exe, else from argv0 where it holds a folder.
DataFolderInputs ProcessDataFolderInputs(const std::filesystem::path& explicitFolder,
                                         const char* argv0);

}  // namespace alphastop
