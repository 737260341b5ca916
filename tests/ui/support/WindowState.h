#pragma once
// What the user sees of a loaded material, taken at one moment so that a later moment can
// be compared with it: the row list and its selection, the four readouts, the graph
// window's title, picture and cursor lines, and the shared table's title.

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

#include "core/data/MaterialTable.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/LineShape.h"
#include "ui/PictureBox.h"

namespace alphastop::testing {

struct CursorLine {
  float x1, y1, x2, y2;
  bool visible;
  friend bool operator==(const CursorLine&, const CursorLine&) = default;
};

struct WindowState {
  QStringList items;
  int currentRow = -1;
  QStringList readouts;  // Text3, Text4, Text5, Text6
  bool readoutsEnabled = false;
  std::string materialTitle;
  QString graphTitle;
  bool graphVisible = false;
  QImage picture;
  CursorLine line1{}, line2{};

  friend bool operator==(const WindowState&, const WindowState&) = default;

  static WindowState Of(QWidget& form1) {
    WindowState state;
    auto* list = form1.findChild<QListWidget*>("List1");
    for (int i = 0; i < list->count(); ++i) state.items << list->item(i)->text();
    state.currentRow = list->currentRow();
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) state.readouts << form1.findChild<QLineEdit*>(name)->text();
    state.readoutsEnabled = form1.findChild<QLineEdit*>("Text3")->isEnabled();
    state.materialTitle = SharedMaterialTable().MaterialTitle;
    if (ui::Form2::Exists()) {
      ui::Form2& graph = ui::Form2::Instance();
      state.graphTitle = graph.windowTitle();
      state.graphVisible = graph.isVisible();
      state.picture = graph.Picture1().Picture();
      state.line1 = Line(graph.Line1());
      state.line2 = Line(graph.Line2());
    }
    return state;
  }

  // Where two states differ, for a failure message.
  static QString Difference(const WindowState& a, const WindowState& b) {
    QStringList parts;
    if (a.items != b.items) parts << "row list";
    if (a.currentRow != b.currentRow) parts << QString("selection %1 / %2").arg(a.currentRow).arg(b.currentRow);
    if (a.readouts != b.readouts) parts << "readouts " + a.readouts.join(',') + " / " + b.readouts.join(',');
    if (a.readoutsEnabled != b.readoutsEnabled) parts << "readouts enabled";
    if (a.materialTitle != b.materialTitle) parts << "table title";
    if (a.graphTitle != b.graphTitle || a.graphVisible != b.graphVisible) parts << "graph window";
    if (a.picture != b.picture) parts << "graph picture";
    if (!(a.line1 == b.line1) || !(a.line2 == b.line2)) parts << "cursor lines";
    return parts.join("; ");
  }

 private:
  static CursorLine Line(const ui::LineShape& line) {
    return {line.X1(), line.Y1(), line.X2(), line.Y2(), line.Visible()};
  }
};

}  // namespace alphastop::testing

#define ALPHASTOP_COMPARE_STATE(actual, expected) \
  QVERIFY2((actual) == (expected), qPrintable(::alphastop::testing::WindowState::Difference(actual, expected)))
