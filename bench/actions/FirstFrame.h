#pragma once
// For the start-up probes: stamps on standard output the moment a window's first frame is
// complete (its first paint event and the paint of all its children that follows in the
// same pass), on the system's monotonic clock, which the launching process shares.

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>

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
