#pragma once
// Saving, copying and printing a picture as the user asks for it, alike for the graph
// window and the comparison: a save dialog whose file types offer each picture format on
// the screen's navy and white for print (and a CSV table where there is one), the
// clipboard, and a print dialog with a tab for the style. The style chosen last is kept
// for the next export of any picture, and the windows show it as a checkable command.

#include <QString>

#include <functional>
#include <optional>

#include "core/graph/GraphStyle.h"
#include "ui/graph/DrawingExport.h"

class QWidget;

namespace alphastop::ui {

// The style of the next save, copy or print: the one chosen last in this run; the
// screen's designed look at first.
GraphStyle ExportStyle();
void SetExportStyle(GraphStyle style);

struct ExportTarget {
  QString caption;        // the dialogs' captions: "Save graph", "Print graph"
  QString suggestedStem;  // the file name proposed, without extension
  std::function<Drawing(GraphStyle)> drawing;
  // Writes the numbers as CSV to a path, returning why not where it fails; empty where
  // the picture has no table to offer.
  std::function<std::optional<QString>(const QString& path)> saveCsv;
};

// Asks for a file, starting in the folder last saved to, and writes it by the name's
// extension (.png, .svg, or .csv where offered) in the style of the file type chosen,
// which becomes ExportStyle(). A failure is shown in a warning.
void SaveWithDialog(QWidget* parent, const ExportTarget& target);
// The picture on the clipboard, in ExportStyle(), at parent's device pixel ratio.
void CopyPicture(QWidget* parent, const ExportTarget& target);
// Prints, fitted to the page, on the printer chosen in the print dialog, whose "Graph" tab
// offers the white background for print (preset from ExportStyle()).
void PrintWithDialog(QWidget* parent, const ExportTarget& target);

}  // namespace alphastop::ui
