#pragma once
// The box in which a material is picked or typed: an editable list of the table files of the
// data folders that completes what is typed from anywhere in their names.

#include <string>
#include <vector>

#include "core/catalog/MaterialCatalog.h"

class QComboBox;
class QString;

namespace alphastop::ui {

// A box offering materials, showing material (which need not be among them).
QComboBox* MakeMaterialBox(const std::vector<CatalogEntry>& materials, const std::string& material,
                           const QString& name);

// The material a typed text stands for: the best match among the names (the exact name
// first), else the material a common name or a word of a title finds ("PET", "Plexiglas"),
// else the text as typed, so that its layer says what is wrong with it.
std::string ResolvedMaterial(const std::vector<CatalogEntry>& materials, const std::string& typed);

}  // namespace alphastop::ui
