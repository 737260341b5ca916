// The graph window as a load leaves it: title, picture, hidden cursor lines; and its view
// of the ranges.

#include <QLabel>
#include <QtTest>

#include <memory>

#include "core/graph/CursorReadout.h"
#include "core/graph/GraphDrawing.h"
#include "core/graph/RangeGraph.h"
#include "core/range/RangeInterpolation.h"
#include "support/WindowTestSupport.h"
#include "ui/graph/GraphExport.h"

using namespace alphastop;
using namespace alphastop::testing;

namespace {

// Pixels of colour in the picture between two user-unit corners.
int CountColour(ui::PictureBox& picture, double x1, double y1, double x2, double y2, QRgb colour) {
  const QImage image = picture.Picture();
  const qreal ratio = image.devicePixelRatio();
  const QRect region = QRectF(picture.ToArea(x1, y1) * ratio, picture.ToArea(x2, y2) * ratio)
                           .normalized()
                           .toAlignedRect();
  int count = 0;
  for (int y = region.top(); y <= region.bottom(); ++y)
    for (int x = region.left(); x <= region.right(); ++x)
      count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return count;
}

}  // namespace

class Form2Test : public QObject {
  Q_OBJECT
  std::unique_ptr<MainWindow> w;

 private slots:
  void init() {
    w = std::make_unique<MainWindow>();
    w->folder.Write("as/OffScale.as", OffScaleTableText());
    w->Refresh();
  }
  void cleanup() { w.reset(); }

  void aLoadTitlesAndShowsTheWindowWithTheCursorLinesHidden() {
    w->Load("Alpha.as");
    ui::Form2& form2 = MainWindow::Graph();
    QVERIFY(form2.isVisible());
    QCOMPARE(form2.windowTitle(), QString("  ALPHA"));
    QCOMPARE(form2.Label5().text(), QString("ALPHA"));
    QCOMPARE(form2.Label5().x(), 24);
    // Both windows' client areas, not their frames, stand where the design puts them.
    QCOMPARE(form2.geometry(), QRect(910, 26, 630, 757));
    QCOMPARE(w->window.geometry().topLeft(), QPoint(8, 31));
    QCOMPARE(form2.Picture1().Picture().size(), QSize(605, 605) * form2.devicePixelRatioF());
    form2.Line1().SetVisible(true);
    form2.Line2().SetVisible(true);
    w->Load("Beta.as");
    QCOMPARE(form2.windowTitle(), QString("  BETA"));
    QCOMPARE(LineText(form2.Line1()) + LineText(form2.Line2()), QString("hiddenhidden"));
  }

  void curvesEndAtTheFrameLabelsStayAboveTheMarginFillsAndTheNextLoadLeavesNothingOfThem() {
    w->Load("OffScale.as");
    ui::PictureBox& picture = MainWindow::Graph().Picture1();
    for (QRgb colour : {qRgb(255, 0, 0), qRgb(255, 255, 0)}) {
      // Right of the frame's left edge and its 2-pixel line, above and below the frame.
      QCOMPARE(CountColour(picture, 0.1, 19.1, 16.6, 18.5, colour), 0);
      QCOMPARE(CountColour(picture, 0.1, -0.1, 16.6, -1.9, colour), 0);
      QVERIFY(CountColour(picture, 0.1, 18.3, 16.0, 0.1, colour) > 50);  // inside the frame
    }
    // The energy labels and the axis title lie in the bottom margin, drawn after its fill.
    QVERIFY(CountColour(picture, 5.0, -1.0, 12.0, -1.8, qRgb(255, 255, 255)) > 100);
    const QImage first = picture.Picture();
    w->Load("Beta.as");
    const QImage beta = picture.Picture();
    QVERIFY(first != beta);
    ui::PictureBox fresh(nullptr, beta.width() / int(beta.devicePixelRatio()), GraphScale);
    DrawGraphPicture(fresh.Drawing(), SharedMaterialTable());
    QCOMPARE(beta, fresh.Picture());
    MainWindow::Graph().hide();
    MainWindow::Graph().show();
    QCOMPARE(picture.Picture(), beta);
  }

  // The ranges replace the picture and say so; the pointer and a typed energy still read
  // the rows, the horizontal line at the range; the stopping powers come back as they were.
  void theRangeViewShowsTheRangesAndGivesTheStoppingPowersBackAsTheyWere() {
    w->Load("Alpha.as");
    ui::Form2& form2 = MainWindow::Graph();
    const QImage stopping = form2.Picture1().Picture();
    QTest::keyClick(&w->window, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(form2.View(), GraphView::Ranges);
    QCOMPARE(form2.findChild<QLabel*>("Label4")->text(), QString("Alpha particle range"));
    QVERIFY(form2.findChild<QLabel*>("Label3")->isHidden());
    QVERIFY(ui::GraphImage(SharedMaterialTable(), form2.devicePixelRatioF(), {GraphView::Ranges}) ==
            form2.grab().toImage().convertToFormat(QImage::Format_RGB32));
    emit form2.Picture1().PointerMoved(7.0f, 9.0f);
    QCOMPARE(w->SelectedRow(), NearestRow(SharedMaterialTable(), 7.0f) - 1);
    w->TypeEnergy("5");
    const double csda = std::get<Ranges>(RangeAtEnergy(SharedMaterialTable(), 5)).csda;
    QCOMPARE(form2.Line2().Y1(), float(RangeToY(SharedMaterialTable(), csda)));
    form2.SetView(GraphView::StoppingPowers);
    QCOMPARE(form2.Picture1().Picture(), stopping);
    QVERIFY(form2.findChild<QLabel*>("Label3")->isVisible());
  }
};

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
