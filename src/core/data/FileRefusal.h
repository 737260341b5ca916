#pragma once
// The warning of a file that cannot be read, worded alike for every kind of file the
// program reads: it names the file, then the line at fault where there is one:
//   The file "as/Gold.as" cannot be read.
//   Line 12: the field "1..2" is not a number (energy of row 2).

#include <optional>
#include <string>

#include "core/units/Checked.h"

namespace alphastop {

class TextStream;

// An unreadable-file refusal; line 0 names no line (the problem then starts the sentence).
Refusal FileRefusal(const std::string& path, int line, std::string problem);

// Why the file at path cannot be read at all (missing, a folder, not a plain file, not
// opened), or nullopt where stream has it open.
std::optional<Refusal> OpenRefusal(const std::string& path, const TextStream& stream);

// A line that shows the file is no text: UTF-16 (line 1 begins with a byte-order mark),
// or NUL bytes (binary data, UTF-16 without a mark).
std::optional<Refusal> NotTextRefusal(const std::string& path, int line, const std::string& bytes);

}  // namespace alphastop
