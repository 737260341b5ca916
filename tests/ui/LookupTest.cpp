// Reading values in the main window: typed energies, selected rows and the pointer over
// the graph, with the cursor lines they place.

#include <QtTest>

#include <memory>

#include "core/lookup/CursorPlacement.h"
#include "core/lookup/Interpolation.h"
#include "support/WindowTestSupport.h"

using namespace alphastop;
using namespace alphastop::testing;

class LookupTest : public QObject {
  Q_OBJECT
  std::unique_ptr<MainWindow> w;

  QLineEdit* Box(const char* name) { return w->Control<QLineEdit>(name); }
  static ui::Form2& Graph() { return MainWindow::Graph(); }
  static CursorLine Line1() { return CursorLine::Of(Graph().Line1()); }
  static CursorLine Line2() { return CursorLine::Of(Graph().Line2()); }

 private slots:
  void init() {
    w = std::make_unique<MainWindow>();
    w->Load("Alpha.as");
  }
  void cleanup() { w.reset(); }

  void enterLooksUpTheTypedEnergyAndPlacesBothCursorLines() {
    QVERIFY(w->TypeEnergy("5").isEmpty());
    const StopPowers expected = *InterpolateStopPower(SharedMaterialTable(), 5.0);
    QCOMPARE(w->Readouts(), QStringList({"5.000E+00", Readout(expected.total), Readout(expected.electronic),
                                         Readout(expected.nuclear)}));
    // Line1 is vertical at the energy, down from y = 18.4914; Line2 runs at the stopping power
    // to x = 16.0997.
    QCOMPARE(Line1(), (CursorLine{EnergyCursorX(5.0), 18.4914f, EnergyCursorX(5.0), Line1().y2, true}));
    QCOMPARE(Line2(), (CursorLine{Line2().x1, StopPowerCursorY(expected.total), 16.0997f, Line2().y2, true}));

    // Another key only types.
    QStringList typed = w->Readouts();
    typed[0] += "7";
    const CursorLine line1 = Line1();
    QTest::keyClick(Box("Text3"), Qt::Key_7);
    QCOMPARE(w->Readouts(), typed);
    QCOMPARE(Line1(), line1);
  }

