// The new-material dialog: each bad field is named beside it and keeps Save disabled; a good
// material is saved among the user's own, listed and picked at once, holds the table that
// alphastop-tables writes for the same input, and can be deleted again.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "core/data/MaterialFile.h"
#include "support/ToolRun.h"
#include "support/WindowTestSupport.h"
#include "ui/material/NewMaterialDialog.h"

using namespace alphastop;
using namespace alphastop::testing;

class NewMaterialTest : public QObject {
  Q_OBJECT

  static void Fill(QWidget* dialog, const QStringList& texts) {
    const char* fields[] = {"MaterialName", "MaterialComposition", "MaterialDensity",
                            "MaterialMeanExcitation"};
    for (int f = 0; f < 4; ++f) dialog->findChild<QLineEdit*>(fields[f])->setText(texts[f]);
  }

 private slots:
  void badFieldsAreNamedAndAGoodMaterialIsSavedPickedAndDeleted() {
    MainWindow w;
    w.window.findChild<QAction*>("NewMaterialAction")->trigger();
    QWidget* dialog = &ui::NewMaterialDialog::Instance();
    QVERIFY(dialog->isVisible());
    auto* save = dialog->findChild<QPushButton*>("SaveMaterial");
    QVERIFY(!save->isEnabled());

    const QStringList good{"Polyethylene naphthalate", "C14H10O4", "1.36", ""};
    const struct {
      int field;
      const char* text;
      const char* message;
      const char* piece;
    } bad[] = {{1, "C14H10Xx4", "CompositionMessage", "\"Xx\""},
               {1, "1:0.5,8:0.4", "CompositionMessage", "0.9"},
               {2, "0", "DensityMessage", "\"0\""},
               {2, "heavy", "DensityMessage", "\"heavy\""},
               {3, "5", "MeanExcitationMessage", "\"5\""},
               {0, "Gamma", "NameMessage", "shipped"},
               {0, "", "NameMessage", ""}};
    for (const auto& c : bad) {
      QStringList texts = good;
      texts[c.field] = c.text;
      Fill(dialog, texts);
      QVERIFY2(!save->isEnabled(), c.text);
      QVERIFY2(dialog->findChild<QLabel*>(c.message)->text().contains(c.piece), c.text);
    }
    Fill(dialog, good);
    QVERIFY(save->isEnabled());
    QVERIFY(dialog->findChild<QLineEdit*>("MaterialMeanExcitation")
                ->placeholderText()
                .contains("from the composition"));

    QVERIFY(AnswerMessageBoxes([&] { QTest::mouseClick(save, Qt::LeftButton); }).isEmpty());
    const QString path = QString::fromStdString(
        (w.folder.UsersCompounds() / "Polyethylene_naphthalate.asc").string());
    QCOMPARE(QString::fromStdString(SharedMaterialTable().DataFile), path);
    QCOMPARE(w.Control<QLineEdit>("Text1")->text(), QString("POLYETHYLENE NAPHTHALATE"));
    auto* file2 = w.Control<ui::FileListBox>("File2");
    QVERIFY(file2->IsUsersOwn(file2->ItemOf(path)));

    const std::filesystem::path written = w.folder.Path() / "tool.asc";
    const ToolRun tool =
        RunTool(ALPHASTOP_TABLES_TOOL,
                "--formula C14H10O4 --density 1.36 --name \"Polyethylene naphthalate\" \"" +
                    written.string() + "\"",
                w.folder.Path());
    QCOMPARE(tool.status, 0);
    const Checked<MaterialTable> fromDialog = ReadMaterialTable(path.toStdString()),
                                 fromTool = ReadMaterialTable(written.string());
    QVERIFY(ValueOf(fromDialog) && ValueOf(fromTool));
    QCOMPARE(TableDifference(*ValueOf(fromDialog), *ValueOf(fromTool)), std::string());

    QCOMPARE(AnswerMessageBoxes([&] {
               w.window.findChild<QAction*>("DeleteMaterialAction")->trigger();
             }).size(),
             1);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(file2->ItemOf(path), nullptr);
    QCOMPARE(SharedMaterialTable().DataFile, std::string());
  }
};

QTEST_MAIN(NewMaterialTest)
#include "NewMaterialTest.moc"
