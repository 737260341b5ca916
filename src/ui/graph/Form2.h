#pragma once
#include <QWidget>

#include <array>

#include "core/graph/RangeGraph.h"

class QAction;
class QLabel;

namespace alphastop::ui {

template <typename Window>
class SingleWindow;

class LineShape;
class PictureBox;

// The graph window: stopping powers against energy on log-log axes, with a legend and two
// yellow cursor lines inside the picture; or, when the user chooses, the CSDA and projected
// ranges, with the heading and the legend saying so. One instance, created hidden in its
// design state on first use; closing it only hides it.
class Form2 : public QWidget {
  Q_OBJECT
 public:
  static Form2& Instance();
  static bool Exists();

  PictureBox& Picture1() const { return *picture_; }
  LineShape& Line1() const { return *line1_; }
  LineShape& Line2() const { return *line2_; }
  QLabel& Label5() const { return *label5_; }

  // What the picture shows; the stopping powers at first.
  GraphView View() const { return view_; }
  // Shows the view: the heading and legend change at once, and the picture of a loaded
  // table is drawn anew with both cursor lines hidden.
  void SetView(GraphView view);
  // Where the horizontal cursor goes for a looked-up energy (MeV) and its total stopping
  // power (MeV cm2/g): at the stopping power, or in the range view at the CSDA range.
  float ValueCursorY(double energy, double totalStopPower) const;

 signals:
  // The pointer readout picked a row: its index in the main window's row list.
  void RowPointedAt(int listIndex);
  void ViewChanged(GraphView view);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The menu of the graph's commands, over the picture and the rest of the window alike.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class SingleWindow<Form2>;
  Form2();
  void BuildGraphActions();
  void ShowViewInLabels();
  void ShowRangesAt(int row, float X, float Y);
  void Picture1MouseMove(float X, float Y);
  void SaveGraphClick();
  void CopyClick();
  void PrintClick();

  PictureBox* picture_ = nullptr;
  LineShape* line1_ = nullptr;
  LineShape* line2_ = nullptr;
  QLabel* label5_ = nullptr;
  QLabel* label4_ = nullptr;
  std::array<QLabel*, 3> legendLabels_{};
  LineShape* line5_ = nullptr;
  QAction* rangesAction_ = nullptr;
  QAction* printStyleAction_ = nullptr;
  GraphView view_ = GraphView::StoppingPowers;
};

}  // namespace alphastop::ui
