#pragma once
// The names people use for materials whose tables are named otherwise: abbreviations and
// trade names that are no word of any table's file name or title ("PET" for the Mylar
// table, "PTFE" for Teflon). Trade names that are such a word (Mylar, Kapton, Teflon,
// Lucite, Perspex, Lexan) need no entry: a word of a name or title finds its table.

#include <optional>
#include <string_view>

namespace alphastop {

// What to look up in place of a common name, letter case aside: words of the table's
// name or title ("Mylar", "Polyvinyl chloride"); nullopt where text is no common name.
std::optional<std::string_view> CommonNameTarget(std::string_view text);

}  // namespace alphastop
