// For `make bench`: with KORVO_BENCH_FIRST_PAINT set, a top-level window tells on standard error
// when its first frame has been drawn and handed to the display, as
//   first-paint-ns <nanoseconds on the monotonic clock>
// and, if the variable holds a number of milliseconds, its resident memory that long after the
// first frame, as
//   rss-kb <kilobytes>
// before the program quits. Nothing the player sees changes, and without the variable nothing
// is installed at all. Header only, so that the bare window of bench/ reports the same way.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace korvo {

class FirstPaintReport : public QObject {
 public:
  // Installs the report on `window` when KORVO_BENCH_FIRST_PAINT is set.
  static void installIfAsked(QWidget* window) {
    if (!qEnvironmentVariableIsSet("KORVO_BENCH_FIRST_PAINT")) return;
    bool isNumber = false;
    const int quitAfterMs = qEnvironmentVariableIntValue("KORVO_BENCH_FIRST_PAINT", &isNumber);
    window->installEventFilter(new FirstPaintReport(window, isNumber ? quitAfterMs : -1));
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || reported_) return false;
    reported_ = true;
    // The window and its children are drawn and flushed inside the handling of this event;
    // the first turn of the event loop after it sees the finished frame.
    QTimer::singleShot(0, this, [this] { onFrameDone(); });
    (void)watched;
    return false;
  }

 private:
  FirstPaintReport(QWidget* window, int quitAfterMs) : QObject(window), quitAfterMs_(quitAfterMs) {}

  void onFrameDone() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(stderr, "first-paint-ns %lld\n",
                 static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(stderr);
    if (quitAfterMs_ < 0) return;
    QTimer::singleShot(quitAfterMs_, this, [] {
      std::fprintf(stderr, "rss-kb %ld\n", residentKb());
      std::fflush(stderr);
      QCoreApplication::quit();
    });
  }

  // VmRSS of /proc/self/status; -1 where there is none.
  static long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
      if (key == "VmRSS:") {
        long kb = -1;
        status >> kb;
        return kb;
      }
      status.ignore(4096, '\n');
    }
    return -1;
  }

  int quitAfterMs_;
  bool reported_ = false;
};

}  // namespace korvo
