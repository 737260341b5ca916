// The windows under event storms on the offscreen platform: input that arrives while a
// load lets events run, thousands of pointer moves, the graph window closed by the user,
// the reference window opened and closed many times, and "Exit" with windows open.
// Nothing may crash or leak, and afterwards the state is what the program promises.

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <chrono>
#include <functional>

#include "core/data/MaterialTable.h"
#include "core/lookup/CursorPlacement.h"
#include "core/lookup/ReadoutFormat.h"
#include "support/WindowState.h"
#include "support/WindowTestSupport.h"
#include "ui/FileListBox.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/LineShape.h"
#include "ui/PictureBox.h"

using namespace alphastop;
using namespace alphastop::testing;

namespace {

QString Readout(double value) { return QString::fromStdString(FormatReadout(value)); }

// Runs action the next time events are let run, and tells whether that was while the
// click that started it had not yet returned, i.e. inside the handler's own event pass.
class DuringHandler {
 public:
  explicit DuringHandler(std::function<void()> action) : action_(std::move(action)) {
    QTimer::singleShot(0, [this] {
      ranInside_ = !handlerReturned_;
      ran_ = true;
      action_();
    });
  }
  void HandlerReturned() { handlerReturned_ = true; }
  bool RanInside() const { return ran_ && ranInside_; }

 private:
  std::function<void()> action_;
  bool handlerReturned_ = false;
  bool ran_ = false;
  bool ranInside_ = false;
};

}  // namespace

class StressTest : public QObject {
  Q_OBJECT

  WorkingFolder* folder_ = nullptr;
  ui::Form1* window_ = nullptr;

