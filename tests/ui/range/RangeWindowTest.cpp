// The range and energy-loss window over a loaded made-up table: a typed energy, a typed range
// and a stack of three layers, worked out as the user types and following each load; a gas at
// its pressure, a tilt and the spread of the energy; a stack saved and opened again.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include <fstream>

#include "support/WindowTestSupport.h"
#include "ui/range/RangeWindow.h"

using namespace alphastop;
using namespace alphastop::testing;

// The layer table's result columns.
enum { EnergyIn = 5, EnergyOut, EnergyLost, Fwhm, StopsAt };

class RangeWindowTest : public QObject {
  Q_OBJECT

  static QString LabelText(QWidget* window, const char* name) {
    return window->findChild<QLabel*>(name)->text();
  }
  // A layer's boxes are made anew when the layers change; the old ones go at the next turn of
  // the event loop, and must not be found in their place.
  template <typename T = QLineEdit>
  static T* Box(QWidget* window, const char* name) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window->findChild<T*>(name);
  }
  static void Type(QWidget* window, const char* box, const QString& text) {
    auto* edit = Box(window, box);
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
    QCOMPARE(Cell(layers, 0, EnergyIn), energyOfRow(100));
    QCOMPARE(Cell(layers, 0, EnergyOut), energyOfRow(80));
    QCOMPARE(Cell(layers, 1, EnergyIn), energyOfRow(80));
    QCOMPARE(Cell(layers, 1, EnergyOut), Readout(0));
    QCOMPARE(Cell(layers, 1, StopsAt), QString("800.0 \u00b5m"));  // stopped 800 um into it
    QCOMPARE(Cell(layers, 2, EnergyIn), QString());
    // At 60 degrees each path is twice as long: the 60 mg/cm2 left of the range end 300 um
    // below the second layer's face.
    Type(range, "AngleBox", "60");
    QCOMPARE(Cell(layers, 0, EnergyOut), energyOfRow(60));
    QCOMPARE(Cell(layers, 1, StopsAt), QString("300.0 \u00b5m"));
    Type(range, "AngleBox", "");

    // Moving the thick layer last lets the particle through the other two.
    layers->selectRow(1);
    QTest::mouseClick(range->findChild<QPushButton*>("MoveLayerDown"), Qt::LeftButton);
    QVERIFY(Cell(layers, 1, EnergyOut) != Readout(0));
    QCOMPARE(Cell(layers, 2, EnergyOut), Readout(0));

    QTest::mouseClick(range->findChild<QPushButton*>("CopyResults"), Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith("ALPHA\n"));
    QVERIFY(copied.contains("energy in (MeV)\tenergy out (MeV)"));

    w.Load("Beta.as");
    QVERIFY(LabelText(range, "RangeMaterial").startsWith("BETA"));
  }

  // A source in front of a gas gap and a detector: the nuclide's line, the gap at its
  // pressure, the spread of the energy, the foil's thickness from its loss; the stack saved
  // and opened again, and a damaged stack file refused with nothing changed.
  void aSpectroscopistsStackIsWorkedOutSavedAndOpenedAgain() {
    MainWindow w;
    w.Load("Alpha.as");
    ui::RangeWindow::Open();
    QWidget* range = &ui::RangeWindow::Instance();
    auto* layers = range->findChild<QTableWidget*>("LayerTable");
    while (layers->rowCount() > 0) {
      layers->selectRow(0);
      QTest::mouseClick(range->findChild<QPushButton*>("RemoveLayer"), Qt::LeftButton);
    }
    Type(range, "EnergyBox", "am241");
    QCOMPARE(LabelText(range, "EnergyValue"), "= " + Readout(5.48556) + " MeV");
    QTest::mouseClick(range->findChild<QPushButton*>("AddLayer"), Qt::LeftButton);
    auto* material = Box<QComboBox>(range, "LayerMaterial1");
    material->setEditText("formula=N2,density=1.165e-3,gas");
    QTest::keyClick(material->lineEdit(), Qt::Key_Return);
    Type(range, "LayerThickness1", "2cm");
    QVERIFY(Box(range, "LayerPressure1")->isEnabled());
    const QString atSeaLevel = Cell(layers, 0, EnergyOut);
    Type(range, "LayerPressure1", "506.625 hPa");
    Type(range, "LayerThickness1", "4cm");  // half the pressure, twice the path: the same gas
    QCOMPARE(Cell(layers, 0, EnergyOut), atSeaLevel);
    QVERIFY(!Cell(layers, 0, Fwhm).isEmpty());
    QVERIFY(LabelText(range, "StackTotal").contains(Cell(layers, 0, Fwhm) + " keV"));
    Type(range, "LayerPressure1", "20");
    QVERIFY(Cell(layers, 0, EnergyIn).contains("a pressure needs a unit"));
    Type(range, "LayerPressure1", "506.625 hPa");

    Type(range, "ThicknessEnergyIn", "Am-241");
    Type(range, "ThicknessEnergyOut", "5.5");
    QVERIFY(LabelText(range, "ThicknessMessage").contains("less than the energy in"));
    Type(range, "ThicknessEnergyOut", "5");
    QVERIFY(LabelText(range, "ThicknessLength").endsWith("m"));

    const QString saved = QString::fromStdString((w.folder.Path() / "gap.json").string());
    AnswerFileDialogs(saved, [&] {
      QTest::mouseClick(range->findChild<QPushButton*>("SaveStack"), Qt::LeftButton);
    });
    Type(range, "EnergyBox", "5");
    Type(range, "LayerPressure1", "");
    const auto open = [&](const std::string& name) {
      QStringList warnings;
      AnswerFileDialogs(QString::fromStdString((w.folder.Path() / name).string()), [&] {
        warnings = AnswerMessageBoxes([&] {
          QTest::mouseClick(range->findChild<QPushButton*>("OpenStack"), Qt::LeftButton);
        });
      });
      return warnings;
    };
    QCOMPARE(open("gap.json"), QStringList());
    QCOMPARE(Box(range, "EnergyBox")->text(), QString("am241"));
    QCOMPARE(Box(range, "LayerPressure1")->text(), QString("506.625 hPa"));
    QCOMPARE(Cell(layers, 0, EnergyOut), atSeaLevel);

    std::ofstream(w.folder.Path() / "damaged.json") << R"({"layers": [{"material": "Alpha"}]})";
    const QStringList warnings = open("damaged.json");
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].contains("damaged.json\" cannot be read.\nLayer 1 has no \"thickness\""));
    QCOMPARE(Box(range, "EnergyBox")->text(), QString("am241"));
    QCOMPARE(layers->rowCount(), 1);
  }
};

QTEST_MAIN(RangeWindowTest)
#include "RangeWindowTest.moc"
