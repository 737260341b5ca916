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

namespace alphastop {

// What went wrong, worded for a warning that names the file and the line.
struct ReadError {
  std::string path;
  int line = 0;                 // 1-based line of the file; 0 where no line applies
  std::string problem;          // e.g. "the field \"1..2\" is not a number"
  std::string Message() const;  // the full warning text
};

struct TitleResult {
  std::string title;               // line 2, without its line end, UTF-8
  std::optional<ReadError> error;  // set when the file cannot be opened or has no line 2
};

// Line 2 of the file at path. Touches no table. A warning where the file cannot be opened,
// has no line 2, or is UTF-16 or binary (a NUL byte in lines 1 and 2).
TitleResult ReadTitleLine(const std::string& path);

struct MaterialHeader : MaterialFacts {  // as a load would give them
  std::string title;                     // line 2, as ReadTitleLine gives it
};

struct HeaderResult {
  MaterialHeader header;           // empty where error is set
  std::optional<ReadError> error;  // the warnings of ReadTitleLine, no others
};

// Lines 1 to 10 of the file at path, for listing many materials without reading their
// rows. A header that ends early or states no facts is no fault: they stay absent.
HeaderResult ReadMaterialHeader(const std::string& path);

// Run between the two passes over the file, so that the window can repaint.
using PendingEvents = std::function<void()>;

struct ReadResult {
  std::optional<MaterialTable> table;  // DataFile left empty; set on success
  std::optional<ReadError> error;      // set on failure
};

// Reads the whole file into a fresh table: first pass the title and the 854 numbers, then
// betweenPasses, then a second pass for the 122 row texts. A file is refused when it cannot
// be opened, ends early, is UTF-16 or binary (a NUL byte in lines 1 to 10), holds a
// field that is not a finite number, a data line with more
// or fewer than seven numbers (blank lines among the rows are passed over), an energy or
// stopping power of zero or less, or energies that do not ascend. Whatever follows the
// 854th number is never read.
ReadResult ReadMaterialTable(std::string path, const PendingEvents& betweenPasses = {});

// The path is taken by value: events run between the passes may change DataFile, and
// the second pass must read the file the first pass read.
// ReadMaterialTable, then, only if the whole file is good, the title, density and rows
// replace those of SharedMaterialTable() (its DataFile is kept). nullopt on success.
std::optional<ReadError> LoadMaterialTable(std::string path,
                                           const PendingEvents& betweenPasses = {});

}  // namespace alphastop
