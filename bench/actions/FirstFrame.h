#pragma once
// For the start-up probes: stamps on standard output, on the system's monotonic clock which
// the launching process shares, the moment a window receives its first paint event (the
// stamp's name with "-paint" appended) and the moment its first frame is complete: its own
// paint and that of all its children, which follows in the same pass.

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>
#include <string>

namespace alphastop::bench {

inline void PrintStamp(const char* what) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("%s %lld\n", what, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
}

class FirstFrame : public QObject {
 public:
  // then runs once the frame is complete and stamped.
  FirstFrame(QWidget* window, const char* stamp, std::function<void()> then)
      : stamp_(stamp), then_(std::move(then)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      PrintStamp((std::string(stamp_) + "-paint").c_str());
      // Runs once the current paint pass, children included, has returned to the event loop.
      QTimer::singleShot(0, this, [this] {
        PrintStamp(stamp_);
        then_();
      });
    }
    return false;
  }

 private:
  const char* stamp_;
  std::function<void()> then_;
  bool seen_ = false;
};

}  // namespace alphastop::bench
