#pragma once
// The materials a command names: by a table file's name in the data folders, or by a path.

#include <string>
#include <vector>

#include "core/catalog/MaterialCatalog.h"
#include "core/data/MaterialTable.h"
#include "core/paths/DataFolder.h"

namespace alphastop::calc {

struct NamedTable {
  std::string name;     // the table file's name ("Silicon" for "silicon"), the path given, or
                        // a written-out material's name= or else its composition
  std::string path;     // the table file read; empty for a written-out material
  MaterialTable table;  // loaded whole
};

class CalcMaterials {
 public:
  // The data folder chosen by --data (empty when not given), ALPHASTOP_DATA, the working
  // folder or the installation the program at argv0 belongs to.
  CalcMaterials(const std::string& dataOption, const char* argv0);

  // The table files of the data folder; a data folder named by --data or ALPHASTOP_DATA that
  // cannot be used is a CalcError.
  std::vector<CatalogEntry> List() const;

  // Loads the material named by text: a material written out ("formula=H2O,density=1", see
  // core/materials/InlineMaterial.h), computed in memory; a table file's name without extension
  // (letter case aside); else a path to a table file. Unknown names and faulty materials are
  // bad input; a file that cannot be read whole is a CalcError with the message the window gives.
  NamedTable Load(const std::string& text) const;

  // The data folder and the rule that chose it.
  const DataFolder& Data() const { return data_; }

 private:
  DataFolder data_;
};

}  // namespace alphastop::calc
