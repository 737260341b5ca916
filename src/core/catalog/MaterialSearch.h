#pragma once
// Finding a table by what a user calls its material: its file's name, words of its name or
// title, or a common name (CommonNames.h). Exact names come first, so "Silicon" is the
// element and never Silicon_dioxide.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/MaterialCatalog.h"
#include "core/units/Checked.h"

namespace alphastop {

// The title of an entry's table (line 2), or "" where it cannot be read.
using TitleOfEntry = std::function<std::string(const CatalogEntry&)>;
// ReadTitleLine of the entry's file.
std::string ReadEntryTitle(const CatalogEntry& entry);

// The entry text names, trying in turn, letter case aside and blanks taken as '_':
//   1. a file's name ("water_liquid", "Water liquid");
//   2. a common name, whose target is then looked up by 1 and 3 ("PET", "PMMA");
//   3. the words of text, all among the words of one entry's name ("mylar", "terephthalate
//      mylar"), else of its name and title ("plexiglas").
// Titles are read (titleOf) only where no name holds the words. Refused (bad input) where
// nothing fits: 'unknown material "X"' followed by whereLookedFor, and where several
// entries fit step 3:
//   "glass" fits several materials: Glass_plate, Pyrex_glass; give one of these names
Checked<CatalogEntry> FindMaterial(std::span<const CatalogEntry> entries, std::string_view text,
                                   std::string_view whereLookedFor = {},
                                   const TitleOfEntry& titleOf = ReadEntryTitle);

// The entries that hold typed in their names anywhere, letter case aside, as indices into
// entries: the exact name first, then names that begin with typed, then the others, each
// group in the order of entries. All entries, in order, where typed is empty.
std::vector<std::size_t> RankMatches(std::span<const CatalogEntry> entries, std::string_view typed);

}  // namespace alphastop
