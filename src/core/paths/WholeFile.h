#pragma once
// Writing a file so that it is either whole or not there: the text goes into a temporary
// file beside it, which takes the name only once written and closed.

#include <optional>
#include <string>
#include <string_view>

#include "core/units/Checked.h"

namespace alphastop {

// Writes text to path, replacing a file there only once the new one is complete. Refused
// (unreadable) naming path where the folder or the file cannot be written; the file is
// then as it was, and no temporary file is left.
std::optional<Refusal> WriteWholeTextFile(const std::string& path, std::string_view text);

}  // namespace alphastop
