// The graph window as a load leaves it: title, picture, hidden cursor lines.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/data/MaterialTable.h"
#include "core/graph/GraphDrawing.h"
#include "support/WindowTestSupport.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/LineShape.h"
#include "ui/PictureBox.h"

using namespace alphastop;
using namespace alphastop::testing;

namespace {

// A table whose electronic stopping power climbs past the top of the frame and whose
// nuclear stopping power falls below its bottom.
std::vector<std::string> OffScaleLines() {
  std::vector<std::string> lines = ValidTableLines("OFF SCALE");
  for (int r = 1; r <= 122; ++r) {
    const double energy = 1e-3 * std::pow(1.13, r - 1);
    const double electronic = 1e3 * std::pow(1.06, r), nuclear = 1e-2 * std::pow(0.9, r);
    char row[160];
    std::snprintf(row, sizeof row, "%.3E %.3E %.3E %.3E 1 1 1", energy, electronic, nuclear, electronic / 5);
    lines[static_cast<std::size_t>(9 + r)] = row;
  }
  return lines;
}

int CountColour(const QImage& image, const QRect& region, QRgb colour) {
  int count = 0;
  for (int y = region.top(); y <= region.bottom(); ++y)
    for (int x = region.left(); x <= region.right(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return count;
}

}  // namespace

class Form2Test : public QObject {
  Q_OBJECT

  WorkingFolder* folder_ = nullptr;
  ui::Form1* window_ = nullptr;

  static void Load(ui::Form1& w, const QString& file) {
    ClickItem(w.findChild<QListWidget*>("File1"), file);
    const QStringList warnings =
        AnswerMessageBoxes([&] { QTest::mouseClick(w.findChild<QPushButton*>("Command2"), Qt::LeftButton); });
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join("\n")));
  }

  // The region of the picture, in device pixels, between two user-unit corners.
  static QRect DeviceRegion(ui::PictureBox& picture, double x1, double y1, double x2, double y2) {
    const qreal ratio = picture.Picture().devicePixelRatio();
    return QRectF(picture.ToArea(x1, y1) * ratio, picture.ToArea(x2, y2) * ratio).normalized().toAlignedRect();
  }

 private slots:
  void init() {
    folder_ = new WorkingFolder;
    folder_->Files().Write("as/OffScale.as", JoinLines(OffScaleLines()));
    window_ = new ui::Form1;
    window_->show();
  }
  void cleanup() {
    delete window_;
    delete folder_;
  }

  void aLoadTitlesAndShowsTheWindowWithTheCursorLinesHidden() {
    ui::Form1& w = *window_;
    Load(w, "Alpha.as");
    QCOMPARE(CountTopLevels("Form2"), 1);
    ui::Form2& form2 = ui::Form2::Instance();
    QVERIFY(form2.isVisible());
    QCOMPARE(form2.windowTitle(), QString("  ALPHA"));
    QCOMPARE(form2.Label5().text(), QString("ALPHA"));
    QCOMPARE(form2.Label5().x(), 24);
    QVERIFY(!form2.Line1().Visible() && !form2.Line2().Visible());
    const QImage image = form2.Picture1().Picture();
    QCOMPARE(image.size(), QSize(605, 605) * form2.devicePixelRatioF());

    form2.Line1().SetVisible(true);
    form2.Line2().SetVisible(true);
    Load(w, "Beta.as");
    QCOMPARE(form2.windowTitle(), QString("  BETA"));
    QVERIFY(!form2.Line1().Visible() && !form2.Line2().Visible());
    QCOMPARE(CountTopLevels("Form2"), 1);
  }

  void aSecondLoadLeavesNothingOfTheFirstAndThePictureSurvivesHiding() {
    ui::Form1& w = *window_;
    Load(w, "OffScale.as");
    ui::PictureBox& picture = ui::Form2::Instance().Picture1();
    const QImage first = picture.Picture();
    Load(w, "Beta.as");
    const QImage beta = picture.Picture();
    QVERIFY(first != beta);

    ui::PictureBox fresh(nullptr, picture.Picture().width() / int(picture.Picture().devicePixelRatio()), GraphScale);
    DrawGraphPicture(fresh, SharedMaterialTable());
    QCOMPARE(beta, fresh.Picture());

    ui::Form2::Instance().hide();
    ui::Form2::Instance().show();
    QCOMPARE(picture.Picture(), beta);
  }

  void curvesEndAtTheFrameAndLabelsStayAboveTheMarginFills() {
    ui::Form1& w = *window_;
    Load(w, "OffScale.as");
    ui::PictureBox& picture = ui::Form2::Instance().Picture1();
    const QImage image = picture.Picture();
    // Right of the frame's left edge and its 2-pixel line.
    const QRect top = DeviceRegion(picture, 0.1, 19.1, 16.6, 18.5);
    const QRect bottom = DeviceRegion(picture, 0.1, -0.1, 16.6, -1.9);
    for (QRgb colour : {qRgb(255, 0, 0), qRgb(255, 255, 0)}) {
      QCOMPARE(CountColour(image, top, colour), 0);
      QCOMPARE(CountColour(image, bottom, colour), 0);
    }
    // Inside the frame both curves are there.
    const QRect plot = DeviceRegion(picture, 0.1, 18.3, 16.0, 0.1);
    QVERIFY(CountColour(image, plot, qRgb(255, 0, 0)) > 50);
    QVERIFY(CountColour(image, plot, qRgb(255, 255, 0)) > 50);
    // The energy labels and the axis title lie in the bottom margin, drawn after its fill.
    const QRect title = DeviceRegion(picture, 5.0, -1.0, 12.0, -1.8);
    QVERIFY(CountColour(image, title, qRgb(255, 255, 255)) > 100);
  }
};

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
