#include "window/replay.h"

#include <algorithm>
#include <utility>

namespace korvo {

Replay::Replay(Show show, QObject* parent) : QObject(parent), show_(std::move(show)) {
  timer_.setParent(this);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &Replay::frameTimeUp);
}

bool Replay::start(const std::vector<TableFrame>& frames, std::chrono::milliseconds pace,
                   const ClickResult& result) {
  if (pace.count() <= 0 || frames.empty()) return false;
  // With player 1 out, a click plays whole rounds: show how each ended, not every turn.
  const bool wholeRounds = std::any_of(frames.begin(), frames.end(), [](const TableFrame& f) {
    return f.kind == TableFrame::Kind::RoundEnd;
  });
  for (const TableFrame& frame : frames) {
    if ((frame.kind == TableFrame::Kind::RoundEnd) == wholeRounds) frames_.push_back(frame);
  }
  if (frames_.empty()) return false;
  frameTime_ = wholeRounds ? 3 * pace : pace;
  nextFrame_ = 0;
  waiting_ = false;
  heldBack_ = result;
  showNextFrame();
  return true;
}

void Replay::frameTimeUp() {
  if (busy_ && busy_()) {
    waiting_ = true;
    return;
  }
  showNextFrame();
}

void Replay::resume() {
  if (!active() || !waiting_) return;
  waiting_ = false;
  timer_.start(frameTime_ / 2);
}

void Replay::showNextFrame() {
  if (nextFrame_ >= frames_.size()) {
    emit done();
    return;
  }
  const TableFrame& frame = frames_[nextFrame_++];
  // Whole rounds are shown as they ended, without their cards moving.
  show_(frame.table, frame.kind == TableFrame::Kind::Turn       ? frame.player
                     : frame.kind == TableFrame::Kind::RoundEnd ? -1
                                                                : 0);
  emit frameShown();
  timer_.start(frameTime_);
}

ClickResult Replay::stop() {
  timer_.stop();
  waiting_ = false;
  frames_.clear();
  return std::exchange(heldBack_, {});
}

}  // namespace korvo
