#pragma once
// Writes a computed stopping table in the material data file format that the calculator reads:
//   line 1      says the table comes from AlphaStop's model (not a reference table)
//   line 2      the title, the material name in capitals
//   lines 3-10  density, I-value and phase, composition, the uncertainty of the values
//               (TableUncertainty.h), column headings, a blank line (the facts as
//               core/data/MaterialFacts.h reads them back)
//   lines 11-132  122 rows of seven numbers "1.234E-05" separated by one blank: energy (MeV),
//               electronic, nuclear, total stopping (MeV cm2/g), CSDA and projected range
//               (g/cm2), detour factor. The first 59 characters of a row hold the first six.
// Lines end in LF; numbers do not depend on the locale.

#include "core/data/MaterialFacts.h"
#include "core/materials/Material.h"
#include "core/physics/StoppingTable.h"
#include "core/text/NumberFormat.h"

#include <filesystem>
#include <string>
#include <vector>

namespace alphastop::tables {

// One data row without its line end: seven numbers as FormatScientific writes them, one
// blank apart.
std::string FormatStoppingRow(const StoppingRow& row);

// Lines 1 to 10, without line ends.
std::vector<std::string> FormatTableHeader(const Material& material);

// The whole file text.
std::string FormatStoppingTable(const Material& material, const StoppingTable& table);

// Writes the file text to `path`, creating missing parent folders.
// Throws std::runtime_error when the file cannot be written.
void WriteStoppingTable(const std::filesystem::path& path, const Material& material,
                        const StoppingTable& table);

}  // namespace alphastop::tables