  template <typename T>
  T* Control(const char* name) {
    T* control = window_->findChild<T*>(name);
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QListWidget* List1() { return Control<QListWidget>("List1"); }
  QStringList Readouts() {
    QStringList texts;
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) texts << Control<QLineEdit>(name)->text();
    return texts;
  }
  void Click(const char* button) { QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton); }
  QStringList PressOk() {
    return AnswerMessageBoxes([&] { Click("Command2"); });
  }
  void TypeEnergy(const QString& text) {
    auto* box = Control<QLineEdit>("Text3");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }
  void MovePointer(float x, float y) {
    ui::PictureBox& picture = ui::Form2::Instance().Picture1();
    const QPointF at = picture.ToArea(x, y) + QPointF(picture.contentsRect().topLeft());
    QTest::mouseMove(&picture, at.toPoint());
  }
  void LoadAlpha() {
    ClickItem(Control<QListWidget>("File1"), "Alpha.as");
    QVERIFY(PressOk().isEmpty());
  }

 private slots:
  void init() {
    folder_ = new WorkingFolder;
    window_ = new ui::Form1;
    window_->show();
  }
  void cleanup() {
    delete window_;
    delete folder_;
  }

  void inputDuringALoadNeitherStartsASecondLoadNorChangesTheFileBeingRead() {
    LoadAlpha();
    QSignalSpy loads(List1()->model(), &QAbstractItemModel::rowsInserted);
    const QStringList alphaItems = WindowState::Of(*window_).items;
    ClickItem(Control<QListWidget>("File1"), "Alpha.as");

    // While the load lets events run: OK again, a pick of another file, a row, a lookup.
    int nestedWarnings = -1;
    DuringHandler storm([&] {
      nestedWarnings = PressOk().size();
      ClickItem(Control<QListWidget>("File2"), "Gamma.asc");
      List1()->setCurrentRow(7);
      TypeEnergy("5");
      Click("Command2");
    });
    const QStringList warnings = PressOk();
    storm.HandlerReturned();
    QVERIFY(storm.RanInside());

    QCOMPARE(warnings, QStringList());
    QCOMPARE(nestedWarnings, 0);
    QCOMPARE(loads.count(), 1);  // one load at a time: the OKs inside it were not loads
    QCOMPARE(SharedMaterialTable().MaterialTitle, std::string("ALPHA"));
    QCOMPARE(WindowState::Of(*window_).items, alphaItems);
    QCOMPARE(List1()->currentRow(), -1);
    QCOMPARE(Readouts(), QStringList({"", "", "", ""}));
    QVERIFY(!ui::Form2::Instance().Line1().Visible() && !ui::Form2::Instance().Line2().Visible());
    // The pick made during the load stands, and the next OK loads it.
    QCOMPARE(SharedMaterialTable().DataFile, std::string("asc/Gamma.asc"));
    QCOMPARE(Control<QLineEdit>("Text1")->text(), QString("GAMMA, MIXED"));
    QVERIFY(PressOk().isEmpty());
    QCOMPARE(SharedMaterialTable().MaterialTitle, std::string("GAMMA, MIXED"));
    QCOMPARE(loads.count(), 2);
  }

  void manyOksAndPicksQueuedDuringLoadsLeaveOneConsistentTable() {
    LoadAlpha();
    for (int round = 0; round < 50; ++round) {
      const char* name = round % 2 ? "Beta.as" : "Alpha.as";
      ClickItem(Control<QListWidget>("File1"), name);
      for (int k = 0; k < 5; ++k) {
        QTimer::singleShot(0, [this, k] {
          Click("Command2");
          ClickItem(Control<QListWidget>("File1"), k % 2 ? "Alpha.as" : "Beta.as");
          List1()->setCurrentRow(k * 20);
        });
      }
      QVERIFY(PressOk().isEmpty());
      QCoreApplication::processEvents();  // whatever did not run inside the load runs now
      // What is shown is one whole table, whichever it is, with its readouts.
      const MaterialTable& table = SharedMaterialTable();
      QCOMPARE(List1()->count(), RowCount);
      for (int r = 1; r <= RowCount; r += 11)
        QCOMPARE(List1()->item(r - 1)->text(), QString::fromStdString(table.ListItem(r)));
      QCOMPARE(ui::Form2::Instance().windowTitle(), "  " + QString::fromStdString(table.MaterialTitle));
      if (const int row = List1()->currentRow(); row >= 0)
        QCOMPARE(Control<QLineEdit>("Text3")->text(), Readout(table.Energy(row + 1)));
    }
  }

  void exitDuringALoadLeavesNoWindowShown() {
    LoadAlpha();
    Click("Command3");
    ClickItem(Control<QListWidget>("File1"), "Beta.as");
    DuringHandler exit([&] { Click("Command1"); });
    const QStringList warnings = PressOk();
    exit.HandlerReturned();
    QVERIFY(exit.RanInside());
    QVERIFY(warnings.isEmpty());
    for (const char* name : {"Form2", "Form3"})
      QVERIFY2(!TopLevel(name) || !TopLevel(name)->isVisible(), name);
  }

  void tenThousandPointerMovesAcrossAndOutOfThePlot() {
    LoadAlpha();
    const MaterialTable& table = SharedMaterialTable();
    QSignalSpy pointedAt(&ui::Form2::Instance(), &ui::Form2::RowPointedAt);
    const auto start = std::chrono::steady_clock::now();
    // Sweeps across the whole picture, margins included, in and out of the data area.
    for (int i = 0; i < 10000; ++i) {
      const float x = -1.5f + 18.0f * static_cast<float>(i % 1000) / 1000.0f;
      const float y = -1.9f + 20.9f * static_cast<float>((i * 7) % 997) / 997.0f;
      MovePointer(x, y);
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    QVERIFY2(seconds < 60, qPrintable(QString("%1 s").arg(seconds)));
    QVERIFY2(pointedAt.count() > 5000, qPrintable(QString("%1 moves inside the data area").arg(pointedAt.count())));

    // Last inside: the crosshair shows and the nearest row's values are read out.
    const float x40 = static_cast<float>(EnergyCursorPosition(table.Energy(40)));
    MovePointer(x40, 9.0f);
    ui::Form2& graph = ui::Form2::Instance();
    QVERIFY(graph.Line1().Visible() && graph.Line2().Visible());
    QCOMPARE(List1()->currentRow(), 39);
    QCOMPARE(Readouts(), QStringList({Readout(table.Energy(40)), Readout(table.StopPower(40, Total)),
                                      Readout(table.StopPower(40, Electronic)), Readout(table.StopPower(40, Nuclear))}));
    // Then outside, in the frame above 998.7 MeV: the crosshair goes, the readout stays.
    MovePointer(15.5f, 9.0f);
    QVERIFY(!graph.Line1().Visible() && !graph.Line2().Visible());
    QCOMPARE(List1()->currentRow(), 39);
    QCOMPARE(Control<QLineEdit>("Text3")->text(), Readout(table.Energy(40)));
    QCOMPARE(CountTopLevels("Form2"), 1);
  }

  void theGraphWindowClosedByTheUserTakesALookupHiddenAndReturnsOnTheNextLoad() {
    LoadAlpha();
    ui::Form2& graph = ui::Form2::Instance();
    QVERIFY(graph.isVisible());
    QVERIFY(graph.close());
    QVERIFY(ui::Form2::Exists() && !graph.isVisible());

    TypeEnergy("5");
    QCOMPARE(Control<QLineEdit>("Text3")->text(), QString("5.000E+00"));
    QVERIFY(!graph.isVisible());  // a lookup places the lines but never shows the window
    QVERIFY(graph.Line1().Visible());
    QCOMPARE(graph.Line1().X1(), EnergyCursorX(5.0));

    ClickItem(Control<QListWidget>("File1"), "Beta.as");
    QVERIFY(PressOk().isEmpty());
    QCOMPARE(&ui::Form2::Instance(), &graph);
    QCOMPARE(CountTopLevels("Form2"), 1);
    QVERIFY(graph.isVisible());
    QCOMPARE(graph.windowTitle(), QString("  BETA"));
    QVERIFY(!graph.Line1().Visible() && !graph.Line2().Visible());
  }

  void theReferenceWindowOpenedAndClosedManyTimesStaysOneWindow() {
    for (int i = 0; i < 500; ++i) {
      Click("Command3");
      QWidget* reference = TopLevel("Form3");
      QVERIFY(reference && reference->isVisible());
      if (i % 2) QTest::mouseClick(reference->findChild<QPushButton*>("Command1"), Qt::LeftButton);
      else reference->close();  // the title bar's close button
      QVERIFY(!reference->isVisible());
    }
    QCOMPARE(CountTopLevels("Form3"), 1);
    QVERIFY(window_->isVisible());
  }

  void exitWithTheGraphAndReferenceWindowsOpenClosesThemAll() {
    LoadAlpha();
    Click("Command3");
    QVERIFY(ui::Form2::Instance().isVisible() && TopLevel("Form3")->isVisible());
    Click("Command1");
    QVERIFY(!ui::Form2::Instance().isVisible());
    QVERIFY(!TopLevel("Form3")->isVisible());
  }

  void closingTheMainWindowWithTheGraphOpenClosesThemAll() {
    LoadAlpha();
    QVERIFY(ui::Form2::Instance().isVisible());
    QVERIFY(window_->close());
    QVERIFY(!ui::Form2::Instance().isVisible());
  }
};

QTEST_MAIN(StressTest)
#include "StressTest.moc"
