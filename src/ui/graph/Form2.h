#pragma once
#include <QWidget>

class QLabel;

namespace alphastop::ui {

template <typename Window>
class SingleWindow;

class LineShape;
class PictureBox;

// The graph window: stopping powers against energy on log-log axes, with a legend and two
// yellow cursor lines inside the picture. One instance, created hidden in its design state
// on first use; closing it only hides it.
class Form2 : public QWidget {
  Q_OBJECT
 public:
  static Form2& Instance();
  static bool Exists();

  PictureBox& Picture1() const { return *picture_; }
  LineShape& Line1() const { return *line1_; }
  LineShape& Line2() const { return *line2_; }
  QLabel& Label5() const { return *label5_; }

 signals:
  // The pointer readout picked a row: its index in the main window's row list.
  void RowPointedAt(int listIndex);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The menu of the graph's commands, over the picture and the rest of the window alike.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class SingleWindow<Form2>;
  Form2();
  void BuildGraphActions();
  void Picture1MouseMove(float X, float Y);
  void SaveGraphClick();
  void CopyClick();
  void PrintClick();

  PictureBox* picture_ = nullptr;
  LineShape* line1_ = nullptr;
  LineShape* line2_ = nullptr;
  QLabel* label5_ = nullptr;
};

}  // namespace alphastop::ui
