// The windows under event storms on the offscreen platform: input that arrives while a
// load lets events run, thousands of pointer moves, the graph window closed by the user,
// the reference window opened and closed many times, and "Exit" with windows open.
// Nothing may crash or leak, and afterwards the state is what the program promises.

#include <QSignalSpy>
#include <QtTest>

#include <chrono>
#include <memory>

#include "core/lookup/CursorPlacement.h"
#include "support/WindowTestSupport.h"

using namespace alphastop;
using namespace alphastop::testing;

namespace {

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
  bool handlerReturned_ = false, ran_ = false, ranInside_ = false;
};

}  // namespace

class StressTest : public QObject {
  Q_OBJECT
  std::unique_ptr<MainWindow> w;

 private slots:
  void init() { w = std::make_unique<MainWindow>(); }
  void cleanup() { w.reset(); }

  void inputDuringALoadNeitherStartsASecondLoadNorChangesTheFileBeingRead() {
    w->Load("Alpha.as");
    QSignalSpy loads(w->List1()->model(), &QAbstractItemModel::rowsInserted);
    const QStringList loaded = ScreenState(*w);
    w->Pick("File1", "Alpha.as");

    // While the load lets events run: OK again, a pick of another file, a row, a lookup.
    int nestedWarnings = -1;
    DuringHandler storm([&] {
      nestedWarnings = w->PressOk().size();
      w->Pick("File2", "Gamma.asc");
      w->List1()->setCurrentRow(7);
      w->TypeEnergy("5");
      w->Click("Command2");
    });
    const QStringList warnings = w->PressOk();
    storm.HandlerReturned();
    QVERIFY(storm.RanInside());

    QCOMPARE(warnings, QStringList());
    QCOMPARE(nestedWarnings, 0);
    QCOMPARE(loads.count(), 1);  // one load at a time: the OKs inside it were not loads
    QCOMPARE(ScreenState(*w), loaded);  // Alpha as its load leaves it: no selection, no readouts
    // The pick made during the load stands, and the next OK loads it.
    QCOMPARE(SharedMaterialTable().DataFile, std::string("asc/Gamma.asc"));
    QCOMPARE(w->Control<QLineEdit>("Text1")->text(), QString("GAMMA, MIXED"));
    QVERIFY(w->PressOk().isEmpty());
    QCOMPARE(SharedMaterialTable().MaterialTitle, std::string("GAMMA, MIXED"));
    QCOMPARE(loads.count(), 2);
  }

  void manyOksAndPicksQueuedDuringLoadsLeaveOneConsistentTable() {
    w->Load("Alpha.as");
    for (int round = 0; round < 50; ++round) {
      w->Pick("File1", round % 2 ? "Beta.as" : "Alpha.as");
      for (int k = 0; k < 5; ++k) {
        QTimer::singleShot(0, [this, k] {
          w->Click("Command2");
          w->Pick("File1", k % 2 ? "Alpha.as" : "Beta.as");
          w->List1()->setCurrentRow(k * 20);
        });
      }
      QVERIFY(w->PressOk().isEmpty());
      QCoreApplication::processEvents();  // whatever did not run inside the load runs now
      // What is shown is one whole table, whichever it is, with its readouts.
      const MaterialTable& table = SharedMaterialTable();
      QCOMPARE(w->List1()->count(), RowCount);
      for (int r = 1; r <= RowCount; r += 11)
        QCOMPARE(w->List1()->item(r - 1)->text(), QString::fromStdString(table.ListItem(r)));
      QCOMPARE(MainWindow::Graph().windowTitle(), "  " + QString::fromStdString(table.MaterialTitle));
      if (const int row = w->List1()->currentRow(); row >= 0)
        QCOMPARE(w->Control<QLineEdit>("Text3")->text(), Readout(table.Energy(row + 1)));
    }
  }

  void exitDuringALoadLeavesNoWindowShown() {
    w->Load("Alpha.as");
    w->Click("Command3");
    w->Pick("File1", "Beta.as");
    DuringHandler exit([&] { w->Click("Command1"); });
    const QStringList warnings = w->PressOk();
    exit.HandlerReturned();
    QVERIFY(exit.RanInside());
    QVERIFY(warnings.isEmpty());
    for (const char* name : {"Form2", "Form3"}) QVERIFY2(!TopLevel(name) || !TopLevel(name)->isVisible(), name);
  }

