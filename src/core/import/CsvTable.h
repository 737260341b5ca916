#pragma once
// Stopping powers from a CSV file, such as a colleague's table or the export of
// alphastop-calc table: lines of fields separated by commas (or, in a header without a
// comma, by semicolons or tabs), a field may be in double quotes. Blank lines and lines
// beginning with '#' are passed over. The first other line is the header, which names the
// columns; the columns are known by words of their names, letter case aside:
//   energy ("energy_MeV", "E (keV)")                     MeV; keV, eV or GeV where named
//   electronic / nuclear / total stopping power          MeV cm2/g
//     (a column of "stopping" or "dE/dx" without either of the first two is the total)
//   csda / projected range ("csda_range_g_cm2")           g/cm2; mg/cm2 or ug/cm2 where named
// Other columns, ranges given as lengths and columns of uncertainties are passed over.
// Every following line is a row, with a number in each known column; the energies ascend,
// and every value is above zero. At most MaxCsvRows rows.

#include <string>

#include "core/import/TableCurves.h"
#include "core/units/Checked.h"

namespace alphastop {

inline constexpr int MaxCsvRows = 100000;

// The curves of the file, titled with the file's name without extension. Refused
// (unreadable) naming the file and the line: no energy or no stopping power or range
// column, a column named twice, a stopping power in another unit than MeV cm2/g, a field
// that is not a number or not above zero, energies that do not ascend, fewer than two
// rows, more than MaxCsvRows.
Checked<TableCurves> ReadCsvTable(const std::string& path);

}  // namespace alphastop
