// The main window driven as a user drives it: start-up, picks, loads, clearing, and the
// reference window. Failed loads are in DamagedFileWindowTest.

#include <QtTest>

#include "support/WindowTestSupport.h"
#include "ui/Form3.h"

using namespace alphastop;
using namespace alphastop::testing;

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void startsWithOnlyTheFileListsAsksForAPickShowsItsTitleAndOpensAndClosesTheReferenceWindow() {
    MainWindow w;
    QCOMPARE(w.Control<QListWidget>("File1")->count(), 2);
    QCOMPARE(w.Control<QListWidget>("File1")->item(0)->text(), QString("Alpha.as"));
    QCOMPARE(w.Control<QListWidget>("File2")->count(), 1);
    QCOMPARE(w.Control("Text1")->text(), QString());
    QCOMPARE(SharedMaterialTable().DataFile, std::string());
    QCOMPARE(w.List1()->geometry(), QRect(376, 104, 513, 484));
    const QStringList before = ScreenState(w);
    QCOMPARE(before.mid(0, 4), QStringList({"rows ", "selected -1", "readouts |||", "enabled 0 0 0 0 0"}));
    QCOMPARE(w.PressOk(), QStringList{"AlphaStop|Select material"});
    QCOMPARE(ScreenState(w), before);
    // The reference window shows, hides with its own button and shows again, the main window staying.
    w.Click("Command3");
    QWidget* form3 = &ui::Form3::Instance();
    QVERIFY(form3->isVisible());
    QTest::mouseClick(form3->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!form3->isVisible() && w.window.isVisible());
    w.Click("Command3");
    QVERIFY(form3->isVisible());
    // A pick shows the title, and the last pick wins across both lists.
    QVERIFY(w.Pick("File1", "Beta.as").isEmpty());
    QCOMPARE(w.Control("Text1")->text(), QString("BETA"));
    QCOMPARE(SharedMaterialTable().DataFile, std::string("as/Beta.as"));
    QCOMPARE(w.List1()->count(), 0);
    w.Pick("File2", "Gamma.asc");
    QCOMPARE(w.Control("Text1")->text(), QString("GAMMA, MIXED"));
    QVERIFY(w.PressOk().isEmpty());
    QCOMPARE(SharedMaterialTable().MaterialTitle, std::string("GAMMA, MIXED"));
    QCOMPARE(w.Items().first(), QString("  1.000E-03 5.000E+01 2.000E+00 5.200E+01 1.000E-05 9.000E-0"));
    // Picking the earlier list's name again is a pick once more, though its row never left.
    w.Pick("File1", "Beta.as");
    QCOMPARE(SharedMaterialTable().DataFile, std::string("as/Beta.as"));
    QCOMPARE(w.Control<QListWidget>("File2")->currentItem(), nullptr);
  }

  void loadFillsTheListEnablesTheReadoutsAPickAlonePreservesItAndClearingEmptiesTheReadouts() {
    MainWindow w;
    w.Load("Alpha.as");
    QCOMPARE(w.Items(), TableItems());
    const QStringList loaded = ScreenState(w);
    QCOMPARE(loaded.mid(1, 3), QStringList({"selected -1", "readouts |||", "enabled 1 1 1 1 1"}));
    w.Pick("File1", "Beta.as");
    QCOMPARE(w.Control("Text1")->text(), QString("BETA"));
    QCOMPARE(ScreenState(w), loaded);
    w.List1()->setCurrentRow(3);
    QVERIFY(w.TypeEnergy("5").isEmpty());
    w.Load("Alpha.as");  // clears the selection, the readouts and the cursor lines
    QCOMPARE(ScreenState(w), loaded);
    // The clear button and a click into the energy box empty the readouts.
    QApplication::setActiveWindow(&w.window);
    w.List1()->setCurrentRow(3);
    w.Click("Command4");
    QCOMPARE(w.Readouts(), NoReadouts);
    QCOMPARE(QApplication::focusWidget(), w.Control("Text3"));
    w.List1()->setCurrentRow(4);
    QTest::mouseClick(w.Control("Text3"), Qt::LeftButton);
    QCOMPARE(w.Readouts(), NoReadouts);
  }

  // Focus moving through the window is no choice of the user's: it picks no file, reads out no
  // row and moves no cursor line, before a load and after one.
  void tabbingTwiceRoundEveryControlChangesNothing() {
    MainWindow w;
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    const auto state = [&] {
      return QStringList{"file " + QString::fromStdString(SharedMaterialTable().DataFile),
                         "title " + w.Control("Text1")->text()} + ScreenState(w);
    };
    const auto tabTwiceRound = [&](const QStringList& expected) {
      for (int i = 0; i < 2 * 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(state(), expected);
      }
    };
    QCOMPARE(QApplication::focusWidget(), w.Control<QWidget>("File1"));
    tabTwiceRound(state());
    QCOMPARE(SharedMaterialTable().DataFile, std::string());
    w.Load("Beta.as");
    QVERIFY(w.TypeEnergy("5").isEmpty());
    tabTwiceRound(state());
  }

  void aDamagedFirstFileGreetsNobodyAndOkStillAsksForAPick() {
    WorkingFolder folder;
    folder.Write("as/Aaa.as", std::string("\0\1\2binary", 9));
    ui::Form1 window;
    const QStringList greetings = AnswerMessageBoxes([&] {
      window.show();
      window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&window));
      QTest::qWait(20);
    });
    QCOMPARE(greetings, QStringList());
    QCOMPARE(window.findChild<QListWidget*>("File1")->item(0)->text(), QString("Aaa.as"));
    QCOMPARE(AnswerMessageBoxes([&] { QTest::mouseClick(window.findChild<QPushButton*>("Command2"), Qt::LeftButton); }),
             QStringList{"AlphaStop|Select material"});
  }

  void aMissingFolderLeavesItsListEmptyAndSaysWhereItLooked() {
    WorkingFolder folder;
    std::filesystem::remove_all(folder.Path() / "asc");
    ui::Form1 w;
    w.show();
    auto* file2 = w.findChild<ui::FileListBox*>("File2");
    QCOMPARE(file2->count(), 0);
    QVERIFY(file2->EmptyText().contains("asc"));
    QVERIFY(file2->EmptyText().contains(QString::fromStdString(folder.Path().string())));
    QCOMPARE(w.findChild<QListWidget*>("File1")->count(), 2);
  }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
