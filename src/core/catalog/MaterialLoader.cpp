#include "core/catalog/MaterialLoader.h"

#include <system_error>

#include "core/catalog/MaterialSearch.h"
#include "core/data/MaterialFile.h"
#include "core/data/TextEncoding.h"
#include "core/materials/InlineMaterial.h"
#include "core/physics/ComputedTable.h"

namespace alphastop {
namespace {

bool ClaimsAlphaStopTable(const std::filesystem::path& path) {
  return HasTableExtension(path, MaterialKind::Element) ||
         HasTableExtension(path, MaterialKind::Compound);
}

Checked<MaterialTable> ReadAlphaStopTable(const std::string& path) {
  return ReadMaterialTable(path);
}

constexpr TableFileKind Kinds[] = {
    {"AlphaStop table (.as, .asc)", ClaimsAlphaStopTable, ReadAlphaStopTable},
};

Checked<LoadedMaterial> Computed(std::string_view text) {
  const Checked<tables::MaterialInput> input = tables::ParseInlineMaterial(text);
  if (const Refusal* no = Refused(input)) return *no;
  const tables::CheckedMaterial checked =
      tables::ParseMaterialInput(std::get<tables::MaterialInput>(input));
  if (!checked.material) return Refusal{QuotedText(text) + ": " + checked.faults.front().message};
  return LoadedMaterial{
      std::get<tables::MaterialInput>(input).name, {}, tables::TableOfMaterial(*checked.material)};
}

Checked<LoadedMaterial> Read(const std::string& name, const std::string& path) {
  const std::filesystem::path file(path);
  const TableFileKind* kind = &Kinds[std::size(Kinds) - 1];
  for (const TableFileKind& k : Kinds)
    if (k.claims(file)) {
      kind = &k;
      break;
    }
  Checked<MaterialTable> read = kind->read(path);
  if (const Refusal* no = Refused(read))
    return Refusal{OneLine(*no), RefusalKind::Unreadable, no->line};
  return LoadedMaterial{name, path, std::get<MaterialTable>(std::move(read))};
}

// What follows an unknown name in its refusal: where it was looked for, and the hint.
std::string Where(const MaterialCatalog& catalog) {
  if (catalog.dataError) return " (" + catalog.dataError->message + ")" + catalog.unknownNameHint;
  return (catalog.dataFolder.empty() ? std::string()
                                     : " in " + QuotedText(catalog.dataFolder.string())) +
         catalog.unknownNameHint;
}

}  // namespace

std::span<const TableFileKind> TableFileKinds() { return Kinds; }

bool LooksLikePath(std::string_view text) {
  if (text.find('/') != std::string_view::npos) return true;
  const std::filesystem::path path(text);
  for (const TableFileKind& kind : Kinds)
    if (kind.claims(path)) return true;
  return false;
}

Checked<LoadedMaterial> LoadMaterial(std::string_view text, const MaterialCatalog& catalog) {
  if (tables::IsInlineMaterial(text)) return Computed(text);
  const std::string given(text);
  std::error_code ec;
  if (LooksLikePath(text) || std::filesystem::is_regular_file(given, ec)) return Read(given, given);
  Checked<CatalogEntry> entry = FindMaterial(catalog.entries, text, Where(catalog));
  if (const Refusal* no = Refused(entry)) return *no;
  const CatalogEntry& found = std::get<CatalogEntry>(entry);
  return Read(found.name, found.path.string());
}

MaterialCache::MaterialCache(MaterialCatalog catalog) : catalog_(std::move(catalog)) {}

const Checked<LoadedMaterial>& MaterialCache::Load(std::string_view text) {
  if (const auto found = loaded_.find(text); found != loaded_.end()) return found->second;
  return loaded_.emplace(std::string(text), LoadMaterial(text, catalog_)).first->second;
}

void MaterialCache::SetCatalog(MaterialCatalog catalog) {
  catalog_ = std::move(catalog);
  loaded_.clear();
}

}  // namespace alphastop
