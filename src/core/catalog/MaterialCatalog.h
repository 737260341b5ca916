#pragma once
// The table files a user can name: the elements (*.as) and the compounds and mixtures
// (*.asc) of the data folders, each by its file's name without the extension.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/paths/DataFolder.h"

namespace alphastop {

enum class MaterialKind { Element, Compound };

struct CatalogFolder {
  std::filesystem::path path;  // as the program opens files in it; may be relative
  MaterialKind kind = MaterialKind::Element;
};

struct CatalogEntry {
  std::string name;            // "Water_liquid"
  std::filesystem::path path;  // the folder's path and the file's name
  MaterialKind kind = MaterialKind::Element;
};

// The folders of a data folder's tables: its elements, then its compounds.
std::vector<CatalogFolder> ShippedTableFolders(const DataFolder& data);
// The same, then the user's own compounds and mixtures (made in the window).
std::vector<CatalogFolder> TableFoldersWithUsersOwn(const DataFolder& data);

// The extension of a kind's table files: ".as" or ".asc".
std::string_view TableExtension(MaterialKind kind);

// The plain files of the folders whose extension is their kind's, in the order of
// the folders and by name within each, letter case aside. A missing or unreadable folder
// gives no entries.
std::vector<CatalogEntry> ListTableFiles(std::span<const CatalogFolder> folders);

// The first entry whose name is text, letter case aside (ASCII letters only); nullopt where
// none is.
std::optional<CatalogEntry> FindMaterialNamed(std::span<const CatalogEntry> entries,
                                              std::string_view text);

}  // namespace alphastop
