#include "app/calc/CalcMaterials.h"

#include <algorithm>
#include <system_error>

#include "app/calc/CalcError.h"
#include "core/data/MaterialFile.h"
#include "core/physics/ComputedTable.h"
#include "core/materials/InlineMaterial.h"

namespace alphastop::calc {
namespace {

// A name that can only be a path: it names a folder or an extension.
bool LooksLikePath(const std::string& text) {
  const std::filesystem::path path(text);
  return text.find('/') != std::string::npos || path.extension() == ".as" ||
         path.extension() == ".asc";
}

// A material written out in the command, computed here and never written to a file.
NamedTable InlineTable(const std::string& text) {
  const Checked<tables::MaterialInput> input = tables::ParseInlineMaterial(text);
  if (const auto* no = std::get_if<Refusal>(&input)) throw CalcError(ExitBadInput, no->message);
  const tables::CheckedMaterial checked =
      tables::ParseMaterialInput(std::get<tables::MaterialInput>(input));
  if (!checked.material)
    throw CalcError(ExitBadInput, Quote(text) + ": " + checked.faults.front().message);
  return {
      std::get<tables::MaterialInput>(input).name, {}, tables::TableOfMaterial(*checked.material)};
}

}  // namespace

CalcMaterials::CalcMaterials(const std::string& dataOption, const char* argv0)
    : data_(FindDataFolder(ProcessDataFolderInputs(dataOption, argv0))) {}

std::vector<CatalogEntry> CalcMaterials::List() const {
  if (!data_.error.empty() && data_.source != DataSource::NotFound)
    throw CalcError(ExitBadInput, data_.error);
  // The user's own materials, made in the window, are found by name as the shipped ones are.
  return ListTableFiles(TableFoldersWithUsersOwn(data_));
}

NamedTable CalcMaterials::Load(const std::string& text) const {
  if (tables::IsInlineMaterial(text)) return InlineTable(text);
  std::string path, name = text;
  std::error_code ec;
  if (LooksLikePath(text) || std::filesystem::is_regular_file(text, ec)) {
    path = text;
  } else {
    const std::vector<CatalogEntry> entries = List();
    const auto entry = FindMaterialNamed(entries, text);
    if (!entry) {
      const std::string where =
          data_.error.empty() ? "in " + Quote(data_.folder.string()) : "(" + data_.error + ")";
      throw CalcError(ExitBadInput, "unknown material " + Quote(text) + " " + where +
                                        "; alphastop-calc materials lists the names");
    }
    path = entry->path.string();
    name = entry->name;
  }
  ReadResult read = ReadMaterialTable(path);
  if (read.error) {
    std::string message = read.error->Message();  // the window's words, on one line
    std::replace(message.begin(), message.end(), '\n', ' ');
    throw CalcError(ExitUnreadable, message);
  }
  return {name, path, std::move(*read.table)};
}

}  // namespace alphastop::calc
