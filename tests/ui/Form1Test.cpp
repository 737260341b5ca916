// The main window driven as a user drives it: start-up, picks, loads, clearing, and the
// reference window.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/data/MaterialTable.h"
#include "support/WindowTestSupport.h"
#include "ui/FileListBox.h"
#include "ui/Form1.h"

using namespace alphastop;
using namespace alphastop::testing;

class Form1Test : public QObject {
  Q_OBJECT

  template <typename T>
  static T* Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("no control %s", name);
    return control;
  }
  static QStringList Texts(QWidget& window) {
    QStringList texts;
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) texts << Control<QLineEdit>(window, name)->text();
    return texts;
  }
  static void FillReadouts(QWidget& window) {
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) Control<QLineEdit>(window, name)->setText("x");
  }
  static QStringList Items(QWidget& window) {
    QStringList items;
    auto* list = Control<QListWidget>(window, "List1");
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  static QStringList PressOk(QWidget& window) {
    return AnswerMessageBoxes([&] { QTest::mouseClick(Control<QPushButton>(window, "Command2"), Qt::LeftButton); });
  }

 private slots:
  void startsWithTheFileListsAndEverythingElseEmptyAndDisabled() {
    WorkingFolder folder;
    ui::Form1 w;
    w.show();
    QCOMPARE(Control<QListWidget>(w, "File1")->count(), 2);
    QCOMPARE(Control<QListWidget>(w, "File1")->item(0)->text(), QString("Alpha.as"));
    QCOMPARE(Control<QListWidget>(w, "File2")->count(), 1);
    QCOMPARE(Control<QLineEdit>(w, "Text1")->text(), QString());
    QCOMPARE(SharedMaterialTable().DataFile, std::string());
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) QVERIFY(!Control<QLineEdit>(w, name)->isEnabled());
    QVERIFY(!Control<QPushButton>(w, "Command4")->isEnabled());
    QCOMPARE(Control<QListWidget>(w, "List1")->count(), 0);
    QCOMPARE(w.size(), QSize(900, 753));
    QCOMPARE(Control<QListWidget>(w, "List1")->geometry(), QRect(376, 104, 513, 484));
  }

  void okWithoutAPickWarnsSelectMaterialAndChangesNothing() {
    WorkingFolder folder;
    ui::Form1 w;
    w.show();
    QCOMPARE(PressOk(w), QStringList{"AlphaStop|Select material"});
    QVERIFY(!Control<QLineEdit>(w, "Text3")->isEnabled());
    QCOMPARE(Control<QListWidget>(w, "List1")->count(), 0);
  }

  void aPickShowsTheTitleAndTheLastPickWinsAcrossBothLists() {
    WorkingFolder folder;
    ui::Form1 w;
    w.show();
    ClickItem(Control<QListWidget>(w, "File1"), "Beta.as");
    QCOMPARE(Control<QLineEdit>(w, "Text1")->text(), QString("BETA"));
    QCOMPARE(SharedMaterialTable().DataFile, std::string("as/Beta.as"));
    QCOMPARE(Control<QListWidget>(w, "List1")->count(), 0);

    ClickItem(Control<QListWidget>(w, "File2"), "Gamma.asc");
    QCOMPARE(Control<QLineEdit>(w, "Text1")->text(), QString("GAMMA, MIXED"));
    QVERIFY(PressOk(w).isEmpty());
    QCOMPARE(QString::fromStdString(SharedMaterialTable().MaterialTitle), QString("GAMMA, MIXED"));
    QCOMPARE(Items(w).first(), QString("  1.000E-03 5.000E+01 2.000E+00 5.200E+01 1.000E-05 9.000E-0"));

    // Picking the earlier list's name again is a pick once more, though its row never left.
    ClickItem(Control<QListWidget>(w, "File1"), "Beta.as");
    QCOMPARE(SharedMaterialTable().DataFile, std::string("as/Beta.as"));
    QCOMPARE(Control<QListWidget>(w, "File2")->currentItem(), nullptr);
  }

  void loadFillsTheListEnablesTheReadoutsAndAPickAlonePreservesIt() {
    WorkingFolder folder;
    ui::Form1 w;
    w.show();
    ClickItem(Control<QListWidget>(w, "File1"), "Alpha.as");
    QVERIFY(PressOk(w).isEmpty());
    const QStringList items = Items(w);
    QCOMPARE(items.size(), 122);
    for (int r = 1; r <= 122; ++r) {
      const QString item = items[r - 1];
      QVERIFY(item.startsWith(' ') && !item.startsWith("  "));
      QCOMPARE(item, QString::fromStdString(SharedMaterialTable().ListItem(r)));
    }
    QCOMPARE(Control<QListWidget>(w, "List1")->currentRow(), -1);
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) QVERIFY(Control<QLineEdit>(w, name)->isEnabled());
    QVERIFY(Control<QPushButton>(w, "Command4")->isEnabled());
    QCOMPARE(Texts(w), QStringList({"", "", "", ""}));

    ClickItem(Control<QListWidget>(w, "File1"), "Beta.as");
    QCOMPARE(Control<QLineEdit>(w, "Text1")->text(), QString("BETA"));
    QCOMPARE(QString::fromStdString(SharedMaterialTable().MaterialTitle), QString("ALPHA"));
    QCOMPARE(Items(w), items);

    FillReadouts(w);
    ClickItem(Control<QListWidget>(w, "File1"), "Alpha.as");
    QVERIFY(PressOk(w).isEmpty());
    QCOMPARE(Items(w), items);
    QCOMPARE(Texts(w), QStringList({"", "", "", ""}));
  }

  void clearButtonAndAClickIntoTheEnergyBoxEmptyTheReadouts() {
    WorkingFolder folder;
    ui::Form1 w;
    w.show();
    QApplication::setActiveWindow(&w);
    ClickItem(Control<QListWidget>(w, "File1"), "Alpha.as");
    PressOk(w);
    FillReadouts(w);
    QTest::mouseClick(Control<QPushButton>(w, "Command4"), Qt::LeftButton);
    QCOMPARE(Texts(w), QStringList({"", "", "", ""}));
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(w, "Text3"));

    FillReadouts(w);
    QTest::mouseClick(Control<QLineEdit>(w, "Text3"), Qt::LeftButton);
    QCOMPARE(Texts(w), QStringList({"", "", "", ""}));
  }

  void aFailedLoadWarnsWithFileAndLineAndLeavesEverythingAsItWas() {
    WorkingFolder folder;
    auto lines = ValidTableLines("BROKEN");
    lines[40] = "1.0E-02 abc 1 2 3 4 5";
    folder.Files().Write("as/Broken.as", JoinLines(lines));
    ui::Form1 w;
    w.show();
    ClickItem(Control<QListWidget>(w, "File1"), "Alpha.as");
    PressOk(w);
    const QStringList items = Items(w);
    Control<QListWidget>(w, "List1")->setCurrentRow(3);
    FillReadouts(w);

    Control<ui::FileListBox>(w, "File1")->SetFolder("as");  // the new file appears
    ClickItem(Control<QListWidget>(w, "File1"), "Broken.as");
    const QStringList warnings = PressOk(w);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains("as/Broken.as") && warnings[0].contains("Line 41"), qPrintable(warnings[0]));
    QCOMPARE(Items(w), items);
    QCOMPARE(Texts(w), QStringList({"x", "x", "x", "x"}));
    QCOMPARE(QString::fromStdString(SharedMaterialTable().MaterialTitle), QString("ALPHA"));
    QCOMPARE(SharedMaterialTable().DataFile, std::string("as/Broken.as"));
  }

  void aMissingFolderLeavesItsListEmptyAndSaysWhereItLooked() {
    TempFolder empty;
    empty.Write("as/Only.as", JoinLines(ValidTableLines()));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(empty.Path().string()));
    {
      ui::Form1 w;
      w.show();
      auto* file2 = Control<ui::FileListBox>(w, "File2");
      QCOMPARE(file2->count(), 0);
      QVERIFY(file2->EmptyText().contains("asc"));
      QVERIFY(file2->EmptyText().contains(QString::fromStdString(empty.Path().string())));
      QCOMPARE(Control<QListWidget>(w, "File1")->count(), 1);
    }
    QDir::setCurrent(previous);
  }

  void theReferenceWindowIsOneWindowShownAndHiddenAgain() {
    WorkingFolder folder;
    ui::Form1 w;
    w.show();
    auto* reference = Control<QPushButton>(w, "Command3");
    QTest::mouseClick(reference, Qt::LeftButton);
    QTest::mouseClick(reference, Qt::LeftButton);
    QCOMPARE(CountTopLevels("Form3"), 1);
    QWidget* form3 = TopLevel("Form3");
    QVERIFY(form3->isVisible());
    QCOMPARE(form3->parentWidget(), nullptr);
    QCOMPARE(form3->findChild<QLabel*>("Label7")->text(), QString("M. J. Berger"));
    QCOMPARE(form3->findChild<QLabel*>("Label2")->text(), QString("NISTIR-4999"));

    QTest::mouseClick(form3->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!form3->isVisible());
    QVERIFY(w.isVisible());
    QTest::mouseClick(reference, Qt::LeftButton);
    QCOMPARE(TopLevel("Form3"), form3);
    QVERIFY(form3->isVisible());
  }

  void exitClosesEveryWindow() {
    WorkingFolder folder;
    ui::Form1 w;
    w.show();
    QTest::mouseClick(Control<QPushButton>(w, "Command3"), Qt::LeftButton);
    QVERIFY(TopLevel("Form3")->isVisible());
    QTest::mouseClick(Control<QPushButton>(w, "Command1"), Qt::LeftButton);
    QVERIFY(!TopLevel("Form3")->isVisible());
  }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
