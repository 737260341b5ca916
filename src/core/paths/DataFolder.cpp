#include "core/paths/DataFolder.h"

#include <cstdlib>
#include <system_error>

namespace alphastop {
namespace {

namespace fs = std::filesystem;

bool HoldsTables(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder / ElementFolderName, ec) ||
         fs::is_directory(folder / CompoundFolderName, ec);
}

std::string Quoted(const fs::path& folder) {
  std::string quoted = "\"";
  quoted += folder.string();
  quoted += '"';
  return quoted;
}

// Why a folder the user named cannot be used; empty when it can.
std::string Unusable(const fs::path& folder) {
  std::error_code ec;
  if (!fs::exists(folder, ec)) return "does not exist";
  if (!fs::is_directory(folder, ec)) return "is not a folder";
  fs::directory_iterator listing(folder, ec);
  if (ec) return std::string("cannot be read (") + ec.message() + ")";
  if (!HoldsTables(folder)) return "holds neither as/ nor asc/";
  return "";
}

DataFolder Named(DataSource source, const fs::path& folder, std::string_view givenBy) {
  const std::string problem = Unusable(folder);
  if (problem.empty()) return {source, folder, std::nullopt};
  return {source, folder,
          Refusal{std::string("the data folder ") + Quoted(folder) + " given by " +
                  std::string(givenBy) + " " + problem}};
}

}  // namespace

DataFolder FindDataFolder(const DataFolderInputs& inputs, std::string_view explicitName) {
  if (!inputs.explicitFolder.empty())
    return Named(DataSource::Explicit, inputs.explicitFolder, explicitName);
  if (!inputs.environment.empty())
    return Named(DataSource::Environment, inputs.environment, DataFolderVariable);
  if (HoldsTables(inputs.workingFolder))
    return {DataSource::WorkingFolder, inputs.workingFolder, std::nullopt};
  std::string installed = "the installed tables (the program's own path is unknown)";
  if (!inputs.executable.empty()) {
    const fs::path folder = InstalledDataFolder(inputs.executable);
    if (HoldsTables(folder)) return {DataSource::Installed, folder, std::nullopt};
    installed = Quoted(folder) + " (installed tables)";
  }
  return {DataSource::NotFound,
          {},
          Refusal{std::string("no tables found: no as/ or asc/ in ") +
                      Quoted(inputs.workingFolder) + " (working folder) nor in " + installed +
                      "; " + DataFolderVariable + " can name the folder that holds them",
                  RefusalKind::Unreadable}};
}

fs::path InstalledDataFolder(const fs::path& executable) {
  return (executable.parent_path() / ALPHASTOP_BINDIR_TO_DATA).lexically_normal();
}

fs::path TableFolder(const DataFolder& data, std::string_view kind) {
  const bool working =
      data.source == DataSource::WorkingFolder || data.source == DataSource::NotFound;
  return working ? fs::path(kind) : data.folder / kind;
}

const char* DataSourceName(DataSource source) {
  switch (source) {
    case DataSource::Explicit:
      return "--data";
    case DataSource::Environment:
      return DataFolderVariable;
    case DataSource::WorkingFolder:
      return "working folder";
    case DataSource::Installed:
      return "installed tables";
    case DataSource::NotFound:
      break;
  }
  return "not found";
}

DataFolderInputs ProcessDataFolderInputs(const fs::path& explicitFolder, const char* argv0) {
  DataFolderInputs inputs;
  inputs.explicitFolder = explicitFolder;
  if (const char* value = std::getenv(DataFolderVariable)) inputs.environment = value;
  std::error_code ec;
  inputs.workingFolder = fs::current_path(ec);
  inputs.executable = fs::read_symlink("/proc/self/exe", ec);
  if (ec && argv0 && fs::path(argv0).has_parent_path()) inputs.executable = fs::absolute(argv0, ec);
  return inputs;
}

}  // namespace alphastop
