// Damaged data files met through the main window: the pick and the load warn, naming the
// file and the line, and the row list, the selection, the readouts and the graph stay
// exactly as the previous load and lookup left them.

#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "support/WindowTestSupport.h"

using namespace alphastop;
using namespace alphastop::testing;

class DamagedFileWindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<MainWindow> w;

  // Presses OK: exactly one warning must name path and hold each of the pieces, and the
  // screen must be as it was before.
  void ExpectRefusedLoad(const QStringList& before, const QString& path, QStringList pieces) {
    const QStringList warnings = w->PressOk();
    QCOMPARE(warnings.size(), 1);
    for (const QString& piece : pieces << path)
      QVERIFY2(warnings[0].contains(piece), qPrintable(warnings[0] + " lacks " + piece));
    QVERIFY2(!warnings[0].contains(QChar(0)) && !warnings[0].contains(QChar::ReplacementCharacter),
             qPrintable(warnings[0]));
    QCOMPARE(ScreenState(*w), before);
    QCOMPARE(SharedMaterialTable().DataFile, path.toStdString());
  }

 private slots:
  // A loaded table with a lookup on screen: both cursor lines shown, four readouts filled.
  void init() {
    w = std::make_unique<MainWindow>();
    w->Load("Alpha.as");
    w->List1()->setCurrentRow(20);
    QVERIFY(w->TypeEnergy("0.5").isEmpty());
  }
  void cleanup() { w.reset(); }

  void aDamagedFileIsRefusedAndTheScreenStaysAsItWasOrAReadableOneLoads_data() {
    QTest::addColumn<QString>("file");
    // Representative of each way a file goes wrong; the core tests take the whole corpus.
    for (const char* name : {"binary.as", "utf16le.as", "utf16le-no-mark.as", "ends-mid-number.as",
                             "nan.as", "six-then-eight-numbers.as", "descending-energy.as",
                             "negative-stopping-power.asc", "utf8-bom.as"})
      QTest::newRow(name) << name;
  }
  void aDamagedFileIsRefusedAndTheScreenStaysAsItWasOrAReadableOneLoads() {
    QFETCH(QString, file);
    const auto cases = DamagedCases();
    const DamagedCase& expected = *std::find_if(
        cases.begin(), cases.end(), [&](auto& c) { return c.file == file.toStdString(); });
    const QString path = (file.endsWith(".asc") ? "asc/" : "as/") + file;
    std::filesystem::copy_file(DamagedFolder() / expected.file, path.toStdString());
    w->Refresh();
    if (expected.readable) {  // an odd but readable file loads like any other, its title in UTF-8
      w->Load(file);
      QCOMPARE(w->Items(), TableItems());
      QCOMPARE(MainWindow::Graph().windowTitle(), "  " + QString::fromStdString(expected.detail));
      return;
    }
    const QStringList before = ScreenState(*w);
    QCOMPARE(w->Pick(path.startsWith("asc") ? "File2" : "File1", file).size(),
             expected.line <= 2 ? 1 : 0);
    ExpectRefusedLoad(
        before, path,
        {QString("Line %1: ").arg(expected.line), QString::fromStdString(expected.detail)});
  }

  // A listed file that becomes a folder or is removed before the pick, or is removed between
  // the pick and the load.
  void aFileThatTurnsIntoAFolderOrVanishesIsRefused() {
    for (const auto& [change, mention] : {std::pair{"folder", "folder"},
                                          {"removed", "does not exist"},
                                          {"late", "does not exist"}}) {
      const QString late = change == std::string("late") ? "late" : "";
      w->folder.Write("as/Swap.as", JoinLines(ValidTableLines("SWAP")));
      w->Refresh();
      const QStringList before = ScreenState(*w);
      if (late.isEmpty()) std::filesystem::remove_all("as/Swap.as");
      if (change == std::string("folder")) std::filesystem::create_directory("as/Swap.as");
      const QString pickWarnings = w->Pick("File1", "Swap.as").join('\n');
      QCOMPARE(w->Control("Text1")->text(), QString(late.isEmpty() ? "" : "SWAP"));
      QVERIFY2(late.isEmpty()
                   ? pickWarnings.contains("as/Swap.as") && pickWarnings.contains(mention)
                   : pickWarnings.isEmpty(),
               qPrintable(pickWarnings));
      if (!late.isEmpty()) std::filesystem::remove("as/Swap.as");
      ExpectRefusedLoad(before, "as/Swap.as", {mention});
      std::filesystem::remove_all("as/Swap.as");
    }
  }
};

QTEST_MAIN(DamagedFileWindowTest)
#include "DamagedFileWindowTest.moc"