  void outOfRangeEntriesWarnAndEmptyTheBoxesButLeaveTheLinesAndASecondEnterTakesTheRoundedEnergy() {
    QVERIFY(w->TypeEnergy("2").isEmpty());
    const CursorLine line1 = Line1(), line2 = Line2();
    for (const char* typed : {"abc", "", "-5", "0.000999", "1000.001", "1e999"}) {
      QCOMPARE(w->TypeEnergy(typed), QStringList{"AlphaStop|This value is out of range."});
      QCOMPARE(w->Readouts(), NoReadouts);
    }
    QCOMPARE(Line1(), line1);
    QCOMPARE(Line2(), line2);
    QVERIFY(w->TypeEnergy("0.001").isEmpty());
    QVERIFY(std::abs(Graph().Line1().X1() - 0.0012447f) < 1e-7f);
    QVERIFY(w->TypeEnergy("1000").isEmpty());
    QCOMPARE(Graph().Line1().X1(), 13.816755f);
    QVERIFY(w->TypeEnergy("1 5 MeV").isEmpty());
    QCOMPARE(Box("Text3")->text(), QString("1.500E+01"));
    // A second Enter looks up the energy as rewritten, rounded.
    QVERIFY(w->TypeEnergy("1.23456").isEmpty());
    QCOMPARE(Box("Text3")->text(), QString("1.235E+00"));
    QVERIFY(AnswerMessageBoxes([&] { QTest::keyClick(Box("Text3"), Qt::Key_Return); }).isEmpty());
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(1.235));
    QCOMPARE(Box("Text4")->text(), Readout(InterpolateStopPower(SharedMaterialTable(), 1.235)->total));
  }

  void aRowShowsItsTabulatedValuesAndMovesOnlyTheEnergyCursorUpTo1000MeV() {
    QVERIFY(!Graph().Line1().Visible() && !Graph().Line2().Visible());
    w->List1()->setCurrentRow(0);  // right after a load: only the energy cursor shows
    QVERIFY(Graph().Line1().Visible() && !Graph().Line2().Visible());

    QVERIFY(w->TypeEnergy("3").isEmpty());
    const CursorLine line2 = Line2();
    w->List1()->setCurrentRow(10);
    QCOMPARE(w->Readouts(), RowReadouts(11));
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(SharedMaterialTable().Energy(11)));
    QCOMPARE(Line2(), line2);
    // The same energy typed in gives the same four texts.
    QVERIFY(w->TypeEnergy(Readout(SharedMaterialTable().Energy(11))).isEmpty());
    QCOMPARE(w->Readouts(), RowReadouts(11));
    // A row above 1000 MeV leaves the energy cursor alone.
    const MaterialTable& table = SharedMaterialTable();
    int above = 0;
    while (table.Energy(above + 1) <= 1000) ++above;
    QVERIFY(above < 122);
    w->List1()->setCurrentRow(5);
    const CursorLine line1 = Line1();
    w->List1()->setCurrentRow(above);
    QCOMPARE(Box("Text3")->text(), Readout(table.Energy(above + 1)));
    QCOMPARE(Line1(), line1);
  }

  void thePointerInsideThePlotShowsTheCrosshairAndSelectsTheNearestRowOncePerRow() {
    const MaterialTable& table = SharedMaterialTable();
    const float x = static_cast<float>(EnergyCursorPosition(table.Energy(40)));
    MainWindow::MovePointer(x, 9.0f);
    QCOMPARE(Graph().Picture1().cursor().shape(), Qt::CrossCursor);
    QVERIFY(Graph().Line1().Visible() && Graph().Line2().Visible());
    QCOMPARE(w->List1()->currentRow(), 39);
    QCOMPARE(w->Readouts(), RowReadouts(40));
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(table.Energy(40)));  // the row readout moved it
    QVERIFY(std::abs(Graph().Line2().Y1() - 9.0f) < 0.05f);

    MainWindow::MovePointer(13.9f, 9.0f);  // right of the data area
    QVERIFY(!Graph().Picture1().testAttribute(Qt::WA_SetCursor));
    QVERIFY(!Graph().Line1().Visible() && !Graph().Line2().Visible());
    QCOMPARE(w->List1()->currentRow(), 39);
    MainWindow::MovePointer(x, -0.5f);  // the label margin below
    QVERIFY(!Graph().Line1().Visible());
    QCOMPARE(w->List1()->currentRow(), 39);
    // Moves within one row keep the selection and its readouts.
    const double x30 = EnergyCursorPosition(table.Energy(30));
    const double x31 = EnergyCursorPosition(table.Energy(31));
    MainWindow::MovePointer(static_cast<float>(x30), 5.0f);
    QCOMPARE(w->List1()->currentRow(), 29);
    Box("Text4")->setText("unchanged");
    MainWindow::MovePointer(static_cast<float>(x30 + 0.3 * (x31 - x30)), 6.0f);
    QCOMPARE(w->List1()->currentRow(), 29);
    QCOMPARE(Box("Text4")->text(), QString("unchanged"));
    MainWindow::MovePointer(static_cast<float>(x30 + 0.8 * (x31 - x30)), 6.0f);
    QCOMPARE(w->List1()->currentRow(), 30);
    QCOMPARE(Box("Text4")->text(), Readout(table.StopPower(31, Total)));
  }

  void anEnergyBeyondAShortTableIsOutOfRange() {
    w->folder.Write("as/Short.as", JoinLines(ValidTableLines("SHORT", 1.113)));  // to 420 MeV
    w->Refresh();
    w->Load("Short.as");
    QVERIFY(SharedMaterialTable().Energy(122) < 500);
    QVERIFY(w->TypeEnergy("400").isEmpty());
    QCOMPARE(w->TypeEnergy("600"), QStringList{"AlphaStop|This value is out of range."});
    QCOMPARE(w->Readouts(), NoReadouts);
    MainWindow::MovePointer(13.5f, 10.0f);  // right of the last row stays on the last row
    QCOMPARE(w->List1()->currentRow(), 121);
  }
};

QTEST_MAIN(LookupTest)
#include "LookupTest.moc"
