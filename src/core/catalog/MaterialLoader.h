#pragma once
// The one reading of MATERIAL, wherever a user names a material: the calculator, the graph
// tool, the range window's layers. MATERIAL is, tried in this order:
//   - a material written out, computed in memory and never saved
//     ("formula=C10H8O4,density=1.397", see core/materials/InlineMaterial.h);
//   - a path to a table file: a text holding '/' or ending in a table file's extension, or
//     a file that exists;
//   - a material of the catalog, found as FindMaterial finds it (a file's name, a word of
//     its name or title, a common name).
// Table files are read by the first of TableFileKinds() that claims them: a CSV of stopping
// powers (core/import/CsvTable.h), the output of SRIM's SR module (SrModuleTable.h), and
// the program's own tables, which claim every other file.

#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "core/catalog/MaterialCatalog.h"
#include "core/data/MaterialTable.h"
#include "core/import/TableCurves.h"
#include "core/units/Checked.h"

namespace alphastop {

struct LoadedMaterial {
  // The catalog's name of the table ("Silicon" for "silicon"), the path given, or a
  // written-out material's name= or else its composition.
  std::string name;
  std::string path;     // the file read; empty for a material computed in memory
  MaterialTable table;  // loaded whole; DataFile and LoadedFile stay empty
};

// A kind of table file the loader reads. Refusals are unreadable, naming the file and line.
struct TableFileKind {
  const char* description;  // "AlphaStop table (.as, .asc)"
  const char* pattern;      // for a file dialog: "*.as *.asc"
  // By the file's name, or by its first bytes (head: up to 4 KB; empty where the file is
  // not read, as when deciding whether a text names a file at all).
  bool (*claims)(const std::filesystem::path& path, std::string_view head);
  // As a table of 122 rows for every use of a material, and as the file's own curves.
  Checked<MaterialTable> (*readTable)(const std::string& path);
  Checked<TableCurves> (*readCurves)(const std::string& path);
};

// Every kind read, in the order they are asked; AlphaStop's own tables come last and claim
// every file no other kind claims.
std::span<const TableFileKind> TableFileKinds();

// Whether text can only be a path: it holds '/', or a kind other than the last claims it
// by its name.
bool LooksLikePath(std::string_view text);

// The table MATERIAL names. Refused with a message on one line, quoting the text:
// bad input (RefusalKind::BadInput) for an unknown or ambiguous name and a faulty written-out
// material; unreadable (RefusalKind::Unreadable) for a file that cannot be read whole, with
// the window's warning on one line. An unknown name says where it was looked for:
//   unknown material "Silicn" in "/usr/share/alphastop"
Checked<LoadedMaterial> LoadMaterial(std::string_view text, const MaterialCatalog& catalog);

// The curves MATERIAL names, as LoadMaterial finds it, for comparing: a table's 122 rows,
// or an imported file's own rows with the quantities it gives. Its name is LoadedMaterial's,
// but a file's name without folder and extension in place of its path.
Checked<TableCurves> LoadCurves(std::string_view text, const MaterialCatalog& catalog);

// Materials loaded once each, for evaluations repeated as the user types: LoadMaterial of a
// text at its first request, kept with its refusal as well.
class MaterialCache {
 public:
  explicit MaterialCache(MaterialCatalog catalog = {});

  // LoadMaterial(text, Catalog()); the reference holds until the next SetCatalog.
  const Checked<LoadedMaterial>& Load(std::string_view text);
  // Forgets every material loaded: each is looked up and read again at its next request,
  // so that a table deleted is gone and one made anew is found.
  void SetCatalog(MaterialCatalog catalog);
  const MaterialCatalog& Catalog() const { return catalog_; }

 private:
  MaterialCatalog catalog_;
  std::map<std::string, Checked<LoadedMaterial>, std::less<>> loaded_;
};

}  // namespace alphastop
