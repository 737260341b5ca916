#pragma once
// The tables the module finds, by the rules of the programs (core/paths/DataFolder.h): the
// folder given as data=, else ALPHASTOP_DATA, else the working folder, else the tables
// installed with the module; and the user's own materials besides.

#include <filesystem>
#include <optional>

#include "core/catalog/MaterialCatalog.h"

namespace alphastop::python {

// The catalog of the data folder data names (nullopt: the rules above choose). A folder
// named by data= or ALPHASTOP_DATA that cannot be used raises ValueError naming it; where no
// folder has tables, the catalog says so in its dataError, so that a written-out material
// or a path still loads.
MaterialCatalog ModuleCatalog(const std::optional<std::filesystem::path>& data);

}  // namespace alphastop::python
