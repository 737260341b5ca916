// The windows under event storms on the offscreen platform: input that arrives while a
// load lets events run, the graph window closed by the user, and "Exit" with windows open.
// Nothing may crash or leak, and afterwards the state is what the program promises.

#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "core/lookup/CursorPlacement.h"
#include "support/WindowTestSupport.h"
#include "ui/main/Form3.h"

using namespace alphastop;
using namespace alphastop::testing;

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
    // While the load lets events run, inside the handler of the OK that started it: OK again, a
    // pick of another file, a row, a lookup.
    bool handlerReturned = false;
    QStringList nestedWarnings{"not run"};
    QTimer::singleShot(0, [&] {
      QVERIFY(!handlerReturned);
      nestedWarnings = w->PressOk();
      w->Pick("File2", "Gamma.asc");
      w->List1()->setCurrentRow(7);
      w->TypeEnergy("5");
      nestedWarnings += w->PressOk();
    });
    QCOMPARE(w->PressOk(), QStringList());
    handlerReturned = true;
    QCOMPARE(nestedWarnings, QStringList());
    QCOMPARE(loads.count(), 1);         // one load at a time: the OKs inside it were not loads
    QCOMPARE(ScreenState(*w), loaded);  // Alpha as its load leaves it: no selection, no readouts
    // The pick made during the load stands, and the next OK loads it.
    QCOMPARE(SharedMaterialTable().DataFile, std::string("asc/Gamma.asc"));
    QCOMPARE(w->Control("Text1")->text(), QString("GAMMA, MIXED"));
    QVERIFY(w->PressOk().isEmpty());
    QCOMPARE(SharedMaterialTable().MaterialTitle, std::string("GAMMA, MIXED"));
    QCOMPARE(loads.count(), 2);
  }

  void manyOksAndPicksQueuedDuringLoadsLeaveOneConsistentTable() {
    w->Load("Alpha.as");
    for (int round = 0; round < 50; ++round) {
      w->Pick("File1", round % 2 ? "Beta.as" : "Alpha.as");
      for (int k = 0; k < 5; ++k)
        QTimer::singleShot(0, [this, k] {
          w->PressOk();
          w->Pick("File1", k % 2 ? "Alpha.as" : "Beta.as");
          w->List1()->setCurrentRow(k * 20);
        });
      QVERIFY(w->PressOk().isEmpty());
      QCoreApplication::processEvents();  // whatever did not run inside the load runs now
      // What is shown is one whole table, whichever it is, with its readouts.
      QCOMPARE(w->Items(), TableItems());
      QCOMPARE(MainWindow::Graph().windowTitle(),
               "  " + QString::fromStdString(SharedMaterialTable().MaterialTitle));
      if (const int row = w->List1()->currentRow(); row >= 0)
        QCOMPARE(w->Readouts(), RowReadouts(row + 1));
    }
  }

  // "Exit" pressed while a load lets events run, then the main window closed by the user:
  // each ends the program with no window of it left shown.
  void exitDuringALoadOrClosingTheMainWindowLeavesNoWindowShown() {
    w->Load("Alpha.as");
    w->Click("Command3");
    w->Pick("File1", "Beta.as");
    bool handlerReturned = false, exitRan = false;
    QTimer::singleShot(0, [&] {
      exitRan = !handlerReturned;  // inside the handler of the OK below
      w->Click("Command1");
    });
    QVERIFY(w->PressOk().isEmpty());
    handlerReturned = true;
    QVERIFY(exitRan);
    QVERIFY(!MainWindow::Graph().isVisible() && !ui::Form3::Instance().isVisible());
    w.reset();  // the next start
    w = std::make_unique<MainWindow>();
    w->Load("Alpha.as");
    w->Click("Command3");
    QVERIFY(MainWindow::Graph().isVisible() && ui::Form3::Instance().isVisible());
    QVERIFY(w->window.close());
    QVERIFY(!MainWindow::Graph().isVisible() && !ui::Form3::Instance().isVisible());
  }

  void theGraphWindowClosedByTheUserTakesALookupHiddenAndReturnsOnTheNextLoad() {
    w->Load("Alpha.as");
    ui::Form2& graph = MainWindow::Graph();
    QVERIFY(graph.close() && ui::Form2::Exists() && !graph.isVisible());
    w->TypeEnergy("5");
    QVERIFY(!graph.isVisible() &&
            graph.Line1().X1() == EnergyCursorX(5.0));  // placed, never shown by a lookup
    w->Load("Beta.as");
    QVERIFY(graph.isVisible() && graph.windowTitle() == "  BETA");
  }
};

QTEST_MAIN(StressTest)
#include "StressTest.moc"
