// The comparison window as a user drives it: opened from the menu with the loaded material,
// names typed, a file that cannot be read refused with nothing changed, every curve read
// at the pointer, and its numbers saved.

#include <QLabel>
#include <QtTest>

#include <memory>

#include "core/lookup/Interpolation.h"
#include "support/WindowTestSupport.h"
#include "ui/compare/CompareWindow.h"
#include "ui/compare/ComparisonView.h"

using namespace alphastop;
using namespace alphastop::testing;

class CompareWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<MainWindow> w;

 private slots:
  void init() { w = std::make_unique<MainWindow>(); }
  void cleanup() { w.reset(); }

  void comparesTheLoadedMaterialWithWhatIsAddedAndReadsEachAtThePointer() {
    w->Load("Alpha.as");
    QTest::keyClick(&w->window, Qt::Key_M, Qt::ControlModifier);
    ui::CompareWindow& window = ui::CompareWindow::Instance();
    QVERIFY(window.isVisible() && window.objectName() == "CompareWindow");
    QCOMPARE(window.AddMaterial("gamma"), QString());
    QVERIFY2(window.AddMaterial("Unobtainium").contains("\"Unobtainium\""), "named");
    QTest::keyClick(&w->window, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(&ui::CompareWindow::Instance(), &window);
    QCOMPARE(window.Shown()->curves.size(), std::size_t(2));

    const QString bad =
        QString::fromStdString(w->folder.Write("bad.csv", "energy_MeV,total\n1,5\n1,6\n"));
    const QStringList warnings = AnswerMessageBoxes([&] { window.AddFile(bad); });
    QVERIFY2(warnings.size() == 1 && warnings[0].contains('"' + bad + '"') &&
                 warnings[0].contains("Line 3"),
             qPrintable(warnings.join('\n')));
    QCOMPARE(window.Shown()->curves.size(), std::size_t(2));

    auto* view = window.findChild<ui::ComparisonView*>("ComparisonPicture");
    const QPoint at(400, 200);
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    const std::optional<double> energy = view->EnergyAt(at);
    QVERIFY(energy);
    QCOMPARE(window.findChild<QLabel*>("ReadoutValue1")->text(),
             Readout(InterpolateStopPower(SharedMaterialTable(), *energy)->total));
    QCOMPARE(window.findChild<QLabel*>("ReadoutDifference1")->text(), QString("+0.00 %"));

    const QString csv = QString::fromStdString((w->folder.Path() / "both.csv").string());
    AnswerFileDialogs(
        csv, [&] { QTest::mouseClick(window.findChild<QWidget*>("SaveButton"), Qt::LeftButton); });
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readLine().trimmed(), QByteArray("energy_MeV,Alpha_MeV_cm2_g,Gamma_MeV_cm2_g"));
  }
};

QTEST_MAIN(CompareWindowTest)
#include "CompareWindowTest.moc"
