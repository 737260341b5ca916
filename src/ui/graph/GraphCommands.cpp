#include "ui/graph/GraphCommands.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "core/data/MaterialTable.h"
#include "core/graph/GraphFile.h"
#include "ui/graph/GraphExport.h"
#include "ui/common/Messages.h"
#include "ui/common/SaveFile.h"

namespace alphastop::ui {
namespace {

const QString PngFilter = "PNG image (*.png)";
const QString SvgFilter = "SVG drawing (*.svg)";

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

bool HasLoadedGraph() { return SharedMaterialTable().IsLoaded(); }

void SaveGraphWithDialog(QWidget* parent) {
  if (SayIfNothingLoaded(parent)) return;
  QFileDialog dialog(parent, "Save graph",
                     QDir(LastSaveFolder()).filePath(SuggestedExportName("png")));
  dialog.setObjectName("SaveGraphDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({PngFilter, SvgFilter});
  dialog.setDefaultSuffix("png");
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     dialog.setDefaultSuffix(filter == SvgFilter ? "svg" : "png");
                   });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().first();
  RememberSaveFolder(path);
  if (const auto error = SaveGraph(SharedMaterialTable(), path, ScaleOf(parent)))
    ShowWarning(parent, *error);
}

void CopyGraph(QWidget* parent) {
  if (SayIfNothingLoaded(parent)) return;
  QGuiApplication::clipboard()->setImage(
      GraphImage(SharedMaterialTable(), parent ? parent->devicePixelRatioF() : 1.0));
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
