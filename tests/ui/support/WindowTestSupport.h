#pragma once
// Helpers for window tests: the main window over a working folder of made-up tables, driven
// as a user drives it, with modal message boxes answered from a timer.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "core/data/MaterialTable.h"
#include "core/text/NumberFormat.h"
#include "support/TableFiles.h"
#include "ui/FileListBox.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/LineShape.h"
#include "ui/PictureBox.h"

namespace alphastop::testing {

// Runs action; every modal message box it opens is read and closed with OK (Yes where it
// asks). Returns the
// texts of the boxes in the order they appeared.
inline QStringList AnswerMessageBoxes(const std::function<void()>& action) {
  QStringList texts;
  QTimer timer;
  timer.setInterval(5);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      texts << box->windowTitle() + "|" + box->text();
      QAbstractButton* answer = box->button(QMessageBox::Ok);
      box->button(answer ? QMessageBox::Ok : QMessageBox::Yes)->click();
    }
  });
  timer.start();
  action();
  timer.stop();
  return texts;
}

inline QWidgetList TopLevels(const QString& name) {
  QWidgetList named;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == name) named << widget;
  return named;
}
inline QWidget* TopLevel(const QString& name) { return TopLevels(name).value(0); }

// Selects the item with this text in a list, as a click does.
inline void ClickItem(QListWidget* list, const QString& text) {
  const auto items = list->findItems(text, Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), qPrintable("no item " + text));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
  QCOMPARE(list->currentItem(), items.first());
}

// The highlighted row of a list, or -1; the current row may differ (focus sets it).
inline int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.first());
}

inline QString Readout(double value) { return QString::fromStdString(FormatReadout(value)); }
inline const QStringList NoReadouts(4);  // Text3 to Text6 empty
// The four readouts of row r of the shared table: energy, total, electronic, nuclear.
inline QStringList RowReadouts(int r) {
  const MaterialTable& table = SharedMaterialTable();
  return {Readout(table.Energy(r)), Readout(table.StopPower(r, Total)), Readout(table.StopPower(r, Electronic)),
          Readout(table.StopPower(r, Nuclear))};
}

// A temporary folder holding as/ and asc/ with made-up tables, the working folder while it lives.
struct WorkingFolder : TempFolder {
  const QString previous = QDir::currentPath();
  WorkingFolder() {
    Write("as/Alpha.as", JoinLines(ValidTableLines("ALPHA")));
    Write("as/Beta.as", JoinLines(ValidTableLines("BETA")));
    auto gamma = ValidTableLines("GAMMA, MIXED");
    gamma[10] = " 1.000E-03 5.000E+01 2.000E+00 5.200E+01 1.000E-05 9.000E-06 9.000E-01      ";
    Write("asc/Gamma.asc", JoinLines(gamma, "\n"));
    Write("asc/notes.txt", "not a table");
    QDir::setCurrent(QString::fromStdString(Path().string()));
    // The user's own materials live here too, never among the real user's.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((Path() / "user").string()));
  }
  ~WorkingFolder() { QDir::setCurrent(previous); }
  std::filesystem::path UsersCompounds() const { return Path() / "user" / "alphastop" / "asc"; }
};

// The main window, shown over a working folder, and what a user does in it.
class MainWindow {
 public:
  WorkingFolder folder;  // entered before the window lists its files
  ui::Form1 window;

  MainWindow() { window.show(); }

  template <typename T>
  T* Control(const char* name) {
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QListWidget* List1() { return Control<QListWidget>("List1"); }
  static ui::Form2& Graph() { return ui::Form2::Instance(); }
  QStringList Items() {
    QStringList items;
    for (int i = 0; i < List1()->count(); ++i) items << List1()->item(i)->text();
    return items;
  }
  QStringList Readouts() {  // Text3 to Text6
    QStringList texts;
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) texts << Control<QLineEdit>(name)->text();
    return texts;
  }
  void FillReadouts() {
    for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) Control<QLineEdit>(name)->setText("x");
  }
  // Clicks a button; returns the texts of the message boxes that opened.
  QStringList Click(const char* button) {
    return AnswerMessageBoxes([&] { QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton); });
  }
  QStringList PressOk() { return Click("Command2"); }
  // Lists the files now in as/ and asc/.
  void Refresh() {
    Control<ui::FileListBox>("File1")->SetFolder("as");
    Control<ui::FileListBox>("File2")->SetFolder("asc");
  }
  // Picks name in list ("File1" or "File2"); returns the warnings of the pick.
  QStringList Pick(const char* list, const QString& name) {
    return AnswerMessageBoxes([&] { ClickItem(Control<QListWidget>(list), name); });
  }
  // Picks name in File1 and presses OK; neither may warn.
  void Load(const QString& name) {
    QStringList warnings = Pick("File1", name);
    warnings += PressOk();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
  }
  // Types text into the emptied energy box and presses Enter; returns the warnings shown.
  QStringList TypeEnergy(const QString& text) {
    auto* box = Control<QLineEdit>("Text3");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, text);
    return AnswerMessageBoxes([&] { QTest::keyClick(box, Qt::Key_Return); });
  }
  // Moves the pointer to a point of the graph, in user units.
  static void MovePointer(float x, float y) {
    ui::PictureBox& picture = Graph().Picture1();
    const QPointF at = picture.ToArea(x, y) + QPointF(picture.contentsRect().topLeft());
    QTest::mouseMove(&picture, at.toPoint());
  }
};

struct CursorLine {
  float x1, y1, x2, y2;
  bool visible;
  friend bool operator==(const CursorLine&, const CursorLine&) = default;
  static CursorLine Of(const ui::LineShape& line) { return {line.X1(), line.Y1(), line.X2(), line.Y2(), line.Visible()}; }
};

// What the user sees, one line of text per part, to compare two moments: the row list and
// its selection, the readouts, the shared table's title, and the graph window's title,
// picture and cursor lines.
inline QStringList ScreenState(MainWindow& w) {
  QStringList state{"rows " + w.Items().join('|'), QString("selected %1").arg(SelectedRow(w.List1())),
                    "readouts " + w.Readouts().join('|'),
                    QString("enabled %1").arg(w.Control<QLineEdit>("Text3")->isEnabled()),
                    "table " + QString::fromStdString(SharedMaterialTable().MaterialTitle)};
  if (!ui::Form2::Exists()) return state;
  ui::Form2& graph = ui::Form2::Instance();
  const QImage picture = graph.Picture1().Picture();
  state << "graph " + graph.windowTitle() + (graph.isVisible() ? " shown" : " hidden")
        << QString("picture %1").arg(qHashBits(picture.constBits(), static_cast<size_t>(picture.sizeInBytes())));
  for (const ui::LineShape* line : {&graph.Line1(), &graph.Line2()}) {  // where a line is hidden, it is nowhere
    QString text = line->Visible() ? "line at" : "line hidden";
    for (float v : {line->X1(), line->Y1(), line->X2(), line->Y2()})
      if (line->Visible()) text += ' ' + QString::number(v, 'g', 9);
    state << text;
  }
  return state;
}

}  // namespace alphastop::testing
