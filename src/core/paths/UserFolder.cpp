#include "core/paths/UserFolder.h"

#include <cstdlib>

#include "core/paths/DataFolder.h"

namespace alphastop {

std::filesystem::path UserDataFolder(const std::string& xdgDataHome, const std::string& home) {
  if (!xdgDataHome.empty() && std::filesystem::path(xdgDataHome).is_absolute())
    return std::filesystem::path(xdgDataHome) / "alphastop";
  if (!home.empty()) return std::filesystem::path(home) / ".local" / "share" / "alphastop";
  return {};
}

std::filesystem::path ProcessUserCompoundFolder() {
  const auto variable = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value ? value : "");
  };
  const std::filesystem::path folder = UserDataFolder(variable("XDG_DATA_HOME"), variable("HOME"));
  return folder.empty() ? folder : folder / CompoundFolderName;
}

}  // namespace alphastop
