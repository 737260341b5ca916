#include "python/ModuleCatalog.h"

#include <dlfcn.h>

#include "core/paths/DataFolder.h"
#include "python/PythonRefusal.h"

namespace alphastop::python {
namespace {

namespace fs = std::filesystem;

// The calculator's path in the installation the module belongs to, from which the installed
// tables are found as that calculator finds them; empty where the module's own path is
// unknown.
fs::path CalculatorBesideModule() {
  static const char marker = 0;
  Dl_info info{};
  if (dladdr(&marker, &info) == 0 || info.dli_fname == nullptr) return {};
  std::error_code ec;
  const fs::path module = fs::canonical(info.dli_fname, ec);
  if (ec) return {};
  return (module.parent_path() / ALPHASTOP_MODULE_TO_BINDIR / "alphastop-calc").lexically_normal();
}

}  // namespace

MaterialCatalog ModuleCatalog(const std::optional<fs::path>& data) {
  DataFolderInputs inputs = ProcessDataFolderInputs(data.value_or(fs::path()), nullptr);
  inputs.executable = CalculatorBesideModule();
  const DataFolder folder = FindDataFolder(inputs, "data=");
  if (folder.error && folder.error->kind == RefusalKind::BadInput)
    throw RefusalError(*folder.error);
  MaterialCatalog catalog = CatalogOf(folder);
  catalog.unknownNameHint = "; alphastop.materials() lists the names";
  return catalog;
}

}  // namespace alphastop::python
