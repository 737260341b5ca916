#include "ui/graph/ExportCommands.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/graph/GraphFile.h"
#include "ui/common/Messages.h"
#include "ui/common/SaveFile.h"

namespace alphastop::ui {
namespace {

GraphStyle& ChosenStyle() {
  static GraphStyle style = GraphStyle::Screen;
  return style;
}

struct FileType {
  const char* filter;
  const char* suffix;
  GraphStyle style;
};
constexpr FileType PictureTypes[] = {
    {"PNG image (*.png)", "png", GraphStyle::Screen},
    {"PNG image, white for print (*.png)", "png", GraphStyle::Print},
    {"SVG drawing (*.svg)", "svg", GraphStyle::Screen},
    {"SVG drawing, white for print (*.svg)", "svg", GraphStyle::Print},
};
constexpr FileType CsvType{"CSV table (*.csv)", "csv", GraphStyle::Screen};

const FileType& TypeOf(const QString& filter) {
  for (const FileType& type : PictureTypes)
    if (filter == type.filter) return type;
  return CsvType;
}

// A PNG as sharp as the window shows it: at its device pixel ratio, rounded up.
int ScaleOf(const QWidget* parent) {
  const qreal ratio = parent ? parent->devicePixelRatioF() : 1.0;
  return std::clamp(static_cast<int>(std::ceil(ratio)), 1, MaxGraphScale);
}

}  // namespace

GraphStyle ExportStyle() { return ChosenStyle(); }
void SetExportStyle(GraphStyle style) { ChosenStyle() = style; }

void SaveWithDialog(QWidget* parent, const ExportTarget& target) {
  QFileDialog dialog(parent, target.caption,
                     QDir(LastSaveFolder()).filePath(target.suggestedStem + ".png"));
  dialog.setObjectName("SaveGraphDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList filters;
  for (const FileType& type : PictureTypes) filters << type.filter;
  if (target.saveCsv) filters << CsvType.filter;
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(ExportStyle() == GraphStyle::Print ? PictureTypes[1].filter
                                                             : PictureTypes[0].filter);
  dialog.setDefaultSuffix("png");
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog,
      [&dialog](const QString& filter) { dialog.setDefaultSuffix(TypeOf(filter).suffix); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().first();
  const FileType& type = TypeOf(dialog.selectedNameFilter());
  RememberSaveFolder(path);
  std::optional<QString> error;
  if (target.saveCsv && path.endsWith(".csv", Qt::CaseInsensitive)) {
    error = target.saveCsv(path);
  } else {
    if (&type != &CsvType) SetExportStyle(type.style);
    error = SaveDrawing(target.drawing(ExportStyle()), path, ScaleOf(parent));
  }
  if (error) ShowWarning(parent, *error);
}

void CopyPicture(QWidget* parent, const ExportTarget& target) {
  QGuiApplication::clipboard()->setImage(
      DrawingImage(target.drawing(ExportStyle()), parent ? parent->devicePixelRatioF() : 1.0));
}

void PrintWithDialog(QWidget* parent, const ExportTarget& target) {
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName("PrintGraphDialog");
  dialog.setWindowTitle(target.caption);
  auto* tab = new QWidget;
  tab->setWindowTitle(QObject::tr("Graph"));
  auto* white = new QCheckBox(QObject::tr("White background for print"), tab);
  white->setObjectName("PrintStyleBox");
  white->setChecked(ExportStyle() == GraphStyle::Print);
  (new QVBoxLayout(tab))->addWidget(white);
  dialog.setOptionTabs({tab});
  if (dialog.exec() != QDialog::Accepted) return;
  SetExportStyle(white->isChecked() ? GraphStyle::Print : GraphStyle::Screen);
  if (const auto error = PrintDrawing(target.drawing(ExportStyle()), printer))
    ShowWarning(parent, *error);
}

}  // namespace alphastop::ui
