#pragma once
// The user's commands on the graph: the graph window's context menu offers them, and the
// main window's menu may. Each works on the loaded table, in the view the graph window
// shows (stopping powers or ranges) and the style chosen for exports (ExportCommands.h);
// before the first load each says that nothing is loaded, and does nothing.

class QWidget;

namespace alphastop::ui {

// Whether a table has been loaded, so that there is a graph.
bool HasLoadedGraph();

// Asks for a file in a save dialog, starting in the folder last saved to in this run, and
// saves the graph there by the name's extension: PNG at the window's device pixel ratio
// (rounded up), or SVG; navy or white as the file type chosen says.
void SaveGraphWithDialog(QWidget* parent);
// Puts the graph on the clipboard as an image at parent's device pixel ratio.
void CopyGraph(QWidget* parent);
// Prints the graph, fitted to the page, to the printer chosen in the print dialog.
void PrintGraphWithDialog(QWidget* parent);

}  // namespace alphastop::ui
