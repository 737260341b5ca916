#pragma once
// The text output of SRIM's SR module ("Ion Stopping and Range Tables"), as it writes a
// table for one ion in one target. The lines read:
//   Ion = Helium [2] , Mass = 4.003 amu                  the ion: Z = 2 or the file is refused
//   Density =  2.3212E+00 g/cm3 = 4.9766E+22 atoms/cm3  the target's density
//   Stopping Units =  MeV / (mg/cm2)                     the unit of the two stopping columns
// then, after the column headings, the rows up to a line of dashes:
//   10.00 keV   1.234E-01  2.345E-02   567.89 A   123.45 A   234.56 A
// the ion's energy with its unit (eV, keV, MeV, GeV), the electronic and the nuclear
// stopping power, the projected range with its unit (A, nm, um, mm, m, km), and the two
// stragglings, which are passed over. A decimal comma (as SRIM writes under some locales)
// reads as a point. The stopping powers are taken to MeV cm2/g from any of SRIM's units:
// eV/Angstrom, keV/micron and MeV/mm with the density; keV/(ug/cm2), MeV/(mg/cm2) and
// keV/(mg/cm2) as they are; eV/(1E15 atoms/cm2) with the atoms per cm3 of the density line.
// Ranges become g/cm2 with the density. What follows the rows (the table of other units)
// is not read.

#include <string>
#include <string_view>

#include "core/import/TableCurves.h"
#include "core/units/Checked.h"

namespace alphastop {

// Whether the beginning of a file (its first few kilobytes) is such an output.
bool LooksLikeSrModuleOutput(std::string_view head);

// The electronic, nuclear and total stopping powers and projected ranges of the file,
// titled with the file's name without extension, with its density. Refused (unreadable)
// naming the file and the line: no density or stopping unit line before the rows, a unit
// it cannot convert (LSS reduced units), an ion other than helium, a row that does not
// read, a value not above zero, energies that do not ascend, fewer than two rows.
Checked<TableCurves> ReadSrModuleTable(const std::string& path);

}  // namespace alphastop
