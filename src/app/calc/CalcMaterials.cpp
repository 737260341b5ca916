#include "app/calc/CalcMaterials.h"

#include "app/calc/CalcError.h"

namespace alphastop::calc {

CalcMaterials::CalcMaterials(const std::string& dataOption, const char* argv0)
    : data_(FindDataFolder(ProcessDataFolderInputs(dataOption, argv0))),
      catalog_(CatalogOf(data_)) {
  catalog_.unknownNameHint = "; alphastop-calc materials lists the names";
}

const std::vector<CatalogEntry>& CalcMaterials::List() const {
  if (data_.error && data_.error->kind == RefusalKind::BadInput) throw CalcError(*data_.error);
  if (catalog_.entries.empty())
    throw CalcError(data_.error ? *data_.error
                                : Refusal{"no tables found in " + PlacesLookedIn(catalog_),
                                          RefusalKind::Unreadable});
  return catalog_.entries;
}

LoadedMaterial CalcMaterials::Load(const std::string& text) const {
  if (data_.error && data_.error->kind == RefusalKind::BadInput) throw CalcError(*data_.error);
  Checked<LoadedMaterial> loaded = LoadMaterial(text, catalog_);
  if (const Refusal* no = Refused(loaded)) throw CalcError(*no);
  return std::get<LoadedMaterial>(std::move(loaded));
}

TableCurves CalcMaterials::Curves(const std::string& text) const {
  if (data_.error && data_.error->kind == RefusalKind::BadInput) throw CalcError(*data_.error);
  Checked<TableCurves> curves = LoadCurves(text, catalog_);
  if (const Refusal* no = Refused(curves)) throw CalcError(*no);
  return std::get<TableCurves>(std::move(curves));
}

MaterialCache CalcMaterials::Cache() const {
  if (data_.error && data_.error->kind == RefusalKind::BadInput) throw CalcError(*data_.error);
  return MaterialCache(catalog_);
}

}  // namespace alphastop::calc
