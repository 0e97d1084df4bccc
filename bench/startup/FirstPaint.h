// The moment a start-up benchmark's window is shown: it prints the monotonic
// clock once the window has been painted and its frame flushed, and ends the
// process at once (its tear-down is no part of the start).
#pragma once

#include <time.h>
#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

inline double MonotonicSeconds() {
  timespec Now{};
  clock_gettime(CLOCK_MONOTONIC, &Now);
  return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) * 1e-9;
}

class TFirstPaint : public QObject {
 public:
  explicit TFirstPaint(QWidget& Window) { Window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint && !FSeen) {
      FSeen = true;
      QTimer::singleShot(0, [] {
        std::printf("%.9f\n", MonotonicSeconds());
        std::fflush(stdout);
        _exit(0);
      });
    }
    return false;
  }

 private:
  bool FSeen = false;
};
