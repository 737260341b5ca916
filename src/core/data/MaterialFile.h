#pragma once
// Reading a material data file: line 2 the title, lines 1 and 3-10 what they say of the
// material where they say it (MaterialFacts.h; otherwise free text), lines 11-132
// the 122 data rows of seven numbers (energy MeV; electronic, nuclear, total stopping
// power MeV cm2/g; CSDA and projected range g/cm2; a seventh number that is dropped).
// Lines may end in CRLF, LF or CR. Text is UTF-8, or Latin-1 where it is not valid UTF-8.

#include <functional>
#include <optional>
#include <string>

#include "core/data/MaterialTable.h"
#include "core/units/Checked.h"

namespace alphastop {

// A file that cannot be read is refused (RefusalKind::Unreadable) with a warning that names
// the file and the line at fault, on two lines:
//   The file "as/Gold.as" cannot be read.
//   Line 12: the field "1..2" is not a number (energy of row 2).

// Line 2 of the file at path. Touches no table. A warning where the file cannot be opened,
// has no line 2, or is UTF-16 or binary (a NUL byte in lines 1 and 2).
Checked<std::string> ReadTitleLine(const std::string& path);

struct MaterialHeader : MaterialFacts {  // as a load would give them
  std::string title;                     // line 2, as ReadTitleLine gives it
};

// Lines 1 to 10 of the file at path, for listing many materials without reading their
// rows. A header that ends early or states no facts is no fault: they stay absent.
Checked<MaterialHeader> ReadMaterialHeader(const std::string& path);

// Run between the two passes over the file, so that the window can repaint.
using PendingEvents = std::function<void()>;

// Reads the whole file into a fresh table: first pass the title and the 854 numbers, then
// betweenPasses, then a second pass for the 122 row texts. A file is refused when it cannot
// be opened, ends early, is UTF-16 or binary (a NUL byte in lines 1 to 10), holds a
// field that is not a finite number, a data line with more
// or fewer than seven numbers (blank lines among the rows are passed over), an energy or
// stopping power of zero or less, or energies that do not ascend. Whatever follows the
// 854th number is never read.
Checked<MaterialTable> ReadMaterialTable(std::string path, const PendingEvents& betweenPasses = {});

// The path is taken by value: events run between the passes may change DataFile, and
// the second pass must read the file the first pass read.
// ReadMaterialTable, then, only if the whole file is good, the title, density and rows
// replace those of SharedMaterialTable() (its DataFile is kept). nullopt on success.
std::optional<Refusal> LoadMaterialTable(std::string path, const PendingEvents& betweenPasses = {});

}  // namespace alphastop
