#include "core/catalog/MaterialCatalog.h"

#include <algorithm>
#include <system_error>

#include "core/paths/UserFolder.h"
#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

char Lower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, {}, Lower, Lower);
}

bool NameBefore(const CatalogEntry& a, const CatalogEntry& b) {
  return std::ranges::lexicographical_compare(a.name, b.name, {}, Lower, Lower);
}

std::vector<CatalogEntry> FilesOf(const CatalogFolder& folder) {
  std::vector<CatalogEntry> entries;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder.path, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::path name = it->path().filename();
    std::error_code fileError;
    if (!HasTableExtension(name, folder.kind) || !it->is_regular_file(fileError)) continue;
    entries.push_back({name.stem().string(), folder.path / name, folder.kind});
  }
  std::ranges::sort(entries, NameBefore);
  return entries;
}

}  // namespace

std::vector<CatalogFolder> ShippedTableFolders(const DataFolder& data) {
  return {{TableFolder(data, ElementFolderName), MaterialKind::Element},
          {TableFolder(data, CompoundFolderName), MaterialKind::Compound}};
}

std::vector<CatalogFolder> TableFoldersWithUsersOwn(const DataFolder& data) {
  std::vector<CatalogFolder> folders = ShippedTableFolders(data);
  folders.push_back({ProcessUserCompoundFolder(), MaterialKind::Compound});
  return folders;
}

std::string_view TableExtension(MaterialKind kind) {
  return kind == MaterialKind::Element ? ".as" : ".asc";
}

bool HasTableExtension(const std::filesystem::path& file, MaterialKind kind) {
  return SameName(file.extension().string(), TableExtension(kind));
}

std::vector<CatalogEntry> ListTableFiles(std::span<const CatalogFolder> folders) {
  std::vector<CatalogEntry> entries;
  for (const CatalogFolder& folder : folders)
    std::ranges::move(FilesOf(folder), std::back_inserter(entries));
  return entries;
}

MaterialCatalog CatalogOf(const DataFolder& data) {
  MaterialCatalog catalog;
  catalog.folders = TableFoldersWithUsersOwn(data);
  catalog.entries = ListTableFiles(catalog.folders);
  catalog.dataFolder = data.folder;
  catalog.dataError = data.error;
  return catalog;
}

std::string PlacesLookedIn(const MaterialCatalog& catalog) {
  std::string places;
  for (const CatalogFolder& folder : catalog.folders)
    if (!folder.path.empty())
      places += (places.empty() ? "\"" : ", \"") + folder.path.string() + "\"";
  return places;
}

std::optional<CatalogEntry> FindMaterialNamed(std::span<const CatalogEntry> entries,
                                              std::string_view text) {
  const auto found =
      std::ranges::find_if(entries, [&](const CatalogEntry& e) { return SameName(e.name, text); });
  if (found == entries.end()) return std::nullopt;
  return *found;
}

}  // namespace alphastop
