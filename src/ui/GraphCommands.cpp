#include "ui/GraphCommands.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include "core/data/MaterialTable.h"
#include "core/graph/GraphFile.h"
#include "ui/GraphExport.h"
#include "ui/Messages.h"

namespace alphastop::ui {
namespace {

const QString PngFilter = "PNG image (*.png)";
const QString SvgFilter = "SVG drawing (*.svg)";

QString& LastFolder() {
  static QString folder = QDir::homePath();
  return folder;
}

// The material's title as a file name: "WATER, LIQUID" becomes "WATER_LIQUID.png".
QString SuggestedName() {
  QString name = QString::fromUtf8(SharedMaterialTable().MaterialTitle.c_str());
  name.replace(QRegularExpression("[^A-Za-z0-9]+"), "_");
  name.remove(QRegularExpression("^_+|_+$"));
  return (name.isEmpty() ? QString("graph") : name) + ".png";
}

// A PNG as sharp as the window shows the graph: at its device pixel ratio, rounded up.
int ScaleOf(const QWidget* parent) {
  const qreal ratio = parent ? parent->devicePixelRatioF() : 1.0;
  return std::clamp(static_cast<int>(std::ceil(ratio)), 1, MaxGraphScale);
}

bool SayIfNothingLoaded(QWidget* parent) {
  if (HasLoadedGraph()) return false;
  ShowWarning(parent, "No material is loaded yet: pick one and press OK first.");
  return true;
}

}  // namespace

// A load fills every row, and a file is read only with energies above zero.
bool HasLoadedGraph() { return SharedMaterialTable().Energy(1) > 0; }

void SaveGraphWithDialog(QWidget* parent) {
  if (SayIfNothingLoaded(parent)) return;
  QFileDialog dialog(parent, "Save graph", QDir(LastFolder()).filePath(SuggestedName()));
  dialog.setObjectName("SaveGraphDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({PngFilter, SvgFilter});
  dialog.setDefaultSuffix("png");
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) { dialog.setDefaultSuffix(filter == SvgFilter ? "svg" : "png"); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().first();
  LastFolder() = QFileInfo(path).absolutePath();
  if (const auto error = SaveGraph(SharedMaterialTable(), path, ScaleOf(parent))) ShowWarning(parent, *error);
}

void CopyGraph(QWidget* parent) {
  if (SayIfNothingLoaded(parent)) return;
  QGuiApplication::clipboard()->setImage(GraphImage(SharedMaterialTable(), parent ? parent->devicePixelRatioF() : 1.0));
}

void PrintGraphWithDialog(QWidget* parent) {
  if (SayIfNothingLoaded(parent)) return;
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName("PrintGraphDialog");
  if (dialog.exec() != QDialog::Accepted) return;
  if (const auto error = PrintGraph(SharedMaterialTable(), printer)) ShowWarning(parent, *error);
}

}  // namespace alphastop::ui
