#pragma once
// Helpers for window tests: a working folder with data files, answering modal message
// boxes from a timer, and finding top-level windows by name.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "support/TableFiles.h"

namespace alphastop::testing {

// Runs action; every modal message box it opens is read and closed with OK. Returns the
// texts of the boxes in the order they appeared.
inline QStringList AnswerMessageBoxes(const std::function<void()>& action) {
  QStringList texts;
  QTimer timer;
  timer.setInterval(5);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      texts << box->windowTitle() + "|" + box->text();
      box->button(QMessageBox::Ok)->click();
    }
  });
  timer.start();
  action();
  timer.stop();
  return texts;
}

inline QWidget* TopLevel(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == name) return widget;
  return nullptr;
}

inline int CountTopLevels(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) count += widget->objectName() == name;
  return count;
}

// Selects the item with this text in a list, as a click does.
inline void ClickItem(QListWidget* list, const QString& text) {
  const auto items = list->findItems(text, Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), qPrintable("no item " + text));
  const QRect rect = list->visualItemRect(items.first());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  QCOMPARE(list->currentItem(), items.first());
}

// A working folder holding as/ and asc/ with made-up tables, entered for the test's life.
class WorkingFolder {
 public:
  WorkingFolder() : previous_(QDir::currentPath()) {
    folder_.Write("as/Alpha.as", JoinLines(ValidTableLines("ALPHA")));
    folder_.Write("as/Beta.as", JoinLines(ValidTableLines("BETA")));
    auto gamma = ValidTableLines("GAMMA, MIXED");
    gamma[10] = " 1.000E-03 5.000E+01 2.000E+00 5.200E+01 1.000E-05 9.000E-06 9.000E-01      ";
    folder_.Write("asc/Gamma.asc", JoinLines(gamma, "\n"));
    folder_.Write("asc/notes.txt", "not a table");
    QDir::setCurrent(QString::fromStdString(folder_.Path().string()));
  }
  ~WorkingFolder() { QDir::setCurrent(previous_); }
  const TempFolder& Files() const { return folder_; }

 private:
  TempFolder folder_;
  QString previous_;
};

}  // namespace alphastop::testing
