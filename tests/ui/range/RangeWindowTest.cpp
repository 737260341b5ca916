// The range and energy-loss window over a loaded made-up table: a typed energy, a typed range
// and a stack of three layers, worked out as the user types and following each load.

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

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
    // Row r of the made-up table has a CSDA range of r mg/cm2, a projected range of 0.9 r
    // mg/cm2 and, at density 1, r x 10 um; each range read back gives the row's energy.
    const auto energyOfRow = [&](int r) {
      return w.Items()[r - 1].split(' ', Qt::SkipEmptyParts)[0];
    };

    Type(range, "EnergyBox", QString::number(energyOfRow(100).toDouble() * 1e3) + "keV");
    QCOMPARE(LabelText(range, "CsdaGramsPerCm2"), QString("1.000E-01"));
    QCOMPARE(LabelText(range, "ProjectedMilligramsPerCm2"), QString("9.000E+01"));
    QCOMPARE(LabelText(range, "CsdaMicrometres"), QString("1.000 mm"));
    QCOMPARE(LabelText(range, "CsdaUncertainty"), QString());  // not the program's own table
    Type(range, "EnergyBox", "5 furlongs");
    QVERIFY(LabelText(range, "EnergyMessage").contains("\"5 furlongs\""));
    QCOMPARE(LabelText(range, "CsdaGramsPerCm2"), QString());  // nothing stale shown as current

    Type(range, "RangeBox", "800um");
    QCOMPARE(LabelText(range, "RangeEnergy"), energyOfRow(80));
    QCOMPARE(LabelText(range, "RangeMessage"), QString());

    // Three layers of Alpha; the second stops the particle, the third is never reached.
    Type(range, "EnergyBox", energyOfRow(100));
    for (int i = 0; i < 3; ++i)
      QTest::mouseClick(range->findChild<QPushButton*>("AddLayer"), Qt::LeftButton);
    Type(range, "LayerThickness1", "20mg/cm2");
    Type(range, "LayerThickness2", "1g/cm2");
    auto* layers = range->findChild<QTableWidget*>("LayerTable");
    QCOMPARE(Cell(layers, 0, 2), energyOfRow(100));
    QCOMPARE(Cell(layers, 0, 3), energyOfRow(80));
    QCOMPARE(Cell(layers, 1, 2), energyOfRow(80));
    QCOMPARE(Cell(layers, 1, 3), Readout(0));
    QCOMPARE(Cell(layers, 1, 5), QString("800.0 \u00b5m"));  // stopped 800 um into the layer
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