  void tenThousandPointerMovesAcrossAndOutOfThePlot() {
    w->Load("Alpha.as");
    QSignalSpy pointedAt(&MainWindow::Graph(), &ui::Form2::RowPointedAt);
    const auto start = std::chrono::steady_clock::now();
    // Sweeps across the whole picture, margins included, in and out of the data area.
    for (int i = 0; i < 10000; ++i)
      MainWindow::MovePointer(-1.5f + 18.0f * static_cast<float>(i % 1000) / 1000.0f,
                              -1.9f + 20.9f * static_cast<float>((i * 7) % 997) / 997.0f);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    QVERIFY2(seconds < 60, qPrintable(QString("%1 s").arg(seconds)));
    QVERIFY2(pointedAt.count() > 5000, qPrintable(QString("%1 moves inside the data area").arg(pointedAt.count())));

    // Last inside: the crosshair shows and the nearest row's values are read out.
    const MaterialTable& table = SharedMaterialTable();
    MainWindow::MovePointer(static_cast<float>(EnergyCursorPosition(table.Energy(40))), 9.0f);
    ui::Form2& graph = MainWindow::Graph();
    QVERIFY(graph.Line1().Visible() && graph.Line2().Visible());
    QCOMPARE(w->List1()->currentRow(), 39);
    QCOMPARE(w->Readouts(), RowReadouts(40));
    // Then outside, in the frame above 998.7 MeV: the crosshair goes, the readout stays.
    MainWindow::MovePointer(15.5f, 9.0f);
    QVERIFY(!graph.Line1().Visible() && !graph.Line2().Visible());
    QCOMPARE(w->List1()->currentRow(), 39);
    QCOMPARE(w->Readouts(), RowReadouts(40));
    QCOMPARE(TopLevels("Form2").size(), 1);
  }

  void theGraphWindowClosedByTheUserTakesALookupHiddenAndReturnsOnTheNextLoad() {
    w->Load("Alpha.as");
    ui::Form2& graph = MainWindow::Graph();
    QVERIFY(graph.isVisible() && graph.close());
    QVERIFY(ui::Form2::Exists() && !graph.isVisible());

    w->TypeEnergy("5");
    QCOMPARE(w->Control<QLineEdit>("Text3")->text(), QString("5.000E+00"));
    QVERIFY(!graph.isVisible());  // a lookup places the lines but never shows the window
    QVERIFY(graph.Line1().Visible());
    QCOMPARE(graph.Line1().X1(), EnergyCursorX(5.0));

    w->Load("Beta.as");
    QCOMPARE(&MainWindow::Graph(), &graph);
    QCOMPARE(TopLevels("Form2").size(), 1);
    QVERIFY(graph.isVisible());
    QCOMPARE(graph.windowTitle(), QString("  BETA"));
    QVERIFY(!graph.Line1().Visible() && !graph.Line2().Visible());
  }

  void theReferenceWindowOpenedAndClosedManyTimesStaysOneWindow() {
    for (int i = 0; i < 500; ++i) {
      w->Click("Command3");
      QWidget* reference = TopLevel("Form3");
      QVERIFY(reference && reference->isVisible());
      if (i % 2) QTest::mouseClick(reference->findChild<QPushButton*>("Command1"), Qt::LeftButton);
      else reference->close();  // the title bar's close button
      QVERIFY(!reference->isVisible());
    }
    QCOMPARE(TopLevels("Form3").size(), 1);
    QVERIFY(w->window.isVisible());
  }

  void exitOrClosingTheMainWindowClosesTheGraphAndReferenceWindows_data() {
    QTest::addColumn<bool>("exit");
    QTest::newRow("Exit") << true;
    QTest::newRow("main window closed") << false;
  }
  void exitOrClosingTheMainWindowClosesTheGraphAndReferenceWindows() {
    QFETCH(bool, exit);
    w->Load("Alpha.as");
    w->Click("Command3");
    QVERIFY(MainWindow::Graph().isVisible() && TopLevel("Form3")->isVisible());
    if (exit) w->Click("Command1");
    else QVERIFY(w->window.close());
    QVERIFY(!MainWindow::Graph().isVisible());
    QVERIFY(!TopLevel("Form3")->isVisible());
  }
};

QTEST_MAIN(StressTest)
#include "StressTest.moc"
