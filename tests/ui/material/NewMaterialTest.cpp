// The new-material dialog: each bad field is named beside it and keeps Save disabled; a good
// material previews the rows its table will hold, is saved among the user's own, listed and
// picked at once, holds the table that alphastop-tables writes for the same input, takes no
// second name that differs only in letter case, and can be deleted again.

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "core/data/MaterialFile.h"
#include "support/ToolRun.h"
#include "support/WindowTestSupport.h"
#include "ui/material/NewMaterialDialog.h"

using namespace alphastop;
using namespace alphastop::testing;

// Dialog buttons in GNOME's order, No before Yes: a question that names no default button
// then answers Enter with No.
class GnomeButtonOrder : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    return hint == SH_DialogButtonLayout ? QDialogButtonBox::GnomeLayout
                                         : QProxyStyle::styleHint(hint, option, widget, data);
  }
};

class NewMaterialTest : public QObject {
  Q_OBJECT

  static void Fill(QWidget* dialog, const QStringList& texts) {
    const char* fields[] = {"MaterialName", "MaterialComposition", "MaterialDensity",
                            "MaterialMeanExcitation"};
    for (int f = 0; f < 4; ++f) dialog->findChild<QLineEdit*>(fields[f])->setText(texts[f]);
  }

 private slots:
  void initTestCase() { QApplication::setStyle(new GnomeButtonOrder); }

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
               {0, "gAMMA", "NameMessage", "shipped"},
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
    const auto* preview = dialog->findChild<QTableWidget*>("MaterialPreview");
    QStringList previewed;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 4; ++c) previewed << preview->item(r, c)->text();

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
    // 1, 5 and 10 MeV are rows of the table: the preview showed their electronic, nuclear and
    // total stopping powers and CSDA range as the file writes them.
    QStringList rows;
    for (const char* energy : {"1.000E+00", "5.000E+00", "1.000E+01"})
      for (int r = 1; r <= RowCount; ++r)
        if (ValueOf(fromDialog)->RowText(r).starts_with(energy))
          rows << QString::fromStdString(ValueOf(fromDialog)->RowText(r))
                      .split(' ', Qt::SkipEmptyParts)
                      .mid(1, 4);
    QCOMPARE(previewed, rows);

    // Another material of that name in other letter case would be listed with the same title;
    // the very same name replaces it, after asking.
    w.window.findChild<QAction*>("NewMaterialAction")->trigger();
    Fill(dialog, {"POLYETHYLENE naphthalate", "C14H10O4", "1.36", ""});
    QVERIFY(!save->isEnabled());
    QVERIFY(dialog->findChild<QLabel*>("NameMessage")->text().contains("Polyethylene_naphthalate"));
    Fill(dialog, good);
    QVERIFY(save->isEnabled());
    dialog->hide();

    // The question names the material; Escape keeps it, Enter deletes it as asked.
    const auto deleteWith = [&](Qt::Key key) {
      return AnswerMessageBoxes(
          [&] { w.window.findChild<QAction*>("DeleteMaterialAction")->trigger(); }, key);
    };
    QCOMPARE(deleteWith(Qt::Key_Escape).size(), 1);
    QVERIFY(QFile::exists(path));
    const QStringList asked = deleteWith(Qt::Key_Return);
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].contains("Polyethylene_naphthalate.asc"));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(file2->ItemOf(path), nullptr);
    QCOMPARE(SharedMaterialTable().DataFile, std::string());
  }
};

QTEST_MAIN(NewMaterialTest)
#include "NewMaterialTest.moc"
