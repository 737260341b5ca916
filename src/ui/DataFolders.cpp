#include "ui/DataFolders.h"

#include <QCoreApplication>

#include "core/paths/UserFolder.h"

namespace alphastop::ui {

DataFolder FindWindowDataFolder() {
  return FindDataFolder(ProcessDataFolderInputs({}, QCoreApplication::applicationFilePath().toStdString().c_str()));
}

std::filesystem::path UsersCompoundFolder() {
  const std::filesystem::path folder = ProcessUserDataFolder();
  return folder.empty() ? folder : folder / CompoundFolderName;
}

std::vector<CatalogFolder> WindowTableFolders(const DataFolder& data) {
  return {{TableFolder(data, ElementFolderName), MaterialKind::Element},
          {TableFolder(data, CompoundFolderName), MaterialKind::Compound},
          {UsersCompoundFolder(), MaterialKind::Compound}};
}

}  // namespace alphastop::ui
