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

// Whether a file's name ends in its kind's extension, in any letter case ("GOLD.AS").
bool HasTableExtension(const std::filesystem::path& file, MaterialKind kind);

// The plain files of the folders whose extension is their kind's (HasTableExtension), in
// the order of the folders and by name within each, letter case aside. A missing or
// unreadable folder gives no entries; a file that cannot be read is listed all the same, so
// that picking it says why.
std::vector<CatalogEntry> ListTableFiles(std::span<const CatalogFolder> folders);

// The table files a user can name, and where they were looked for.
struct MaterialCatalog {
  std::vector<CatalogFolder> folders;  // as TableFoldersWithUsersOwn gives them
  std::vector<CatalogEntry> entries;   // ListTableFiles of the folders
  std::filesystem::path dataFolder;    // the data folder chosen; empty where none was
  std::optional<Refusal> dataError;    // why the data folder could not be used, where it could not
  // Appended to the refusal of a name no table has, where a program can say more:
  // "; alphastop-calc materials lists the names".
  std::string unknownNameHint;
};

// The shipped tables of the data folder and the user's own.
MaterialCatalog CatalogOf(const DataFolder& data);

// The folders of the catalog, quoted and separated by commas, for a message naming where
// tables were looked for.
std::string PlacesLookedIn(const MaterialCatalog& catalog);

// The first entry whose name is text, letter case aside (ASCII letters only); nullopt where
// none is.
std::optional<CatalogEntry> FindMaterialNamed(std::span<const CatalogEntry> entries,
                                              std::string_view text);

}  // namespace alphastop
