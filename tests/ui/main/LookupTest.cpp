// Reading values in the main window: typed energies, selected rows and the pointer over
// the graph, with the cursor lines they place.

#include <QtTest>

#include <memory>

#include "core/lookup/CursorPlacement.h"
#include "support/WindowTestSupport.h"

using namespace alphastop;
using namespace alphastop::testing;

class LookupTest : public QObject {
  Q_OBJECT
  std::unique_ptr<MainWindow> w;

  static ui::Form2& Graph() { return MainWindow::Graph(); }
  static QStringList Lines() { return {LineText(Graph().Line1()), LineText(Graph().Line2())}; }

 private slots:
  void init() {
    w = std::make_unique<MainWindow>();
    w->Load("Alpha.as");
  }
  void cleanup() { w.reset(); }

  // A tabulated energy reads the row's own stopping powers, as a click on the row shows them.
  void enterLooksUpTheTypedEnergyAndPlacesBothCursorLines() {
    QVERIFY(w->TypeEnergy(w->Items()[40].split(' ', Qt::SkipEmptyParts)[0]).isEmpty());
    QCOMPARE(w->Readouts(), RowReadouts(41));
    // Line1 stands at the energy from the top of the frame down, Line2 runs at the total.
    const MaterialTable& table = SharedMaterialTable();
    const float x = EnergyCursorX(table.Energy(41)),
                y = StopPowerCursorY(table.StopPower(41, Total));
    QCOMPARE(Lines(),
             QStringList({Ends(x, 18.4914f, x, -0.0003f), Ends(-0.0001f, y, 16.0997f, y)}));
  }

