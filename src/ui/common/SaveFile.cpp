#include "ui/common/SaveFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "core/data/MaterialTable.h"

namespace alphastop::ui {
namespace {

QString& LastFolder() {
  static QString folder = QDir::homePath();
  return folder;
}

}  // namespace

QString LastSaveFolder() { return LastFolder(); }

void RememberSaveFolder(const QString& savedPath) {
  LastFolder() = QFileInfo(savedPath).absolutePath();
}

QString SuggestedExportName(const QString& extension) {
  const QString stem =
      QFileInfo(QString::fromStdString(SharedMaterialTable().LoadedFile)).completeBaseName();
  return (stem.isEmpty() ? QString("table") : stem) + "." + extension;
}

QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggestedName,
                    const QString& filters) {
  const QString path = QFileDialog::getSaveFileName(
      parent, caption, QDir(LastFolder()).filePath(suggestedName), filters);
  if (!path.isEmpty()) RememberSaveFolder(path);
  return path;
}

QString AskOpenPath(QWidget* parent, const QString& caption, const QString& filters) {
  return QFileDialog::getOpenFileName(parent, caption, LastFolder(), filters);
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return QObject::tr("Cannot write \"%1\": %2.").arg(path, file.errorString());
  if (file.write(bytes) != bytes.size() || !file.commit())
    return QObject::tr("Cannot write \"%1\": %2.").arg(path, file.errorString());
  return {};
}

}  // namespace alphastop::ui
