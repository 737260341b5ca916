#pragma once
// Where the user's own tables live: the materials made in the window are saved here, never
// into the installed or shipped folders, and the lists and tools find them here.

#include <filesystem>
#include <string>

namespace alphastop {

// $XDG_DATA_HOME/alphastop where XDG_DATA_HOME is an absolute path (the XDG base directory
// rule: a relative one is ignored), else $HOME/.local/share/alphastop; empty where neither
// variable gives a folder. Its compounds and mixtures are in the subfolder asc/.
std::filesystem::path UserDataFolder(const std::string& xdgDataHome, const std::string& home);

// The folder of the user's own compounds and mixtures, asc/ below UserDataFolder, from the
// running process's environment; empty where it names no home.
std::filesystem::path ProcessUserCompoundFolder();

}  // namespace alphastop
