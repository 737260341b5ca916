#pragma once
#include <QWidget>

namespace alphastop::ui {

template <typename Window>
class SingleWindow;

// The reference window: cites the report the tables follow. One instance, created hidden on
// first use, without an owner window so the other windows stay usable; "Close" hides it.
class Form3 : public QWidget {
  Q_OBJECT
 public:
  // The single instance, created hidden on the first call.
  static Form3& Instance();
  // Creates it where needed, then shows it and brings it to the front.
  static void Open();

 private:
  friend class SingleWindow<Form3>;
  Form3();
  void Command1Click();
};

}  // namespace alphastop::ui
