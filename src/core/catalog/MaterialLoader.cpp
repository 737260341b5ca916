#include "core/catalog/MaterialLoader.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "core/catalog/MaterialSearch.h"
#include "core/data/MaterialFile.h"
#include "core/data/TextEncoding.h"
#include "core/import/CsvTable.h"
#include "core/import/SrModuleTable.h"
#include "core/materials/InlineMaterial.h"
#include "core/physics/ComputedTable.h"

namespace alphastop {
namespace {

constexpr std::size_t HeadBytes = 4096;

// The first bytes of a plain file; nothing of a folder, a pipe or a device, which could
// block or never end.
std::string HeadOf(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return {};
  std::ifstream in(path, std::ios::binary);
  std::string head(HeadBytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return head;
}

bool HasExtension(const std::filesystem::path& path, std::string_view extension) {
  const std::string given = path.extension().string();
  return given.size() == extension.size() &&
         std::equal(given.begin(), given.end(), extension.begin(), [](char a, char b) {
           return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
         });
}

bool ClaimsCsv(const std::filesystem::path& path, std::string_view) {
  return HasExtension(path, ".csv");
}

bool ClaimsSrModuleOutput(const std::filesystem::path&, std::string_view head) {
  return LooksLikeSrModuleOutput(head);
}

bool ClaimsAlphaStopTable(const std::filesystem::path& path, std::string_view) {
  return HasTableExtension(path, MaterialKind::Element) ||
         HasTableExtension(path, MaterialKind::Compound);
}

template <Checked<TableCurves> (*ReadCurves)(const std::string&)>
Checked<MaterialTable> TableOfFile(const std::string& path) {
  Checked<TableCurves> curves = ReadCurves(path);
  if (const Refusal* no = Refused(curves)) return *no;
  return TableOfCurves(std::get<TableCurves>(curves), path);
}

Checked<MaterialTable> ReadAlphaStopTable(const std::string& path) {
  return ReadMaterialTable(path);
}

Checked<TableCurves> ReadAlphaStopCurves(const std::string& path) {
  Checked<MaterialTable> table = ReadMaterialTable(path);
  if (const Refusal* no = Refused(table)) return *no;
  return CurvesOfTable(std::get<MaterialTable>(table), {});
}

constexpr TableFileKind Kinds[] = {
    {"CSV of stopping powers (.csv)", "*.csv", ClaimsCsv, TableOfFile<ReadCsvTable>, ReadCsvTable},
    {"Output of SRIM's SR module (.txt)", "*.txt", ClaimsSrModuleOutput,
     TableOfFile<ReadSrModuleTable>, ReadSrModuleTable},
    {"AlphaStop table (.as, .asc)", "*.as *.asc", ClaimsAlphaStopTable, ReadAlphaStopTable,
     ReadAlphaStopCurves},
};

// The kind that reads the file at path: the first that claims it, else the last.
const TableFileKind& KindOf(const std::string& path) {
  const std::filesystem::path file(path);
  const std::string head = HeadOf(path);
  for (const TableFileKind& kind : Kinds)
    if (kind.claims(file, head)) return kind;
  return Kinds[std::size(Kinds) - 1];
}

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
  Checked<MaterialTable> read = KindOf(path).readTable(path);
  if (const Refusal* no = Refused(read))
    return Refusal{OneLine(*no), RefusalKind::Unreadable, no->line};
  return LoadedMaterial{name, path, std::get<MaterialTable>(std::move(read))};
}

Checked<TableCurves> ReadCurves(const std::string& name, const std::string& path) {
  Checked<TableCurves> read = KindOf(path).readCurves(path);
  if (const Refusal* no = Refused(read))
    return Refusal{OneLine(*no), RefusalKind::Unreadable, no->line};
  TableCurves& curves = std::get<TableCurves>(read);
  curves.name = name;
  curves.path = path;
  return read;
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
    if (kind.claims(path, {})) return true;
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

Checked<TableCurves> LoadCurves(std::string_view text, const MaterialCatalog& catalog) {
  if (tables::IsInlineMaterial(text)) {
    Checked<LoadedMaterial> computed = Computed(text);
    if (const Refusal* no = Refused(computed)) return *no;
    const LoadedMaterial& material = std::get<LoadedMaterial>(computed);
    return CurvesOfTable(material.table, material.name);
  }
  const std::string given(text);
  std::error_code ec;
  if (LooksLikePath(text) || std::filesystem::is_regular_file(given, ec))
    return ReadCurves(std::filesystem::path(given).stem().string(), given);
  Checked<CatalogEntry> entry = FindMaterial(catalog.entries, text, Where(catalog));
  if (const Refusal* no = Refused(entry)) return *no;
  const CatalogEntry& found = std::get<CatalogEntry>(entry);
  return ReadCurves(found.name, found.path.string());
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
