#pragma once
// The data folder the windows read, chosen as the tools choose theirs (without --data):
// ALPHASTOP_DATA, the working folder, then the installed tables.

#include <vector>

#include "core/catalog/MaterialCatalog.h"
#include "core/paths/DataFolder.h"

namespace alphastop::ui {

DataFolder FindWindowDataFolder();

// The folder of the user's own compounds and mixtures (the materials made in the window);
// empty where the environment names no home.
std::filesystem::path UsersCompoundFolder();

// The folders of table files the windows offer: the elements, the compounds, the user's own.
std::vector<CatalogFolder> WindowTableFolders(const DataFolder& data);

}  // namespace alphastop::ui