  void outOfRangeEntriesWarnAndEmptyTheBoxesButLeaveTheLinesAndASecondEnterTakesTheRoundedEnergy() {
    QVERIFY(w->TypeEnergy("2").isEmpty());
    const QStringList lines = Lines();
    for (const char* typed : {"abc", "", "-5", "0.000999", "1000.001", "1e999", "2 GeV"}) {
      QCOMPARE(w->TypeEnergy(typed), QStringList{"AlphaStop|This value is out of range."});
      QCOMPARE(w->Readouts(), NoReadouts);
    }
    QCOMPARE(Lines(), lines);
    QVERIFY(w->TypeEnergy("0.001").isEmpty() && w->TypeEnergy("1000").isEmpty());
    // A unit after the number is applied, as the range window reads it.
    const std::pair<const char*, const char*> units[] = {{"1 5 MeV", "1.500E+01"},
                                                         {"800keV", "8.000E-01"},
                                                         {"1 GeV", "1.000E+03"},
                                                         {"5.5 keV", "5.500E-03"}};
    for (const auto& [typed, shown] : units) {
      QVERIFY(w->TypeEnergy(typed).isEmpty());
      QCOMPARE(w->Control("Text3")->text(), QString(shown));
    }
    // Other text after the number is named, and the readouts and lines stay for another try.
    const QStringList shown = w->Readouts().mid(1), placed = Lines();
    for (const char* typed : {"5,5", "5 furlongs"}) {
      w->Control("Text3")->setText(typed);
      const QStringList warnings =
          AnswerMessageBoxes([&] { QTest::keyClick(w->Control("Text3"), Qt::Key_Return); });
      QCOMPARE(warnings.size(), 1);
      QVERIFY2(warnings[0].contains(QString("\"%1\"").arg(typed)) && warnings[0].contains("keV"),
               qPrintable(warnings[0]));
      QCOMPARE(w->Readouts(), QStringList{typed} + shown);
      QCOMPARE(Lines(), placed);
    }
    // A second Enter looks up the energy as rewritten, rounded.
    QVERIFY(w->TypeEnergy("1.23456").isEmpty());
    QCOMPARE(w->Control("Text3")->text(), QString("1.235E+00"));
    QVERIFY(AnswerMessageBoxes([&] {
              QTest::keyClick(w->Control("Text3"), Qt::Key_Return);
            }).isEmpty());
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(1.235));
    // Past the last row of a table that ends early, and in range, is out of range too.
    w->folder.Write("as/Short.as", JoinLines(ValidTableLines("SHORT", 1.113)));  // to 420 MeV
    w->Refresh();
    w->Load("Short.as");
    QVERIFY(w->TypeEnergy("400").isEmpty());
    QCOMPARE(w->TypeEnergy("600"), QStringList{"AlphaStop|This value is out of range."});
    QCOMPARE(w->Readouts(), NoReadouts);
    MainWindow::MovePointer(13.5f, 10.0f);  // right of the last row stays on the last row
    QCOMPARE(w->SelectedRow(), 121);
  }

  void aRowShowsItsTabulatedValuesAndMovesOnlyTheEnergyCursorUpTo1000MeV() {
    w->List1()->setCurrentRow(0);  // right after a load: only the energy cursor shows
    QVERIFY(Graph().Line1().Visible() && !Graph().Line2().Visible());
    QVERIFY(w->TypeEnergy("3").isEmpty());
    const QString line2 = LineText(Graph().Line2());
    w->List1()->setCurrentRow(10);
    QCOMPARE(w->Readouts(), RowReadouts(11));
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(SharedMaterialTable().Energy(11)));
    QCOMPARE(LineText(Graph().Line2()), line2);
    // A row above 1000 MeV leaves the energy cursor alone.
    int above = 0;
    while (SharedMaterialTable().Energy(above + 1) <= 1000) ++above;
    w->List1()->setCurrentRow(5);
    const QString line1 = LineText(Graph().Line1());
    w->List1()->setCurrentRow(above);
    QCOMPARE(w->Readouts(), RowReadouts(above + 1));
    QCOMPARE(LineText(Graph().Line1()), line1);
  }

  void thePointerInsideThePlotShowsTheCrosshairAndSelectsTheNearestRowOncePerRow() {
    const MaterialTable& table = SharedMaterialTable();
    const auto xOf = [&](int r) { return EnergyCursorPosition(table.Energy(r)); };
    MainWindow::MovePointer(float(xOf(40)), 9.0f);
    QCOMPARE(Graph().Picture1().cursor().shape(), Qt::CrossCursor);
    QVERIFY(Graph().Line1().Visible() && Graph().Line2().Visible());
    QCOMPARE(w->SelectedRow(), 39);
    QCOMPARE(w->Readouts(), RowReadouts(40));
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(table.Energy(40)));  // the row readout moved it
    QVERIFY(std::abs(Graph().Line2().Y1() - 9.0f) < 0.05f);
    for (const QPointF outside :
         {QPointF(13.9, 9.0), QPointF(xOf(40), -0.5)}) {  // right, then the margin below
      MainWindow::MovePointer(float(outside.x()), float(outside.y()));
      QVERIFY(!Graph().Picture1().testAttribute(Qt::WA_SetCursor));
      QCOMPARE(Lines(), QStringList({"hidden", "hidden"}));
      QCOMPARE(w->Readouts(), RowReadouts(40));
    }
    // Moves within one row keep the selection and its readouts.
    MainWindow::MovePointer(float(xOf(30)), 5.0f);
    QCOMPARE(w->SelectedRow(), 29);
    w->Control("Text4")->setText("unchanged");
    MainWindow::MovePointer(float(xOf(30) + 0.3 * (xOf(31) - xOf(30))), 6.0f);
    QCOMPARE(w->Control("Text4")->text(), QString("unchanged"));
    MainWindow::MovePointer(float(xOf(30) + 0.8 * (xOf(31) - xOf(30))), 6.0f);
    QCOMPARE(w->SelectedRow(), 30);
    QCOMPARE(w->Control("Text4")->text(), Readout(table.StopPower(31, Total)));
  }
};

QTEST_MAIN(LookupTest)
#include "LookupTest.moc"
