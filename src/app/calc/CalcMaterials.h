#pragma once
// The materials a command names, read as everywhere else (core/catalog/MaterialLoader.h).

#include <string>
#include <vector>

#include "core/catalog/MaterialLoader.h"
#include "core/paths/DataFolder.h"

namespace alphastop::calc {

class CalcMaterials {
 public:
  // The data folder chosen by --data (empty when not given), ALPHASTOP_DATA, the working
  // folder or the installation the program at argv0 belongs to.
  CalcMaterials(const std::string& dataOption, const char* argv0);

  // The table files of the data folder and the user's own; a data folder named by --data or
  // ALPHASTOP_DATA that cannot be used is bad input, and no tables at all a CalcError
  // (unreadable) naming the places looked in.
  const std::vector<CatalogEntry>& List() const;

  // LoadMaterial of text; its refusal is a CalcError whose status follows its kind.
  LoadedMaterial Load(const std::string& text) const;

  // LoadCurves of text, for a comparison; its refusal is a CalcError as Load's.
  TableCurves Curves(const std::string& text) const;

  // The same materials, each loaded once, for a stack.
  MaterialCache Cache() const;

  // The data folder and the rule that chose it.
  const DataFolder& Data() const { return data_; }

 private:
  DataFolder data_;
  MaterialCatalog catalog_;
};

}  // namespace alphastop::calc
