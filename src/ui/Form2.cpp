#include "ui/Form2.h"

#include <QLabel>
#include <QPainter>

#include "core/data/MaterialTable.h"
#include "core/graph/CursorReadout.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/SingleWindow.h"
#include "ui/LineShape.h"
#include "ui/PictureBox.h"
#include "ui/Twips.h"

namespace alphastop::ui {
namespace {

QLabel* MakeWhiteLabel(QWidget* parent, const char* name, const char* text, TwipsBox box, double points) {
  QLabel* label = MakeLabel(parent, name, QString::fromUtf8(text), box, DesignFont(Face::Serif, points));
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
  const QRect client = TwipsRect(13650, 390, 9450, 11355);
  // The design places the client area, not the frame around it.
  setGeometry(client);
  setFixedSize(client.size());
  SetBackground(this, GraphBackground);
  SetTextColour(this, GraphForeground);

  MakeWhiteLabel(this, "Label4", "Alpha particle stopping power", {360, 240, 3735, 345}, 15.75);
  label5_ = MakeWhiteLabel(this, "Label5", "Alpha-ray stopping power", {360, 840, 3210, 345}, 15.75);
  MakeWhiteLabel(this, "Label1", "Electronic", {7680, 480, 1125, 315}, 14.25);
  MakeWhiteLabel(this, "Label2", "Nuclear", {7680, 840, 855, 315}, 14.25);
  MakeWhiteLabel(this, "Label3", "Total", {7680, 1200, 585, 315}, 14.25);

  // The legend, in the window's twips.
  new LineShape(this, "Line3", 6240, 600, 7440, 600, ToQColor(Red), 2);
  new LineShape(this, "Line4", 6240, 960, 7440, 960, ToQColor(Yellow), 2);
  new LineShape(this, "Line5", 6240, 1320, 7440, 1320, ToQColor(White), 2);

  picture_ = new PictureBox(this, TwipsToPixels(9075), GraphScale);
  picture_->setObjectName("Picture1");
  picture_->move(TwipsRect(120, 1680, 9135, 9135).topLeft());
  picture_->setFont(DesignFont(Face::Serif, 14.25));
  connect(picture_, &PictureBox::PointerMoved, this, &Form2::Picture1MouseMove);

  // The cursor lines, in the picture's user units.
  line1_ = new LineShape(picture_, "Line1", 4.7229f, 18.4914f, 4.7229f, -0.0003f, CursorColour, 1);
  line2_ = new LineShape(picture_, "Line2", -0.0001f, 8.2702f, 16.0997f, 8.2702f, CursorColour, 1);
}

void Form2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const LineShape* line : findChildren<LineShape*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!line->Visible()) continue;
    painter.setPen(QPen(line->Colour(), line->WidthPixels(), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(line->X1(), line->Y1()) / TwipsPerPixel, QPointF(line->X2(), line->Y2()) / TwipsPerPixel);
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
