// Reading values in the main window: typed energies, selected rows and the pointer over
// the graph, with the cursor lines they place.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/data/MaterialTable.h"
#include "core/lookup/CursorPlacement.h"
#include "core/lookup/Interpolation.h"
#include "core/lookup/ReadoutFormat.h"
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

struct LineState {
  float x1, y1, x2, y2;
  bool visible;
  friend bool operator==(const LineState&, const LineState&) = default;
};
LineState StateOf(const ui::LineShape& line) { return {line.X1(), line.Y1(), line.X2(), line.Y2(), line.Visible()}; }

}  // namespace

class LookupTest : public QObject {
  Q_OBJECT

  WorkingFolder* folder_ = nullptr;
  ui::Form1* window_ = nullptr;

  QLineEdit* Box(const char* name) { return window_->findChild<QLineEdit*>(name); }
  QListWidget* List1() { return window_->findChild<QListWidget*>("List1"); }
  ui::Form2& Graph() { return ui::Form2::Instance(); }
  QStringList Texts() { return {Box("Text3")->text(), Box("Text4")->text(), Box("Text5")->text(), Box("Text6")->text()}; }

  // Types text into the emptied energy box and presses Enter; returns the warnings shown.
  QStringList TypeEnergy(const QString& text) {
    QTest::mouseClick(Box("Text3"), Qt::LeftButton);
    QTest::keyClicks(Box("Text3"), text);
    return AnswerMessageBoxes([&] { QTest::keyClick(Box("Text3"), Qt::Key_Return); });
  }
  void MovePointer(float x, float y) {
    ui::PictureBox& picture = Graph().Picture1();
    const QPointF at = picture.ToArea(x, y) + QPointF(picture.contentsRect().topLeft());
    QTest::mouseMove(&picture, at.toPoint());
  }

 private slots:
  void init() {
    folder_ = new WorkingFolder;
    window_ = new ui::Form1;
    window_->show();
    ClickItem(window_->findChild<QListWidget*>("File1"), "Alpha.as");
    const QStringList warnings =
        AnswerMessageBoxes([&] { QTest::mouseClick(window_->findChild<QPushButton*>("Command2"), Qt::LeftButton); });
    QVERIFY(warnings.isEmpty());
  }
  void cleanup() {
    delete window_;
    delete folder_;
  }

