#pragma once
// The data folder the windows read, chosen as the tools choose theirs (without --data):
// ALPHASTOP_DATA, the working folder, then the installed tables.

#include "core/paths/DataFolder.h"

namespace alphastop::ui {

DataFolder FindWindowDataFolder();

}  // namespace alphastop::ui
