#include "ui/graph/Form2.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolTip>

#include "core/data/MaterialTable.h"
#include "core/graph/CursorReadout.h"
#include "core/lookup/CursorPlacement.h"
#include "core/range/RangeInterpolation.h"
#include "core/text/NumberFormat.h"
#include "core/units/Thickness.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/graph/ExportCommands.h"
#include "ui/graph/Form2Design.h"
#include "ui/graph/GraphCommands.h"
#include "ui/graph/GraphExport.h"
#include "ui/common/SingleWindow.h"
#include "ui/common/LineShape.h"
#include "ui/graph/PictureBox.h"
#include "ui/common/Twips.h"

namespace alphastop::ui {
namespace {

QLabel* MakeWhiteLabel(QWidget* parent, const TextDesign& design) {
  QLabel* label = MakeLabel(parent, design.name, QString::fromUtf8(design.text), design.box,
                            DesignFont(Face::Serif, design.points));
  SetTextColour(label, GraphForeground);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->adjustSize();  // labels size themselves to their text, keeping their left edge
  return label;
}

}  // namespace

Form2& Form2::Instance() { return SingleWindow<Form2>::Instance(); }

bool Form2::Exists() { return SingleWindow<Form2>::Exists(); }

Form2::Form2() : QWidget(nullptr) {
  setObjectName("Form2");
  const QRect client = ToRect(Form2Client);
  // The design places the client area, not the frame around it.
  setGeometry(client);
  setFixedSize(client.size());
  SetBackground(this, GraphBackground);
  SetTextColour(this, GraphForeground);

  label4_ = MakeWhiteLabel(this, Form2Title);
  label5_ = MakeWhiteLabel(this, Form2MaterialTitle);
  for (std::size_t i = 0; i < legendLabels_.size(); ++i)
    legendLabels_[i] = MakeWhiteLabel(this, Form2LegendLabels[i]);

  // The legend, in the window's twips; the last line is Line5, which the ranges hide.
  for (const LineDesign& line : Form2LegendLines)
    line5_ = new LineShape(this, line.name, line.x1, line.y1, line.x2, line.y2,
                           ToQColor(line.colour), LegendLinePixels);

  picture_ = new PictureBox(this, TwipsToPixels(Picture1AreaTwips), GraphScale);
  picture_->setObjectName("Picture1");
  picture_->move(ToRect(Picture1Box).topLeft());
  picture_->setFont(DesignFont(Face::Serif, Picture1FontPoints));
  connect(picture_, &PictureBox::PointerMoved, this, &Form2::Picture1MouseMove);
  BuildGraphActions();

  // The cursor lines, in the picture's user units.
  line1_ = new LineShape(picture_, "Line1", 4.7229f, 18.4914f, 4.7229f, -0.0003f, CursorColour, 1);
  line2_ = new LineShape(picture_, "Line2", -0.0001f, 8.2702f, 16.0997f, 8.2702f, CursorColour, 1);
}

void Form2::BuildGraphActions() {
  rangesAction_ = addAction(tr("Show ranges"));
  rangesAction_->setObjectName("RangesAction");
  rangesAction_->setCheckable(true);
  rangesAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  connect(rangesAction_, &QAction::triggered, this, [this](bool checked) {
    SetView(checked ? GraphView::Ranges : GraphView::StoppingPowers);
  });
  addAction(tr("Save graph\u2026"), this, &Form2::SaveGraphClick)->setObjectName("SaveGraphAction");
  addAction(tr("Copy"), this, &Form2::CopyClick)->setObjectName("CopyGraphAction");
  addAction(tr("Print\u2026"), this, &Form2::PrintClick)->setObjectName("PrintGraphAction");
  printStyleAction_ = addAction(tr("White background for print"));
  printStyleAction_->setObjectName("PrintStyleAction");
  printStyleAction_->setCheckable(true);
  connect(printStyleAction_, &QAction::triggered, this,
          [](bool checked) { SetExportStyle(checked ? GraphStyle::Print : GraphStyle::Screen); });
}

void Form2::contextMenuEvent(QContextMenuEvent* event) {
  const bool loaded = HasLoadedGraph();
  QMenu menu(this);
  menu.addAction(rangesAction_);
  menu.addSeparator();
  for (const char* name : {"SaveGraphAction", "CopyGraphAction", "PrintGraphAction"}) {
    QAction* action = findChild<QAction*>(name);
    action->setEnabled(loaded);
    menu.addAction(action);
  }
  menu.addSeparator();
  // The style a dialog chose last shows here, and this sets it for the next export.
  printStyleAction_->setChecked(ExportStyle() == GraphStyle::Print);
  menu.addAction(printStyleAction_);
  menu.exec(event->globalPos());
}

void Form2::SetView(GraphView view) {
  rangesAction_->setChecked(view == GraphView::Ranges);
  if (view == view_) return;
  view_ = view;
  ShowViewInLabels();
  if (HasLoadedGraph()) {
    DrawGraphView(picture_->Drawing(), SharedMaterialTable(), view_);
    line1_->SetVisible(false);
    line2_->SetVisible(false);
  }
  emit ViewChanged(view_);
}

// The heading and the legend of the view; the ranges have two curves, the third entry goes.
void Form2::ShowViewInLabels() {
  label4_->setText(GraphTitleText(view_));
  label4_->adjustSize();
  const int entries = view_ == GraphView::Ranges ? Form2RangeLegendEntries : 3;
  for (int i = 0; i < 3; ++i) {
    QLabel* label = legendLabels_[static_cast<std::size_t>(i)];
    label->setVisible(i < entries);
    if (i >= entries) continue;
    label->setText(LegendText(view_, i));
    label->adjustSize();
  }
  line5_->SetVisible(entries == 3);
}

float Form2::ValueCursorY(double energy, double totalStopPower) const {
  if (view_ == GraphView::StoppingPowers) return StopPowerCursorY(totalStopPower);
  const Checked<Ranges> ranges = RangeAtEnergy(SharedMaterialTable(), energy);
  return static_cast<float>(ValueOf(ranges) ? RangeToY(SharedMaterialTable(), ValueOf(ranges)->csda)
                                            : NAN);
}

void Form2::SaveGraphClick() { SaveGraphWithDialog(this); }
void Form2::CopyClick() { CopyGraph(this); }
void Form2::PrintClick() { PrintGraphWithDialog(this); }

void Form2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const LineShape* line : findChildren<LineShape*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!line->Visible()) continue;
    painter.setPen(QPen(line->Colour(), line->WidthPixels(), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(line->X1(), line->Y1()) / TwipsPerPixel,
                     QPointF(line->X2(), line->Y2()) / TwipsPerPixel);
  }
}

