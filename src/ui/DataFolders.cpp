#include "ui/DataFolders.h"

#include <QCoreApplication>

namespace alphastop::ui {

DataFolder FindWindowDataFolder() {
  return FindDataFolder(ProcessDataFolderInputs({}, QCoreApplication::applicationFilePath().toStdString().c_str()));
}

std::vector<CatalogFolder> WindowTableFolders(const DataFolder& data) {
  return {{TableFolder(data, ElementFolderName), MaterialKind::Element},
          {TableFolder(data, CompoundFolderName), MaterialKind::Compound}};
}

}  // namespace alphastop::ui
