#pragma once
#include <QCoreApplication>
#include <QPointer>

namespace alphastop::ui {

// The one window of a kind: created hidden on first use, reused until the program ends,
// then deleted with the application (it has no owner window to delete it). Window
// befriends SingleWindow<Window> so that only this can construct it.
template <typename Window>
class SingleWindow {
 public:
  static Window& Instance() {
    QPointer<Window>& instance = Pointer();
    if (!instance) {
      instance = new Window;
      qAddPostRoutine([] { delete Pointer().data(); });
    }
    return *instance;
  }
  static bool Exists() { return !Pointer().isNull(); }
  // Creates it where needed, then shows it and brings it to the front.
  static Window& Open() {
    Window& window = Instance();
    window.show();
    window.raise();
    window.activateWindow();
    return window;
  }

 private:
  static QPointer<Window>& Pointer() {
    static QPointer<Window> instance;
    return instance;
  }
};

}  // namespace alphastop::ui
