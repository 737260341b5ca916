#include "ui/graph/Form2.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>

#include "core/data/MaterialTable.h"
#include "core/graph/CursorReadout.h"
#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/graph/Form2Design.h"
#include "ui/graph/GraphCommands.h"
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

  MakeWhiteLabel(this, Form2Title);
  label5_ = MakeWhiteLabel(this, Form2MaterialTitle);
  for (const TextDesign& label : Form2LegendLabels) MakeWhiteLabel(this, label);

  // The legend, in the window's twips.
  for (const LineDesign& line : Form2LegendLines)
    new LineShape(this, line.name, line.x1, line.y1, line.x2, line.y2, ToQColor(line.colour),
                  LegendLinePixels);

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
  addAction(tr("Save graph\u2026"), this, &Form2::SaveGraphClick)->setObjectName("SaveGraphAction");
  addAction(tr("Copy"), this, &Form2::CopyClick)->setObjectName("CopyGraphAction");
  addAction(tr("Print\u2026"), this, &Form2::PrintClick)->setObjectName("PrintGraphAction");
}

void Form2::contextMenuEvent(QContextMenuEvent* event) {
  for (QAction* action : actions()) action->setEnabled(HasLoadedGraph());
  QMenu::exec(actions(), event->globalPos(), nullptr, this);
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
  emit RowPointedAt(row - 1);
}

}  // namespace alphastop::ui