  void enterLooksUpTheTypedEnergyAndPlacesBothCursorLines() {
    QVERIFY(TypeEnergy("5").isEmpty());
    const StopPowers expected = *InterpolateStopPower(SharedMaterialTable(), 5.0);
    QCOMPARE(Texts(), QStringList({"5.000E+00", Readout(expected.total), Readout(expected.electronic),
                                   Readout(expected.nuclear)}));
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(5.0));
    QCOMPARE(Graph().Line1().X2(), EnergyCursorX(5.0));
    QCOMPARE(Graph().Line2().Y1(), StopPowerCursorY(expected.total));
    QVERIFY(Graph().Line1().Visible() && Graph().Line2().Visible());
    QCOMPARE(Graph().Line1().Y1(), 18.4914f);  // only x moves
    QCOMPARE(Graph().Line2().X2(), 16.0997f);  // only y moves
  }

  void otherKeysOnlyType() {
    QVERIFY(TypeEnergy("5").isEmpty());
    const QStringList before = Texts();
    const LineState line1 = StateOf(Graph().Line1());
    QTest::keyClick(Box("Text3"), Qt::Key_7);
    QCOMPARE(Box("Text3")->text(), before[0] + "7");
    QCOMPARE(Texts().mid(1), before.mid(1));
    QVERIFY(StateOf(Graph().Line1()) == line1);
  }

  void outOfRangeEntriesWarnAndEmptyTheBoxesButLeaveTheLines() {
    QVERIFY(TypeEnergy("2").isEmpty());
    const LineState line1 = StateOf(Graph().Line1()), line2 = StateOf(Graph().Line2());
    for (const QString& typed : {"abc", "", "-5", "0.000999", "1000.001", "1e999"}) {
      QCOMPARE(TypeEnergy(typed), QStringList{"AlphaStop|This value is out of range."});
      QCOMPARE(Texts(), QStringList({"", "", "", ""}));
    }
    QVERIFY(StateOf(Graph().Line1()) == line1);
    QVERIFY(StateOf(Graph().Line2()) == line2);
    QVERIFY(TypeEnergy("0.001").isEmpty());
    QVERIFY(std::abs(Graph().Line1().X1() - 0.0012447f) < 1e-7f);
    QVERIFY(TypeEnergy("1000").isEmpty());
    QCOMPARE(Graph().Line1().X1(), 13.816755f);
    QVERIFY(TypeEnergy("1 5 MeV").isEmpty());
    QCOMPARE(Box("Text3")->text(), QString("1.500E+01"));
  }

  void aSecondEnterLooksUpTheRoundedEnergy() {
    QVERIFY(TypeEnergy("1.23456").isEmpty());
    QCOMPARE(Box("Text3")->text(), QString("1.235E+00"));
    const auto again = AnswerMessageBoxes([&] { QTest::keyClick(Box("Text3"), Qt::Key_Return); });
    QVERIFY(again.isEmpty());
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(1.235));
    QCOMPARE(Box("Text4")->text(), Readout(InterpolateStopPower(SharedMaterialTable(), 1.235)->total));
  }

  void aRowShowsItsTabulatedValuesAndMovesOnlyTheEnergyCursor() {
    QVERIFY(TypeEnergy("3").isEmpty());
    const LineState line2 = StateOf(Graph().Line2());
    const MaterialTable& table = SharedMaterialTable();
    List1()->setCurrentRow(10);
    QCOMPARE(Texts(), QStringList({Readout(table.Energy(11)), Readout(table.StopPower(11, Total)),
                                   Readout(table.StopPower(11, Electronic)), Readout(table.StopPower(11, Nuclear))}));
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(table.Energy(11)));
    QVERIFY(StateOf(Graph().Line2()) == line2);

    // The same energy typed in gives the same four texts.
    const QStringList rowTexts = Texts();
    QVERIFY(TypeEnergy(Readout(table.Energy(11))).isEmpty());
    QCOMPARE(Texts(), rowTexts);
  }

  void aRowAbove1000MeVLeavesTheEnergyCursorAlone() {
    const MaterialTable& table = SharedMaterialTable();
    int above = 0;
    while (table.Energy(above + 1) <= 1000) ++above;
    QVERIFY(above < 122);
    List1()->setCurrentRow(5);
    const LineState line1 = StateOf(Graph().Line1());
    List1()->setCurrentRow(above);
    QCOMPARE(Box("Text3")->text(), Readout(table.Energy(above + 1)));
    QVERIFY(StateOf(Graph().Line1()) == line1);
  }

  void aRowRightAfterALoadShowsOnlyTheEnergyCursor() {
    QVERIFY(!Graph().Line1().Visible() && !Graph().Line2().Visible());
    List1()->setCurrentRow(0);
    QVERIFY(Graph().Line1().Visible());
    QVERIFY(!Graph().Line2().Visible());
  }

  void thePointerInsideThePlotShowsTheCrosshairAndSelectsTheNearestRow() {
    const MaterialTable& table = SharedMaterialTable();
    const float x = static_cast<float>(EnergyCursorPosition(table.Energy(40)));
    MovePointer(x, 9.0f);
    QCOMPARE(Graph().Picture1().cursor().shape(), Qt::CrossCursor);
    QVERIFY(Graph().Line1().Visible() && Graph().Line2().Visible());
    QCOMPARE(List1()->currentRow(), 39);
    QCOMPARE(Box("Text3")->text(), Readout(table.Energy(40)));
    QCOMPARE(Graph().Line1().X1(), EnergyCursorX(table.Energy(40)));  // the row readout moved it
    QVERIFY(std::abs(Graph().Line2().Y1() - 9.0f) < 0.05f);

    MovePointer(13.9f, 9.0f);  // right of the data area
    QVERIFY(!Graph().Picture1().testAttribute(Qt::WA_SetCursor));
    QVERIFY(!Graph().Line1().Visible() && !Graph().Line2().Visible());
    QCOMPARE(List1()->currentRow(), 39);

    MovePointer(x, -0.5f);  // the label margin below
    QVERIFY(!Graph().Line1().Visible());
    QCOMPARE(List1()->currentRow(), 39);
  }

  void anEnergyBeyondAShortTableIsOutOfRange() {
    auto lines = ValidTableLines("SHORT");
    for (int r = 1; r <= 122; ++r) {
      char row[160];
      std::snprintf(row, sizeof row, "%.4E 1.0E+02 1.0E+00 1.01E+02 1 1 1", 1e-3 * std::pow(1.113, r - 1));
      lines[static_cast<std::size_t>(9 + r)] = row;
    }
    folder_->Files().Write("as/Short.as", JoinLines(lines));
    window_->findChild<ui::FileListBox*>("File1")->SetFolder("as");
    ClickItem(window_->findChild<QListWidget*>("File1"), "Short.as");
    QVERIFY(AnswerMessageBoxes([&] { QTest::mouseClick(window_->findChild<QPushButton*>("Command2"), Qt::LeftButton); }).isEmpty());
    QVERIFY(SharedMaterialTable().Energy(122) < 500);
    QVERIFY(TypeEnergy("400").isEmpty());
    QCOMPARE(TypeEnergy("600"), QStringList{"AlphaStop|This value is out of range."});
    QCOMPARE(Texts(), QStringList({"", "", "", ""}));

    // The pointer right of the last row stays on the last row.
    MovePointer(13.5f, 10.0f);
    QCOMPARE(List1()->currentRow(), 121);
  }

  void pointerMovesWithinOneRowKeepTheSelection() {
    const MaterialTable& table = SharedMaterialTable();
    const double x30 = EnergyCursorPosition(table.Energy(30));
    const double x31 = EnergyCursorPosition(table.Energy(31));
    MovePointer(static_cast<float>(x30), 5.0f);
    QCOMPARE(List1()->currentRow(), 29);
    Box("Text4")->setText("unchanged");
    MovePointer(static_cast<float>(x30 + 0.3 * (x31 - x30)), 6.0f);
    QCOMPARE(List1()->currentRow(), 29);
    QCOMPARE(Box("Text4")->text(), QString("unchanged"));
    MovePointer(static_cast<float>(x30 + 0.8 * (x31 - x30)), 6.0f);
    QCOMPARE(List1()->currentRow(), 30);
    QCOMPARE(Box("Text4")->text(), Readout(table.StopPower(31, Total)));
  }
};

QTEST_MAIN(LookupTest)
#include "LookupTest.moc"
