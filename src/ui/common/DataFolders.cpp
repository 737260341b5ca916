#include "ui/common/DataFolders.h"

#include <QCoreApplication>

namespace alphastop::ui {

DataFolder FindWindowDataFolder() {
  return FindDataFolder(
      ProcessDataFolderInputs({}, QCoreApplication::applicationFilePath().toStdString().c_str()));
}

}  // namespace alphastop::ui
