// The paced replay of a click: after the click has been played, the table shows the moments
// the game recorded in it (each computer turn, or each round's end while player 1 is out) one
// at a time on a timer, and then where the click left it. The click's result (a fault, a
// notice) is held back until then, so that it comes with the table it belongs to.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <vector>

#include "game/game.h"
#include "game/table.h"

namespace korvo {

class Replay : public QObject {
  Q_OBJECT

 public:
  // Shows one recorded table; `mover` is the computer player whose turn it ends, 0 for the
  // start of the turns, -1 for a whole round's end.
  using Show = std::function<void(const Table&, int mover)>;

  explicit Replay(Show show, QObject* parent = nullptr);

  // Starts showing `frames` (a click's recording), each for `pace`, holding `result` back;
  // shows the first at once. False, and nothing held, when there is nothing to show.
  bool start(const std::vector<TableFrame>& frames, std::chrono::milliseconds pace,
             const ClickResult& result);
  bool active() const { return !frames_.empty(); }
  // Stops at once and hands back the result held back.
  ClickResult stop();
  // While `busy` says so (the cards of a frame are still moving), the next frame waits; then
  // resume() shows it after half a frame's time, so the end of each move can be seen.
  void setBusy(std::function<bool()> busy) { busy_ = std::move(busy); }
  void resume();

 signals:
  // The table now shows one more of the recorded moments.
  void frameShown();
  // Every frame has had its time: the table should show where the click ended.
  void done();

 private:
  void frameTimeUp();
  void showNextFrame();

  Show show_;
  std::function<bool()> busy_;
  bool waiting_ = false;
  std::vector<TableFrame> frames_;
  std::size_t nextFrame_ = 0;
  std::chrono::milliseconds frameTime_{0};
  ClickResult heldBack_;
  QTimer timer_;
};

}  // namespace korvo
