#pragma once
// Helpers for window tests: the main window over a working folder of made-up tables, driven
// as a user drives it, with modal message boxes answered from a timer.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHash>
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
#include "ui/main/FileListBox.h"
#include "ui/main/Form1.h"
#include "ui/graph/Form2.h"
#include "ui/common/LineShape.h"
#include "ui/graph/PictureBox.h"

namespace alphastop::testing {

// Runs action; every modal message box it opens is read and closed with OK (Yes where it
// asks), or with key pressed where the box has the focus. Returns "title|text" of each box,
// in the order they appeared.
inline QStringList AnswerMessageBoxes(const std::function<void()>& action,
                                      Qt::Key key = Qt::Key_unknown) {
  QStringList texts;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      texts << box->windowTitle() + "|" + box->text();
      if (key != Qt::Key_unknown)
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key);
      else if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
      else
        box->button(QMessageBox::Yes)->click();
    }
  });
  timer.start(5);
  action();
  return texts;
}

// Runs action; the file dialog it opens is given path and accepted, as its Save button
// does. Returns the folder each dialog opened in.
inline QStringList AnswerFileDialogs(const QString& path, const std::function<void()>& action) {
  QStringList openedIn;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      openedIn << dialog->directory().absolutePath();
      dialog->selectFile(path);
      QMetaObject::invokeMethod(dialog, "accept");
    }
  });
  timer.start(5);
  action();
  return openedIn;
}

inline QString Readout(double value) { return QString::fromStdString(FormatReadout(value)); }
inline const QStringList NoReadouts(4);  // Text3 to Text6 empty
// The readouts of row r of the shared table, Text3 to Text6: energy, total, electronic, nuclear.
inline QStringList RowReadouts(int r) {
  const MaterialTable& table = SharedMaterialTable();
  return {Readout(table.Energy(r)), Readout(table.StopPower(r, Total)),
          Readout(table.StopPower(r, Electronic)), Readout(table.StopPower(r, Nuclear))};
}

// The list items of the shared table's rows.
inline QStringList TableItems() {
  QStringList items;
  for (int r = 1; r <= RowCount; ++r)
    items << QString::fromStdString(SharedMaterialTable().ListItem(r));
  return items;
}

inline QString Ends(float x1, float y1, float x2, float y2) {
  const auto text = [](float v) { return QString::number(v, 'g', 9); };
  return text(x1) + ' ' + text(y1) + ' ' + text(x2) + ' ' + text(y2);
}
// A cursor line's ends where it shows; a hidden line has no position.
inline QString LineText(const ui::LineShape& line) {
  return line.Visible() ? Ends(line.X1(), line.Y1(), line.X2(), line.Y2()) : "hidden";
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

  template <typename T = QLineEdit>
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
  // The highlighted row, or -1; the current row may differ (focus sets it).
  int SelectedRow() {
    return List1()->selectedItems().isEmpty() ? -1 : List1()->row(List1()->selectedItems().first());
  }
  QStringList Readouts() {
    return {Control("Text3")->text(), Control("Text4")->text(), Control("Text5")->text(),
            Control("Text6")->text()};
  }
  // Clicks a button; returns the texts of the message boxes that opened.
  QStringList Click(const char* button) {
    return AnswerMessageBoxes(
        [&] { QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton); });
  }
  QStringList PressOk() { return Click("Command2"); }
  // Lists the files now in as/ and asc/.
  void Refresh() {
    Control<ui::FileListBox>("File1")->Refresh();
    Control<ui::FileListBox>("File2")->Refresh();
  }
  // Clicks name in list ("File1" or "File2"); returns the warnings of the pick.
  QStringList Pick(const char* list, const QString& name) {
    auto* files = Control<QListWidget>(list);
    const auto items = files->findItems(name, Qt::MatchExactly);
    if (items.isEmpty()) qFatal("no file %s", qPrintable(name));
    const QPoint at = files->visualItemRect(items.first()).center();
    return AnswerMessageBoxes(
        [&] { QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at); });
  }
  // Picks name in File1 and presses OK; neither may warn.
  void Load(const QString& name) {
    QStringList warnings = Pick("File1", name);
    warnings += PressOk();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
  }
  // Types text into the emptied energy box and presses Enter; returns the warnings shown.
  QStringList TypeEnergy(const QString& text) {
    QTest::mouseClick(Control("Text3"), Qt::LeftButton);
    QTest::keyClicks(Control("Text3"), text);
    return AnswerMessageBoxes([&] { QTest::keyClick(Control("Text3"), Qt::Key_Return); });
  }
  // Moves the pointer to a point of the graph, in user units.
  static void MovePointer(float x, float y) {
    ui::PictureBox& picture = Graph().Picture1();
    QTest::mouseMove(&picture,
                     (picture.ToArea(x, y) + QPointF(picture.contentsRect().topLeft())).toPoint());
  }
};

// What the user sees, one line of text per part, to compare two moments: the row list and
// its selection, the readouts, which controls are enabled, the shared table's title, and the
// graph window's title, picture and cursor lines.
inline QStringList ScreenState(MainWindow& w) {
  QStringList state{"rows " + w.Items().join('|'), QString("selected %1").arg(w.SelectedRow()),
                    "readouts " + w.Readouts().join('|'), "enabled",
                    "table " + QString::fromStdString(SharedMaterialTable().MaterialTitle)};
  for (const char* name : {"Text3", "Text4", "Text5", "Text6", "Command4"})
    state[3] += w.Control<QWidget>(name)->isEnabled() ? " 1" : " 0";
  if (!ui::Form2::Exists()) return state;
  ui::Form2& graph = ui::Form2::Instance();
  const QImage picture = graph.Picture1().Picture();
  return state << "graph " + graph.windowTitle() + (graph.isVisible() ? " shown" : " hidden")
               << QString("picture %1")
                      .arg(qHashBits(picture.constBits(),
                                     static_cast<size_t>(picture.sizeInBytes())))
               << LineText(graph.Line1()) << LineText(graph.Line2());
}

}  // namespace alphastop::testing
