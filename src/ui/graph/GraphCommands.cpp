#include "ui/graph/GraphCommands.h"

#include <QFileInfo>

#include "core/data/MaterialTable.h"
#include "ui/common/Messages.h"
#include "ui/common/SaveFile.h"
#include "ui/graph/ExportCommands.h"
#include "ui/graph/Form2.h"
#include "ui/graph/GraphExport.h"

namespace alphastop::ui {
namespace {

bool SayIfNothingLoaded(QWidget* parent) {
  if (HasLoadedGraph()) return false;
  ShowWarning(parent, "No material is loaded yet: pick one and press OK first.");
  return true;
}

ExportTarget GraphTarget(const QString& caption) {
  const GraphView view = Form2::Exists() ? Form2::Instance().View() : GraphView::StoppingPowers;
  return {caption,
          QFileInfo(SuggestedExportName("png")).completeBaseName(),
          [view](GraphStyle style) {
            return GraphWindowDrawing(SharedMaterialTable(), {view, style});
          },
          {}};
}

}  // namespace

bool HasLoadedGraph() { return SharedMaterialTable().IsLoaded(); }

void SaveGraphWithDialog(QWidget* parent) {
  if (SayIfNothingLoaded(parent)) return;
  SaveWithDialog(parent, GraphTarget("Save graph"));
}

void CopyGraph(QWidget* parent) {
  if (SayIfNothingLoaded(parent)) return;
  CopyPicture(parent, GraphTarget("Copy graph"));
}

void PrintGraphWithDialog(QWidget* parent) {
  if (SayIfNothingLoaded(parent)) return;
  PrintWithDialog(parent, GraphTarget("Print graph"));
}

}  // namespace alphastop::ui
