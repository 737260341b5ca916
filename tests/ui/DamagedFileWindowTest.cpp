// Damaged data files met through the main window: the pick and the load warn, naming the
// file and the line, and the row list, the selection, the readouts and the graph stay
// exactly as the previous load and lookup left them.

#include <QPushButton>
#include <QtTest>

#include <filesystem>

#include "support/DamagedFiles.h"
#include "support/WindowTestSupport.h"
#include "support/WindowState.h"
#include "ui/FileListBox.h"
#include "ui/Form1.h"

using namespace alphastop;
using namespace alphastop::testing;

class DamagedFileWindowTest : public QObject {
  Q_OBJECT

  WorkingFolder* folder_ = nullptr;
  ui::Form1* window_ = nullptr;

  template <typename T>
  T* Control(const char* name) {
    T* control = window_->findChild<T*>(name);
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QStringList PressOk() {
    return AnswerMessageBoxes([&] { QTest::mouseClick(Control<QPushButton>("Command2"), Qt::LeftButton); });
  }
  // Shows the files now in the folders, then picks name; returns the warnings of the pick.
  QStringList Pick(const char* list, const QString& name) {
    Control<ui::FileListBox>("File1")->SetFolder("as");
    Control<ui::FileListBox>("File2")->SetFolder("asc");
    return AnswerMessageBoxes([&] { ClickItem(Control<QListWidget>(list), name); });
  }
  // A corpus file copied into the working folder, as as/name or asc/name.
  static QString Install(const std::string& name) {
    const bool compound = name.ends_with(".asc");
    const std::string relative = (compound ? "asc/" : "as/") + name;
    std::filesystem::copy_file(DamagedFolder() / name, relative);
    return QString::fromStdString(relative);
  }

 private slots:
  // A loaded table with a lookup on screen: both cursor lines shown, four readouts filled.
  void init() {
    folder_ = new WorkingFolder;
    window_ = new ui::Form1;
    window_->show();
    ClickItem(Control<QListWidget>("File1"), "Alpha.as");
    QVERIFY(PressOk().isEmpty());
    Control<QListWidget>("List1")->setCurrentRow(20);
    auto* energy = Control<QLineEdit>("Text3");
    QTest::mouseClick(energy, Qt::LeftButton);
    QTest::keyClicks(energy, "0.5");
    QVERIFY(AnswerMessageBoxes([&] { QTest::keyClick(energy, Qt::Key_Return); }).isEmpty());
    QVERIFY(!Control<QLineEdit>("Text4")->text().isEmpty());
  }
  void cleanup() {
    delete window_;
    delete folder_;
  }

  void aDamagedFileIsRefusedAndTheScreenStaysAsItWas_data() {
    QTest::addColumn<QString>("file");
    // Representative of each way a file goes wrong; the core tests take the whole corpus.
    for (const char* name : {"binary.as", "utf16le.as", "utf16le-no-mark.as", "ends-mid-number.as", "nan.as",
                             "six-then-eight-numbers.as", "descending-energy.as", "negative-stopping-power.asc"})
      QTest::newRow(name) << name;
  }
  void aDamagedFileIsRefusedAndTheScreenStaysAsItWas() {
    QFETCH(QString, file);
    DamagedCase expected;
    for (const DamagedCase& c : DamagedCases())
      if (c.file == file.toStdString()) expected = c;
    QVERIFY(!expected.readable && expected.line > 0);
    const QString path = Install(expected.file);
    const WindowState before = WindowState::Of(*window_);

    const QStringList pickWarnings = Pick(path.startsWith("asc") ? "File2" : "File1", file);
    QCOMPARE(pickWarnings.size(), expected.line <= 2 ? 1 : 0);
    const QStringList warnings = PressOk();
    QCOMPARE(warnings.size(), 1);
    const QString line = QString("Line %1: ").arg(expected.line);
    QVERIFY2(warnings[0].contains(path) && warnings[0].contains(line), qPrintable(warnings[0]));
    QVERIFY2(warnings[0].contains(QString::fromStdString(expected.detail)), qPrintable(warnings[0]));
    QVERIFY2(!warnings[0].contains(QChar(0)) && !warnings[0].contains(QChar::ReplacementCharacter), qPrintable(warnings[0]));
    ALPHASTOP_COMPARE_STATE(WindowState::Of(*window_), before);
    QCOMPARE(SharedMaterialTable().DataFile, path.toStdString());
  }

  void aFileReplacedByAFolderOrRemovedAfterTheListingIsRefused_data() {
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("mention");
    QTest::newRow("folder") << true << "folder";
    QTest::newRow("removed") << false << "does not exist";
  }
  void aFileReplacedByAFolderOrRemovedAfterTheListingIsRefused() {
    QFETCH(bool, folder);
    QFETCH(QString, mention);
    folder_->Files().Write("as/Swap.as", JoinLines(ValidTableLines("SWAP")));
    Control<ui::FileListBox>("File1")->SetFolder("as");
    std::filesystem::remove("as/Swap.as");
    if (folder) std::filesystem::create_directory("as/Swap.as");
    const WindowState before = WindowState::Of(*window_);

    const QStringList pickWarnings = AnswerMessageBoxes([&] { ClickItem(Control<QListWidget>("File1"), "Swap.as"); });
    QCOMPARE(pickWarnings.size(), 1);
    QVERIFY2(pickWarnings[0].contains("as/Swap.as") && pickWarnings[0].contains(mention), qPrintable(pickWarnings[0]));
    const QStringList warnings = PressOk();
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains("as/Swap.as") && warnings[0].contains(mention), qPrintable(warnings[0]));
    ALPHASTOP_COMPARE_STATE(WindowState::Of(*window_), before);
  }

  void aFileThatVanishesBetweenThePickAndTheLoadIsRefused() {
    folder_->Files().Write("as/Brief.as", JoinLines(ValidTableLines("BRIEF")));
    QVERIFY(Pick("File1", "Brief.as").isEmpty());
    QCOMPARE(Control<QLineEdit>("Text1")->text(), QString("BRIEF"));
    std::filesystem::remove("as/Brief.as");
    const WindowState before = WindowState::Of(*window_);
    const QStringList warnings = PressOk();
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains("as/Brief.as") && warnings[0].contains("does not exist"), qPrintable(warnings[0]));
    ALPHASTOP_COMPARE_STATE(WindowState::Of(*window_), before);
  }

  void aReadableOddFileLoadsLikeAnyOther() {
    const QString path = Install("utf8-bom.as");
    QVERIFY(Pick("File1", "utf8-bom.as").isEmpty());
    QVERIFY(PressOk().isEmpty());
    QCOMPARE(Control<QListWidget>("List1")->count(), 122);
    QCOMPARE(QString::fromStdString(SharedMaterialTable().MaterialTitle), QString::fromUtf8("WATER, LIQUID µ"));
    QCOMPARE(ui::Form2::Instance().windowTitle(), QString::fromUtf8("  WATER, LIQUID µ"));
    QCOMPARE(Control<QLineEdit>("Text4")->text(), QString());
  }
};

QTEST_MAIN(DamagedFileWindowTest)
#include "DamagedFileWindowTest.moc"
