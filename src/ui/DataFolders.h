#pragma once
// The data folder the windows read, chosen as the tools choose theirs (without --data):
// ALPHASTOP_DATA, the working folder, then the installed tables.

#include <vector>

#include "core/catalog/MaterialCatalog.h"
#include "core/paths/DataFolder.h"

namespace alphastop::ui {

DataFolder FindWindowDataFolder();

// The folders of table files the windows offer: the elements, then the compounds.
std::vector<CatalogFolder> WindowTableFolders(const DataFolder& data);

}  // namespace alphastop::ui