void Form2::Picture1MouseMove(float X, float Y) {
  if (!IsInCursorArea(X, Y)) {
    if (view_ == GraphView::Ranges) QToolTip::hideText();
    picture_->unsetCursor();
    line1_->SetVisible(false);
    line2_->SetVisible(false);
    return;
  }
  picture_->setCursor(Qt::CrossCursor);
  const int row = NearestRow(SharedMaterialTable(), X);
  line1_->SetX1(X);
  line1_->SetX2(X);
  line2_->SetY1(Y);
  line2_->SetY2(Y);
  line1_->SetVisible(true);
  line2_->SetVisible(true);
  if (view_ == GraphView::Ranges) ShowRangesAt(row, X, Y);
  emit RowPointedAt(row - 1);
}

// The main window reads out the row's stopping powers; its ranges show beside the pointer.
void Form2::ShowRangesAt(int row, float X, float Y) {
  const MaterialTable& table = SharedMaterialTable();
  const auto range = [&](int column) {
    const double value = table.RangeData(row, column);
    QString text = FromUtf8(FormatReadout(value)) + QString::fromUtf8(" g/cm\u00b2");
    if (table.density)
      text += " (" + FromUtf8(FormatLength(ArealDensityToMicrometres(value, *table.density))) + ")";
    return text;
  };
  const QString text = FromUtf8(FormatReadout(table.Energy(row))) + " MeV\n" + tr("CSDA range ") +
                       range(CsdaRange) + "\n" + tr("projected range ") + range(ProjectedRange);
  const QPointF at = picture_->ToArea(X, Y) + QPointF(picture_->contentsRect().topLeft());
  QToolTip::showText(picture_->mapToGlobal(at.toPoint()) + QPoint(16, 16), text, picture_);
}

}  // namespace alphastop::ui
