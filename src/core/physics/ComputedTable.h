#pragma once
// A computed table held as the calculator holds a table it has read, so that a material
// typed in gives the same numbers as the file written of it.

#include "core/data/MaterialTable.h"
#include "core/materials/Material.h"

namespace alphastop::tables {

// The table of material as ReadMaterialTable gives the file WriteStoppingTable writes of it:
// the title (MaterialTitle), the density and every number rounded as the file rounds them,
// the row texts the first 59 characters of the file's lines. DataFile and LoadedFile stay
// empty. Precondition: a material ParseMaterialInput or ValidateMaterial accepts.
MaterialTable TableOfMaterial(const Material& material);

}  // namespace alphastop::tables
