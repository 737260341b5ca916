#include "ui/SaveFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace alphastop::ui {
namespace {

QString& LastFolder() {
  static QString folder = QDir::homePath();
  return folder;
}

}  // namespace

QString AskSavePath(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filters) {
  const QString path = QFileDialog::getSaveFileName(parent, caption, QDir(LastFolder()).filePath(suggestedName), filters);
  if (!path.isEmpty()) LastFolder() = QFileInfo(path).absolutePath();
  return path;
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return QObject::tr("Cannot write \"%1\": %2.").arg(path, file.errorString());
  if (file.write(bytes) != bytes.size() || !file.commit())
    return QObject::tr("Cannot write \"%1\": %2.").arg(path, file.errorString());
  return {};
}

}  // namespace alphastop::ui
