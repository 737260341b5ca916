// The main window driven as a user drives it: start-up, picks, loads, clearing, and the
// reference window. Failed loads are in DamagedFileWindowTest.

#include <QAction>
#include <QClipboard>
#include <QLabel>
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
    // The note on the shipped tables stands in one line under the citation, above "Close".
    const auto* note = form3->findChild<QLabel*>("ModelNote");
    QVERIFY(note->text().contains("ICRU Report 49") && note->sizeHint().width() <= note->width());
    QVERIFY(note->x() >= 0 && note->geometry().right() < form3->width());
    QVERIFY(form3->findChild<QLabel*>("Label4")->geometry().bottom() < note->y());
    QVERIFY(note->geometry().bottom() < form3->findChild<QPushButton*>("Command1")->y());
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
      return AnswerMessageBoxes([&] { AnswerFileDialogs(path, [&] { exportTable->trigger(); }); });
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

  // Each list says where its tables come from, or where it looked when it found none;
  // ALPHASTOP_DATA comes before the working folder.
  void theListsSayWhereTheirTablesComeFromAndAlphastopDataTakesPrecedence() {
    WorkingFolder working;
    std::filesystem::remove_all(working.Path() / "asc");
    TempFolder data;
    data.Write("asc/Delta.asc", JoinLines(ValidTableLines("DELTA")));
    const QString workingPath = QString::fromStdString(working.Path().string()),
                  dataPath = QString::fromStdString(data.Path().string());
    const auto lists = [](ui::Form1& w) {
      return std::pair{w.findChild<ui::FileListBox*>("File1"),
                       w.findChild<ui::FileListBox*>("File2")};
    };
    {
      ui::Form1 w;
      w.show();
      const auto [file1, file2] = lists(w);
      QCOMPARE(file1->toolTip(), "Elements from " + workingPath + "/as (working folder)");
      QCOMPARE(file2->count(), 0);
      QVERIFY(file2->EmptyText().contains(workingPath + "/asc"));
    }
    const auto unset = qScopeGuard([] { qunsetenv("ALPHASTOP_DATA"); });
    qputenv("ALPHASTOP_DATA", data.Path().c_str());
    {
      ui::Form1 w;
      w.show();
      const auto [file1, file2] = lists(w);
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
    ui::Form1 w;
    w.show();
    for (QListWidget* list : {lists(w).first, lists(w).second}) {
      QCOMPARE(list->count(), 0);
      QVERIFY2(
          list->toolTip().contains(dataPath + "/missing\" given by ALPHASTOP_DATA does not exist"),
          qPrintable(list->toolTip()));
    }
  }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
