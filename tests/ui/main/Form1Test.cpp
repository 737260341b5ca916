// The main window driven as a user drives it: start-up, picks, loads, clearing, and the
// reference window. Failed loads are in DamagedFileWindowTest.

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QMenuBar>
#include <QtTest>

#include "support/WindowTestSupport.h"
#include "ui/main/Form3.h"

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
    // The menu bar heads the designed client area, which keeps its size.
    QWidget* client = w.Control<QWidget>("Form1Client");
    QCOMPARE(client->size(), QSize(900, 753));
    QCOMPARE(w.window.size(), QSize(900, 753 + client->y()));
    QVERIFY(client->y() > 0 && w.window.menuBar()->isVisible());
    QCOMPARE(w.List1()->geometry(), QRect(376, 104, 513, 484));
    const QStringList before = ScreenState(w);
    QCOMPARE(before.mid(0, 4),
             QStringList({"rows ", "selected -1", "readouts |||", "enabled 0 0 0 0 0"}));
    QCOMPARE(w.PressOk(), QStringList{"AlphaStop|Select material"});
    QCOMPARE(ScreenState(w), before);
    // The reference window shows, hides with its own button and shows again, the main window
    // staying.
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
    QCOMPARE(w.Items().first(),
             QString("  1.000E-03 5.000E+01 2.000E+00 5.200E+01 1.000E-05 9.000E-0"));
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
                         "title " + w.Control("Text1")->text()} +
             ScreenState(w);
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
    QCOMPARE(AnswerMessageBoxes([&] {
               QTest::mouseClick(window.findChild<QPushButton*>("Command2"), Qt::LeftButton);
             }),
             QStringList{"AlphaStop|Select material"});
  }

  // File > Export table writes the whole table as CSV where the dialog says; a folder that
  // does not exist gets a warning and no file. Ctrl+C on List1 copies the selected rows.
  void theTableIsExportedAsCsvAndSelectedRowsAreCopied() {
    MainWindow w;
    auto* exportTable = w.window.findChild<QAction*>("ExportTableAction");
    auto* saveGraph = w.window.findChild<QAction*>("SaveGraphMenuAction");
    QVERIFY(!exportTable->isEnabled() && !saveGraph->isEnabled());
    w.Load("Beta.as");
    QVERIFY(exportTable->isEnabled() && saveGraph->isEnabled());
    const auto exportTo = [&](const QString& path) {
      QTimer answer;
      QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
          dialog->selectFile(path);
          QMetaObject::invokeMethod(dialog, "accept");
        }
      });
      answer.start(5);
      return AnswerMessageBoxes([&] { exportTable->trigger(); });
    };
    const QString path = QString::fromStdString((w.folder.Path() / "beta.csv").string());
    QCOMPARE(exportTo(path), QStringList());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 123);
    QVERIFY(lines[0].startsWith("energy_MeV,electronic_MeV_cm2_g,"));
    QCOMPARE(lines[1].split(',').first().toDouble(), SharedMaterialTable().Energy(1));

    const QString nowhere =
        QString::fromStdString((w.folder.Path() / "missing" / "beta.csv").string());
    const QStringList warnings = exportTo(nowhere);
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].contains(nowhere));
    QVERIFY(!QFile::exists(nowhere));

    QListWidget* list = w.List1();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(w.Readouts(), RowReadouts(1));  // the row clicked last is read out
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 3);
    QVERIFY(copied[0].startsWith("energy (MeV)\telectronic (MeV cm2/g)"));
    QCOMPARE(copied[1].split('\t').first().toDouble(), SharedMaterialTable().Energy(1));
    QCOMPARE(copied[2].split('\t').first().toDouble(), SharedMaterialTable().Energy(3));
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

  void theListsSayWhereTheirTablesComeFromAndAlphastopDataTakesPrecedence() {
    WorkingFolder working;
    TempFolder data;
    data.Write("asc/Delta.asc", JoinLines(ValidTableLines("DELTA")));
    const QString dataPath = QString::fromStdString(data.Path().string());
    {
      ui::Form1 w;
      w.show();
      QCOMPARE(w.findChild<QListWidget*>("File1")->toolTip(),
               "Elements from " + QString::fromStdString(working.Path().string()) +
                   "/as (working folder)");
    }
    const auto unset = qScopeGuard([] { qunsetenv("ALPHASTOP_DATA"); });
    qputenv("ALPHASTOP_DATA", data.Path().c_str());
    {
      ui::Form1 w;
      w.show();
      auto* file1 = w.findChild<ui::FileListBox*>("File1");
      auto* file2 = w.findChild<ui::FileListBox*>("File2");
      QCOMPARE(file1->count(), 0);
      QVERIFY(file1->EmptyText().contains(dataPath + "/as"));
      QCOMPARE(file2->toolTip(),
               "Compounds and mixtures from " + dataPath + "/asc (ALPHASTOP_DATA)");
      QTest::mouseClick(file2->viewport(), Qt::LeftButton, {},
                        file2->visualItemRect(file2->item(0)).center());
      QCOMPARE(SharedMaterialTable().DataFile, data.Path().string() + "/asc/Delta.asc");
      QCOMPARE(w.findChild<QLineEdit*>("Text1")->text(), QString("DELTA"));
    }
    qputenv("ALPHASTOP_DATA", (data.Path() / "missing").c_str());
    {
      ui::Form1 w;
      w.show();
      for (const char* name : {"File1", "File2"}) {
        auto* list = w.findChild<QListWidget*>(name);
        QCOMPARE(list->count(), 0);
        QVERIFY2(list->toolTip().contains(dataPath +
                                          "/missing\" given by ALPHASTOP_DATA does not exist"),
                 qPrintable(list->toolTip()));
      }
    }
  }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
