// The range and energy-loss window over a loaded made-up table: a typed energy, a typed range
// and a stack of three layers, worked out as the user types and following each load.

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "core/range/LayerStack.h"
#include "core/range/RangeInterpolation.h"
#include "support/WindowTestSupport.h"
#include "ui/range/RangeWindow.h"

using namespace alphastop;
using namespace alphastop::testing;

class RangeWindowTest : public QObject {
  Q_OBJECT

  static QString LabelText(QWidget* window, const char* name) {
    return window->findChild<QLabel*>(name)->text();
  }
  static void Type(QWidget* window, const char* box, const QString& text) {
    auto* edit = window->findChild<QLineEdit*>(box);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  static QString Cell(QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
  }

 private slots:
  void energyRangeAndThreeLayersFollowTheTypingAndTheLoads() {
    MainWindow w;
    w.Load("Alpha.as");
    w.window.findChild<QAction*>("RangeAction")->trigger();
    w.window.findChild<QAction*>("RangeAction")->trigger();
    QWidget* range = &ui::RangeWindow::Instance();
    QVERIFY(range->isVisible());
    const MaterialTable& table = SharedMaterialTable();
    QVERIFY(LabelText(range, "RangeMaterial").startsWith("ALPHA"));

    Type(range, "EnergyBox", "5000keV");
    const Ranges at5 = std::get<Ranges>(RangeAtEnergy(table, 5));
    QCOMPARE(LabelText(range, "CsdaGramsPerCm2"), Readout(at5.csda));
    QCOMPARE(LabelText(range, "ProjectedMilligramsPerCm2"), Readout(at5.projected * 1e3));
    QCOMPARE(LabelText(range, "CsdaMicrometres"),
             QString::fromStdString(FormatLength(at5.csda / 1.0 * 1e4)));  // density 1 g/cm3
    Type(range, "EnergyBox", "5 furlongs");
    QVERIFY(LabelText(range, "EnergyMessage").contains("\"5 furlongs\""));
    QCOMPARE(LabelText(range, "CsdaGramsPerCm2"), QString());  // nothing stale shown as current

    Type(range, "RangeBox", "30um");
    QCOMPARE(LabelText(range, "RangeEnergy"),
             Readout(std::get<double>(EnergyFromCsdaRange(table, 30e-4))));
    QCOMPARE(LabelText(range, "RangeMessage"), QString());

    // Three layers of Alpha; the second stops the particle, the third is never reached.
    Type(range, "EnergyBox", "5");
    for (int i = 0; i < 3; ++i)
      QTest::mouseClick(range->findChild<QPushButton*>("AddLayer"), Qt::LeftButton);
    Type(range, "LayerThickness1", "1mg/cm2");
    Type(range, "LayerThickness2", "1g/cm2");
    auto* layers = range->findChild<QTableWidget*>("LayerTable");
    const double out1 = std::get<LayerCrossing>(CrossLayer(table, 1e-3, 5)).energyOut;
    QCOMPARE(Cell(layers, 0, 2), Readout(5));
    QCOMPARE(Cell(layers, 0, 3), Readout(out1));
    QCOMPARE(Cell(layers, 1, 2), Readout(out1));
    QCOMPARE(Cell(layers, 1, 3), Readout(0));
    QCOMPARE(Cell(layers, 1, 5), QString::fromStdString(FormatLength(
                                     std::get<double>(CsdaRangeAtEnergy(table, out1)) * 1e4)));
    QCOMPARE(Cell(layers, 2, 2), QString());

    // Moving the thick layer last lets the particle through the other two.
    layers->selectRow(1);
    QTest::mouseClick(range->findChild<QPushButton*>("MoveLayerDown"), Qt::LeftButton);
    QVERIFY(Cell(layers, 1, 3) != Readout(0));
    QCOMPARE(Cell(layers, 2, 3), Readout(0));

    QTest::mouseClick(range->findChild<QPushButton*>("CopyResults"), Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith("ALPHA\n"));
    QVERIFY(copied.contains("energy in (MeV)\tenergy out (MeV)"));

    w.Load("Beta.as");
    QVERIFY(LabelText(range, "RangeMaterial").startsWith("BETA"));
  }
};

QTEST_MAIN(RangeWindowTest)
#include "RangeWindowTest.moc"
